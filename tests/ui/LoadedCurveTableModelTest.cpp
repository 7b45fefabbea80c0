#include "curvelist/LoadedCurveTableModel.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <gtest/gtest.h>

namespace plotwise {
namespace {

TEST(LoadedCurveTableModel, HeadingRowIsTheHeaderCurveRowsAreTheRows) {
    LoadedCurveTable table;
    table.setHeadings("File Name", "SP #", "Torque", "Angle", "Points");
    table.setText(table.appendRow(), 0, "Pr\xC3\xBC" "fung_\xC3\xA4.nrcur"); // the name's bytes
    table.setText(1, 2, " 45.67");
    table.setTextColor(1, 2, 0x000000FFu);
    table.setText(1, 9, "\xB5");
    LoadedCurveTableModel model(table);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.columnCount(), 4005);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "File Name");
    EXPECT_EQ(model.headerData(5, Qt::Horizontal).toString(), "1");
    EXPECT_EQ(model.headerData(4004, Qt::Horizontal).toString(), "4000");
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QString::fromUtf8("Prüfung_ä.nrcur"));
    EXPECT_EQ(model.data(model.index(0, 9)).toString(), QString::fromUtf8("\u00B5"));
    EXPECT_FALSE(model.data(model.index(0, 4004)).isValid());
    // Colours are stored as blue-green-red.
    EXPECT_EQ(model.data(model.index(0, 2), Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_FALSE(model.data(model.index(0, 3), Qt::ForegroundRole).isValid());

    table.setRowCount(1);
    EXPECT_FALSE(model.data(model.index(0, 0)).isValid()); // stale row, no crash
    model.reload();
    EXPECT_EQ(model.rowCount(), 0);
    table.appendRow();
    table.setText(table.appendRow(), 0, "B.NRCUR");
    model.reload();
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.data(model.index(1, 0)).toString(), "B.NRCUR");
}

} // namespace
} // namespace plotwise
