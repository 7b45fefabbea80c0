// The item models over the curve list and the loaded-curve table: texts as
// the bytes' Latin-1, colours stored blue-green-red, tick boxes, and stale
// shapes that never reach into an emptied list or table.
#include "UiTestApp.h"
#include "curvelist/LoadedCurveTableModel.h"

namespace plotwise {
namespace {

using Tester = QAbstractItemModelTester;

// Two files: a single-curve root, then a multi-spindle file with two spindles.
CurveList twoFileList() {
    CurveList list;
    list.appendRoot("\xC3\x84.NRCUR\\ \xB0"); // a file name's bytes, then a value's
    const int file = list.appendRoot("B.NRACD");
    list.appendChild(file, "Spindle  1");
    list.appendChild(file, "Spindle  2");
    return list;
}

TEST(CurveListModel, TreeTextsAndColours) {
    CurveList list = twoFileList();
    list.entry(2).textColor = 0x00FF8000u; // blue FF, green 80, red 00
    CurveListModel model(list);
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    ASSERT_EQ(model.rowCount(), 2);
    const QModelIndex file = model.index(1, 0);
    EXPECT_EQ(model.rowCount(model.index(0, 0)), 0);
    ASSERT_EQ(model.rowCount(file), 2);
    const QModelIndex second = model.index(1, 0, file); // parents: checked by the tester
    EXPECT_EQ(model.entryOf(second), 3);
    EXPECT_EQ(model.indexOfEntry(3), second);
    EXPECT_EQ(model.data(second).toString(), "Spindle  2");
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QString::fromUtf8("Ä.NRCUR\\ \u00B0"));
    EXPECT_EQ(model.data(model.index(0, 0, file), Qt::ForegroundRole).value<QColor>(),
              QColor(0x00, 0x80, 0xFF));
    EXPECT_FALSE(model.data(model.index(0, 0), Qt::ForegroundRole).isValid());
}

TEST(CurveListModel, TickBoxesOnlyWhenTheListShowsThem) {
    CurveList list = twoFileList();
    list.entry(0).checked = true;
    CurveListModel model(list);
    QSignalSpy ticks(&model, &CurveListModel::entryCheckChanged);
    const QModelIndex first = model.index(0, 0);
    EXPECT_FALSE(model.data(first, Qt::CheckStateRole).isValid());
    EXPECT_FALSE(model.flags(first) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(model.setData(first, Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_TRUE(list.entry(0).checked);
    list.checkBoxes = true;
    EXPECT_TRUE(model.flags(first) & Qt::ItemIsUserCheckable);
    EXPECT_EQ(model.data(first, Qt::CheckStateRole).toInt(), Qt::Checked);
    const QModelIndex spindle = model.index(0, 0, model.index(1, 0));
    for (int i = 0; i < 2; ++i) // the second time is no tick: the state is already set
        ASSERT_TRUE(model.setData(spindle, Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(list.entry(2).checked);
    EXPECT_FALSE(list.entry(3).checked);
    ASSERT_EQ(ticks.count(), 1);
    EXPECT_EQ(ticks.at(0).at(0).toInt(), 2);
}

TEST(CurveListModel, SyncFollowsTheList) {
    CurveList list = twoFileList();
    CurveListModel model(list);
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    list.entry(3).text = "Spindle  9"; // texts only: a repaint
    model.sync();
    EXPECT_EQ(resets.count(), 0);
    EXPECT_GE(changes.count(), 2); // the roots and the children of the file entry
    EXPECT_EQ(model.data(model.index(1, 0, model.index(1, 0))).toString(), "Spindle  9");
    list.appendChild(1, "Spindle  3"); // new entries: a reset
    list.appendRoot("C.TSV");
    model.sync();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.rowCount(model.index(1, 0)), 3);
    EXPECT_EQ(model.data(model.index(2, 0)).toString(), "C.TSV");
    list.clear(); // before the sync the stale shape must not reach into the emptied list
    EXPECT_FALSE(model.data(model.index(0, 0)).isValid());
    model.sync();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(LoadedCurveTableModel, HeadingRowIsTheHeaderCurveRowsAreTheRows) {
    LoadedCurveTable table;
    table.setHeadings("File Name", "SP #", "Torque", "Angle", "Points");
    table.setText(table.appendRow(), 0, "Pr\xC3\xBC" "fung_\xC3\xA4.nrcur"); // the name's bytes
    table.setText(1, 2, " 45.67");
    table.setTextColor(1, 2, 0x000000FFu);
    table.setText(1, 9, "\xB5");
    LoadedCurveTableModel model(table);
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.columnCount(), 4005);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "File Name");
    EXPECT_EQ(model.headerData(5, Qt::Horizontal).toString(), "1");
    EXPECT_EQ(model.headerData(4004, Qt::Horizontal).toString(), "4000");
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QString::fromUtf8("Prüfung_ä.nrcur"));
    EXPECT_EQ(model.data(model.index(0, 9)).toString(), QString::fromUtf8("\u00B5"));
    EXPECT_FALSE(model.data(model.index(0, 4004)).isValid());
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
