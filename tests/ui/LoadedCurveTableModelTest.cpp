#include "curvelist/LoadedCurveTableModel.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace plotwise {
namespace {

LoadedCurveTable tableWithOneCurve() {
    LoadedCurveTable table;
    table.setHeadings("File Name", "SP #", "Torque", "Angle", "Points");
    const int row = table.appendRow();
    table.setText(row, 0, "A.NRCUR");
    table.setText(row, 2, " 45.67");
    table.setTextColor(row, 2, 0x000000FFu);
    table.setText(row, 4, "5");
    table.setText(row, 9, "\xB5");
    return table;
}

TEST(LoadedCurveTableModel, HeadingRowBecomesTheHeader) {
    LoadedCurveTable table = tableWithOneCurve();
    LoadedCurveTableModel model(table);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.columnCount(), 4005);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "File Name");
    EXPECT_EQ(model.headerData(5, Qt::Horizontal).toString(), "1");
    EXPECT_EQ(model.headerData(4004, Qt::Horizontal).toString(), "4000");
}

TEST(LoadedCurveTableModel, ModelRowsAreTheCurveRows) {
    LoadedCurveTable table = tableWithOneCurve();
    LoadedCurveTableModel model(table);

    EXPECT_EQ(model.data(model.index(0, 0)).toString(), "A.NRCUR");
    EXPECT_EQ(model.data(model.index(0, 4)).toString(), "5");
    EXPECT_EQ(model.data(model.index(0, 9)).toString(), QString::fromUtf8("\u00B5"));
    EXPECT_FALSE(model.data(model.index(0, 4004)).isValid());
}

TEST(LoadedCurveTableModel, CellColourIsReadAsBlueGreenRed) {
    LoadedCurveTable table = tableWithOneCurve();
    LoadedCurveTableModel model(table);

    EXPECT_EQ(model.data(model.index(0, 2), Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_FALSE(model.data(model.index(0, 3), Qt::ForegroundRole).isValid());
}

TEST(LoadedCurveTableModel, ReloadFollowsATableCutBackAndRebuilt) {
    LoadedCurveTable table = tableWithOneCurve();
    LoadedCurveTableModel model(table);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    table.setRowCount(1);
    EXPECT_FALSE(model.data(model.index(0, 0)).isValid()); // stale row, no crash
    model.reload();
    EXPECT_EQ(model.rowCount(), 0);

    table.appendRow();
    table.appendRow();
    table.setText(2, 0, "B.NRCUR");
    model.reload();
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.data(model.index(1, 0)).toString(), "B.NRCUR");
}

} // namespace
} // namespace plotwise
