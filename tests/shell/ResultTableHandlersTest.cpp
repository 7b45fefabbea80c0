// The result table handlers of the headless window: opening a table, the
// clicks on its rows, the display items and the live monitor.
#include "CoreFixture.h"
#include "support/GuiApp.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace plotwise {
namespace {

using test::CoreFixture;
using test::crlf;

const std::string kResultFolder = "data/RESULT/202611";
const std::string kDayFolder = "data/CURVE/202611/20261105/ST01";

std::string heading(const std::string& column3) {
    return "Date\tTime\tSerial\t" + column3 + "\tJudge\tSpindle\tTorque\tAngle\tA\tB\tC\tProgram";
}

// A table of `count` results numbered from 1 in the SEQ # column.
std::string numberedResults(int count) {
    std::string text = heading("SEQ #") + "\r\n";
    for (int i = 1; i <= count; ++i) text += "2026/11/05\t08:00:00\t\t" + std::to_string(i) + "\tOK\t1\r\n";
    return text;
}
const std::string kOneResult = crlf({heading("SEQ #"), "2026/11/05\t08:05:02\t\t9\tOK\t1"});

// A result table in an archive result folder; the core is started there and
// the table opened through the curve list.
Form1Core& openTable(CoreFixture& f, const std::string& text, const std::string& folder = kResultFolder) {
    test::guiApp();
    f.temp.write(folder + "/r.tsv", text);
    Form1Core& core = f.start(f.temp.path(folder));
    const int entry = f.entryNamed("r.tsv");
    EXPECT_GE(entry, 0);
    core.listPanel().treeViewSelect(entry);
    core.listPanel().treeViewClick();
    EXPECT_TRUE(core.layout().grid2.visible);
    return core;
}

TEST(ResultTableHandlers, SingleSpindleResultIsDrawnAtOnce) {
    CoreFixture f;
    const std::string curve = f.temp.write(kDayFolder + "/20261105_090703_0_01.nrcur", test::nrcurFile("32.37"));
    Form1Core& core = openTable(f, crlf({heading("WORK No."), "2026/11/05\t09:07:03\t\t3\tOK\t1",
                                         "2026/11/05\t09:08:30\t\t4\tOK\t1"}));
    const ResultTable& grid2 = core.results().grid2();
    EXPECT_EQ(core.loadState().curveFileFamily, 2);
    EXPECT_EQ(core.shellState().columnNames[3], "WORK No.");
    core.listPanel().check1Click(true); // the loaded-curve table shown: the drawing brings the plot back
    core.results().grid2Click(1, 5);
    EXPECT_EQ(grid2.markedRow(), 1);
    EXPECT_EQ(core.loadState().curveFileName, curve);
    EXPECT_EQ(core.selectedEntryText(), curve + " Torque 32.37           Angle    412.5N/R");
    EXPECT_FALSE(core.layout().check1.enabled || core.check1Value() || core.layout().label2.visible);
    EXPECT_EQ(core.plot().view().drawSource, 1);

    core.results().grid2Click(2, 5); // no curve file for this result
    EXPECT_EQ(grid2.markedRow(), 2);
    EXPECT_EQ(grid2.shade(1), ResultTable::Shade::Window);
    EXPECT_TRUE(core.layout().label2.visible);
    EXPECT_EQ(core.texts().label2Caption, "NO CURVE FILE FOUND");
}

TEST(ResultTableHandlers, MultiSpindleResultFillsGrid1FromAContinuationRow) {
    CoreFixture f;
    f.temp.write(kDayFolder + "/ENG4711_20261105_080502_009_ANG_0.nracd",
                 test::multiFileText("1\t3", "8.70\t8.82"));
    Form1Core& core = openTable(f, crlf({heading("SEQ #"), "2026/11/05\t08:05:02\tENG:4711\t9\tOK\t1",
                                         "\t\t\t\t\t3"}));
    core.results().grid2Click(2, 6);
    EXPECT_EQ(core.results().grid2().markedRow(), 1);
    EXPECT_EQ(core.results().grid2Row(), 2); // the clicked cell stays current
    // Spindle, peak and the samples loaded into both rows.
    EXPECT_EQ(f.gridRows({1, 2, 4}), (test::Strings{"1|8.70| 1", "3|8.82| 1"}));
    EXPECT_EQ(core.plot().view().drawSource, 2);
    EXPECT_TRUE(core.redrawPending() && core.layout().check1.enabled);
    EXPECT_EQ(core.loadState().curveFileFamily, 1);
    EXPECT_NE(core.selectedEntryText().find(" Torque 8.82 "), std::string::npos);
}

TEST(ResultTableHandlers, HeadingRowOpensTheDisplayItemsAndPageRowsTurnPages) {
    CoreFixture f;
    Form1Core& core = openTable(f, numberedResults(1500));
    const ResultTable& grid2 = core.results().grid2();
    ASSERT_TRUE(grid2.isPageRow(1000));
    core.results().grid2Click(5, 0);
    core.results().grid2Click(0, 3);
    EXPECT_TRUE(core.results().takeForm2Request());
    EXPECT_FALSE(core.results().takeForm2Request());
    EXPECT_EQ(grid2.markedRow(), 5); // the heading click leaves the highlight
    core.results().grid2Click(7, 0, 3); // several rows selected
    EXPECT_TRUE(core.results().takeForm2Request());

    core.results().grid2Click(1000, 0); // next page
    EXPECT_TRUE(grid2.isPageRow(1));
    EXPECT_EQ(grid2.text(2, 3), "1000");
    EXPECT_EQ(grid2.markedRow(), 0);
    core.results().grid2Click(1, 0); // previous page
    EXPECT_EQ(grid2.text(1, 3), "1");
}

TEST(ResultTableHandlers, DisplayItemsHideAndRestoreColumns) {
    CoreFixture f;
    Form1Core& core = openTable(f, kOneResult);
    ResultTableController& results = core.results();
    std::vector<DisplayItem> items = results.form2Load();
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[2].name, "Serial");
    EXPECT_EQ(results.form2Caption(), "DISPLAY ITEM SELECT");
    // Hidden and shown again: a column gets back its former width, or the
    // default one when it was dragged to nothing.
    std::vector<bool> selected(items.size(), true);
    for (const auto& [column, width, restored] : {std::tuple{2, 1500, 1500}, {4, 0, 960}}) {
        results.grid2ColumnResized(column, width);
        EXPECT_EQ(core.shellState().columnWidths[column], width);
        selected[column] = false;
        results.form2ListClick(selected);
        EXPECT_EQ(results.grid2().columnWidth(column), 0);
        EXPECT_EQ(results.grid2().columnAlignment(column), ResultTable::kAlignLeft);
        EXPECT_FALSE(core.shellState().columnVisible[column]);
        selected[column] = true;
        results.form2ListClick(selected);
        EXPECT_EQ(results.grid2().columnWidth(column), restored);
        EXPECT_EQ(results.grid2().columnAlignment(column), ResultTable::kAlignCentre);
        EXPECT_TRUE(results.form2Load()[column].selected);
    }
}

TEST(ResultTableHandlers, EmptyHeadingCellsKeepListLinesOnTheirColumns) {
    CoreFixture f;
    Form1Core& core = openTable(f, crlf({"Date\tTime\t\tSEQ #\tJudge\tSpindle\tTorque", "a\tb\tc\t1\tOK\t1"}));
    const std::vector<DisplayItem> items = core.results().form2Load();
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[2].column, 3);
    core.results().form2ListClick({true, true, false, true, true, true});
    EXPECT_EQ(core.results().grid2().columnWidth(3), 0);
    EXPECT_GT(core.results().grid2().columnWidth(2), 0);
}

// A console whose result folder is the working folder, its current result
// table `live.tsv` there; REFRESH is ticked and the first tick made.
struct LiveConsole {
    CoreFixture f;
    std::string folder = f.temp.path(kResultFolder);
    Form1Core* core = nullptr;

    explicit LiveConsole(const std::string& table) {
        test::guiApp();
        f.temp.write(kResultFolder + "/live.tsv", table);
        f.temp.write("Console/TAVRIN UserConsole.exe", test::consoleExecutable("1.0.3.0"));
        writeMoni("live.tsv");
        core = &f.start();
        EXPECT_EQ(core->folders().dir, folder);
        core->navigator().check2Click(true);
        core->timer1Tick();
    }
    void writeMoni(const std::string& name) {
        f.temp.write("appdata/TAVRIN_1.030/Console/MONI.SYS",
                     crlf({"RSaveFolder\t" + folder, "RSaveName\t" + name}));
    }
};

TEST(LiveMonitor, ReloadsWhenTheResultTableGrowsAndOpensTheNewestResult) {
    LiveConsole live(kOneResult);
    Form1Core& core = *live.core;
    EXPECT_TRUE(core.navigator().check2Value());
    EXPECT_TRUE(core.timers().timer1 && core.timers().timer2);
    EXPECT_TRUE(core.layout().grid2.visible);
    EXPECT_EQ(core.results().tableFile(), "live.tsv");
    EXPECT_EQ(core.results().grid2().markedRow(), 1);
    EXPECT_TRUE(core.results().takeGrid2ScrollToEnd());
    core.timer1Tick(); // unchanged size: nothing happens
    EXPECT_FALSE(core.results().takeGrid2ScrollToEnd());

    std::ofstream(live.folder + "/live.tsv", std::ios::app | std::ios::binary)
        << crlf({"2026/11/05\t08:06:27\t\t10\tOK\t1", "\t\t\t\t\t3"});
    core.timer1Tick();
    EXPECT_EQ(core.results().grid2().rowCount(), 4);
    EXPECT_EQ(core.results().grid2Row(), 3);
    EXPECT_EQ(core.results().grid2().markedRow(), 2); // the newest result's first row
    EXPECT_TRUE(core.layout().label2.visible); // its curve is not there

    core.navigator().check2Click(false);
    EXPECT_FALSE(core.timers().timer1 || core.timers().timer2);
}

TEST(LiveMonitor, ANewResultTableNameIsWatchedFromTheNextTick) {
    LiveConsole live(kOneResult);
    Form1Core& core = *live.core;
    live.f.temp.write(kResultFolder + "/next.tsv",
                      crlf({heading("SEQ #"), "2026/11/06\t07:00:00\t\t1\tOK\t1", "2026/11/06\t07:01:00\t\t2\tOK\t1"}));
    live.writeMoni("next.tsv");
    core.timer2Tick();
    EXPECT_EQ(core.results().tableFile(), "next.tsv");
    EXPECT_EQ(core.shellState().watchedResultSize, 0);
    core.timer1Tick();
    EXPECT_EQ(core.results().grid2().text(2, 0), "2026/11/06");
    EXPECT_EQ(core.results().grid2().markedRow(), 2);
}

TEST(LiveMonitor, LongTablesOpenOnTheirLastPageAndEmptyOnesOpenNothing) {
    LiveConsole live(numberedResults(2500));
    Form1Core& core = *live.core;
    const ResultTable& grid2 = core.results().grid2();
    EXPECT_EQ(grid2.text(grid2.rowCount() - 1, 3), "2500");
    EXPECT_EQ(grid2.markedRow(), grid2.rowCount() - 1);

    live.f.temp.write(kResultFolder + "/live.tsv", "");
    core.timer1Tick(); // emptied: the table is cleared, no window is asked for
    EXPECT_EQ(grid2.rowCount(), 1);
    EXPECT_FALSE(core.results().takeForm2Request());
}

} // namespace
} // namespace plotwise
