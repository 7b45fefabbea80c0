#include "CoreFixture.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

using test::CoreFixture;

TEST(CurveListHandlers, CheckAllThenUncheckAll) {
    CoreFixture f;
    f.temp.write("work/A.nrcur", test::nrcurFile("25.34"));
    f.temp.write("work/B.nrcur", test::nrcurFile("31.00"));
    Form1Core& core = f.start();
    core.command2Click(0);
    for (const CurveListEntry& entry : core.curveList().entries())
        EXPECT_TRUE(entry.checked);
    ASSERT_EQ(core.grid1().rowCount(), 3);
    EXPECT_EQ(core.grid1().text(1, 0), "A.nrcur");
    EXPECT_EQ(core.grid1().text(2, 0), "B.nrcur");
    EXPECT_EQ(core.grid1().text(2, 4), "3"); // loaded: WavePoint
    EXPECT_EQ(core.grid1().text(2, 5), "2"); // and the interval in column 5
    EXPECT_EQ(core.plot().drawSource, 2);
    EXPECT_TRUE(core.plot().redrawPending);
    EXPECT_EQ(core.loadState().curveFileFamily, 1);
    EXPECT_TRUE(core.layout().command3[2].enabled);
    EXPECT_TRUE(core.layout().command3[4].enabled);

    core.command2Click(1);
    for (const CurveListEntry& entry : core.curveList().entries())
        EXPECT_FALSE(entry.checked);
    EXPECT_EQ(core.grid1().rowCount(), 1);
}

TEST(CurveListHandlers, CheckAllReachesChildrenOfExpandedFiles) {
    CoreFixture f;
    f.temp.write("work/M.NRACD", test::multiFileText("1\t2\t3", "10.5\t11.5\t12.5"));
    Form1Core& core = f.start();
    ASSERT_EQ(core.curveList().count(), 4);
    core.setEntryExpanded(0, true);
    core.command2Click(0);
    EXPECT_EQ(core.grid1().rowCount(), 4);
    EXPECT_EQ(core.grid1().text(3, 1), " 3");
}

TEST(CurveListHandlers, ClickLoadsTickedChildrenAndMarksSelection) {
    CoreFixture f;
    f.temp.write("work/M.NRACD", test::multiFileText("1\t2\t3", "10.5\t11.5\t12.5"));
    Form1Core& core = f.start();
    core.setEntryExpanded(0, true);
    core.setEntryChecked(2, true);
    core.setEntryChecked(3, true);
    core.treeViewSelect(3);
    core.treeViewClick();
    ASSERT_EQ(core.grid1().rowCount(), 3);
    EXPECT_EQ(core.selectedCurveRow(), 2);
    EXPECT_TRUE(core.layout().command3[0].enabled);
    EXPECT_EQ(core.grid1().textColor(2, 1), 255u);
    EXPECT_EQ(core.grid1().text(1, 4), " 1"); // one data line, loaded at the red row
    EXPECT_EQ(core.grid1().text(2, 6), "");
    EXPECT_EQ(core.selectedEntryText(), core.curveList().fullPath(3));
    EXPECT_EQ(core.tableFile(), core.curveList().fullPath(3));

    core.treeViewSelect(1); // an unticked spindle: "Select Color" off
    core.treeViewClick();
    EXPECT_FALSE(core.layout().command3[0].enabled);
    EXPECT_EQ(core.selectedCurveRow(), 0);
}

TEST(CurveListHandlers, SelectedResultTableIsRememberedNotDrawn) {
    CoreFixture f;
    f.temp.write("work/A.nrcur", test::nrcurFile());
    f.temp.write("work/R.TSV", "x\r\n");
    Form1Core& core = f.start();
    int tsv = f.entryNamed("R.TSV");
    ASSERT_GE(tsv, 0);
    core.treeViewSelect(tsv);
    core.treeViewClick();
    EXPECT_EQ(core.tableFile(), "R.TSV");
    EXPECT_EQ(core.selectedEntryText(), "");
    EXPECT_EQ(core.grid1().rowCount(), 1);
}

TEST(CurveListHandlers, ToggleTagSwitchesPlotAndTable) {
    CoreFixture f;
    f.temp.write("work/A.nrcur", test::nrcurFile());
    Form1Core& core = f.start();
    core.check1Click(true);
    EXPECT_FALSE(core.layout().picture1.visible);
    EXPECT_TRUE(core.layout().grid1.visible);
    core.treeViewClick();
    EXPECT_TRUE(core.layout().grid1.visible);

    core.check1Click(false);
    EXPECT_TRUE(core.layout().picture1.visible);
    EXPECT_FALSE(core.layout().grid1.visible);
    EXPECT_EQ(core.plot().drawSource, 2);
    core.treeViewClick();
    EXPECT_FALSE(core.layout().grid1.visible);
}

TEST(CurveListHandlers, SingleCurveScanUnticksToggleTag) {
    CoreFixture f;
    f.temp.write("work/A.nrcur", test::nrcurFile());
    Form1Core& core = f.start();
    core.check1Click(true);
    core.check2Click(true); // refresh: rescans
    EXPECT_FALSE(core.check1Value());
    EXPECT_TRUE(core.layout().picture1.visible);
    EXPECT_TRUE(core.layout().check1.enabled);
}

TEST(CurveListHandlers, MultiSpindleScanKeepsToggleTag) {
    CoreFixture f;
    f.temp.write("work/M.NRACD", test::multiFileText("1", "10.5"));
    Form1Core& core = f.start();
    core.check1Click(true);
    core.check2Click(true);
    EXPECT_TRUE(core.check1Value());
}

TEST(CurveListHandlers, SpindleColourPick) {
    CoreFixture f;
    f.temp.write("work/M.NRACD", test::multiFileText("1\t3", "10.5\t12.5"));
    f.temp.write("work/P.SPACD", test::multiFileText("2", "4.5"));
    Form1Core& core = f.start();
    int spindle3 = f.entryNamed("Spindle  3");
    int press = f.entryNamed("Press  2");
    ASSERT_GE(spindle3, 0);
    ASSERT_GE(press, 0);

    EXPECT_FALSE(core.colorPickTitle()); // nothing selected
    core.treeViewSelect(press);
    EXPECT_FALSE(core.colorPickTitle());
    core.treeViewSelect(f.entryNamed("M.NRACD"));
    EXPECT_FALSE(core.colorPickTitle());

    core.treeViewSelect(spindle3);
    EXPECT_EQ(core.colorPickTitle(), "Select Spindle  3 Curve Color");
    core.applySpindleColor(0x00123456);
    EXPECT_EQ(core.spindleColors()[2], 0x00123456u);
    EXPECT_EQ(core.curveList().entry(spindle3).textColor, 0x00123456u);
    EXPECT_EQ(core.spindleColors()[0], Pallet(1));

    core.setEntryChecked(spindle3, true);
    core.setEntryExpanded(f.entryNamed("M.NRACD"), true);
    core.treeViewClick();
    ASSERT_EQ(core.grid1().rowCount(), 2);
    EXPECT_EQ(core.grid1().textColor(1, 2), 0x00123456u);
}

TEST(CurveListHandlers, CheckAllIsOneNotification) {
    CoreFixture f;
    f.temp.write("work/A.nrcur", test::nrcurFile());
    Form1Core& core = f.start();
    int calls = 0;
    unsigned seen = 0;
    core.onChanged = [&](unsigned changes) {
        ++calls;
        seen |= changes;
    };
    core.command2Click(0);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(seen & Change::List);
    EXPECT_TRUE(seen & Change::Grid1);
}

} // namespace
} // namespace plotwise
