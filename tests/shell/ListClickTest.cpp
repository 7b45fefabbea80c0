#include "shell/ListClick.h"

#include "curvelist/CurveListBuilder.h"
#include "curvelist/SpindleColors.h"
#include "support/CurveFileText.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

constexpr std::uint32_t kRed = 255;

int addSingle(CurveList& list, const std::string& name, const std::string& peak = "25.34",
              const std::string& position = "412.5", bool torque = true) {
    return list.appendRoot(singleCurveEntryText("2026-11-05 07:42:18\t" + name + "\t" + peak +
                                                "\t" + position + "\t" +
                                                (torque ? "N/R" : "Press")));
}

// A multi-spindle file entry with its spindle entries 1..n; returns the file entry.
int addMulti(CurveList& list, const std::string& name, int spindles, bool expanded = false) {
    int file = list.appendRoot(name);
    list.entry(file).expanded = expanded;
    for (int s = 1; s <= spindles; ++s) {
        int child = list.appendChild(
            file, spindleEntryText(false, s, "48.6" + std::to_string(s), false, "486.5"));
        list.entry(child).textColor = Pallet(s);
    }
    return file;
}

// A .NRACD file whose spindle j has interval tag*10+j and samples "tag.j.i".
std::string multiFile(int spindles, int samples, int tag) {
    std::string spno = "SPNO", ypeak = "YPeak", unit = "Unit", interval = "Interval";
    for (int j = 1; j <= spindles; ++j) {
        spno += "\t" + std::to_string(j);
        ypeak += "\t48.6";
        unit += "\t0";
        interval += "\t" + std::to_string(tag * 10 + j);
    }
    std::string file =
        spno + "\r\n" + ypeak + "\r\n" + unit + "\r\n" + interval + "\r\nWaveData\r\n";
    for (int i = 1; i <= samples; ++i) {
        file += std::to_string(i);
        for (int j = 1; j <= spindles; ++j)
            file += "\t" + std::to_string(tag) + "." + std::to_string(j) + "." + std::to_string(i);
        file += "\r\n";
    }
    return file;
}

struct Fixture {
    CurveList list;
    LoadedCurveTable table;
    LoadState state;
    test::MemoryFileSystem fs;

    ListClickResult click() {
        return applyListTicks(list, table, state, LoadContext{fs, "mem", false});
    }
    int rows() const { return table.rowCount() - 1; }
};

TEST(CurveRowText, FieldsCutFromEveryEntryLayout) {
    struct Case {
        const char* name;
        std::string path;
        std::string row;
    } cases[] = {
        {"torque single", singleCurveEntryText("d\tA.nrcur\t25.34\t412.5\tN/R"),
         "A.nrcur\t  \t 25.34  \t    412.5"},
        {"press single", singleCurveEntryText("d\tB.spcur\t12.5\t3.25\tPress"),
         "B.spcur\t  \t 12.5   \t3.25"},
        {"torque spindle", "F.NRACD\\" + spindleEntryText(false, 2, "48.62", false, "486.5"),
         "F.NRACD\t 2\t   48.62\t 486.5"},
        {"torque spindle over time",
         "F.NRACD\\" + spindleEntryText(false, 12, "48.62", true, "1.25"),
         "F.NRACD\t12\t   48.62\t1.25"},
        {"press spindle", "P.SPACD\\" + spindleEntryText(true, 3, "12.5", false, "3.25"),
         "P.SPACD\t 3\t  12.5  \t3.25"},
        {"press spindle over time", "P.SPACD\\" + spindleEntryText(true, 3, "12.5", true, "0.75"),
         "P.SPACD\t 3\t  12.5  \t0.75"},
        {"no backslash", "F.NRACD", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(curveRowText(c.path), c.row) << c.name;
}

TEST(ListClick, EmptyListLeavesHeadingOnly) {
    Fixture f;
    f.table.setRowCount(5);
    ListClickResult result = f.click();
    EXPECT_EQ(f.table.rowCount(), 1);
    EXPECT_EQ(result.curveRows, 0);
    EXPECT_EQ(result.selectedCurveRow, 0);
    EXPECT_FALSE(result.selectColorEnabled.has_value());
}

TEST(ListClick, RowsCarryColumnsAndPeakColour) {
    Fixture f;
    f.state.curveFormat = CurveFormat::Cur; // no loader for these rows
    addSingle(f.list, "A.cur");
    int file = addMulti(f.list, "F.NRACD", 2, true);
    for (int e = 0; e < f.list.count(); ++e)
        f.list.entry(e).checked = true;
    f.list.entry(file + 1).checked = false;
    f.click();
    ASSERT_EQ(f.rows(), 2);
    EXPECT_EQ(f.table.text(1, 0), "A.cur");
    EXPECT_EQ(f.table.text(1, 1), "  ");
    EXPECT_EQ(f.table.text(1, 2), " 25.34  ");
    EXPECT_FALSE(f.table.textColor(1, 2).has_value());
    EXPECT_EQ(f.table.text(2, 0), "F.NRACD");
    EXPECT_EQ(f.table.text(2, 1), " 2");
    EXPECT_EQ(f.table.textColor(2, 2), Pallet(2));
}

TEST(ListClick, CollapsedParentHandsItsTickToChildren) {
    Fixture f;
    f.state.curveFormat = CurveFormat::Cur;
    int file = addMulti(f.list, "F.NRACD", 3, false);
    f.list.entry(file).checked = true;
    f.list.entry(file + 2).checked = false;
    f.click();
    EXPECT_EQ(f.rows(), 3);
    for (int child : f.list.children(file))
        EXPECT_TRUE(f.list.entry(child).checked);

    f.list.entry(file).checked = false; // unticking the collapsed parent unticks all
    f.click();
    EXPECT_EQ(f.rows(), 0);
    for (int child : f.list.children(file))
        EXPECT_FALSE(f.list.entry(child).checked);
}

TEST(ListClick, ExpandedParentLeavesChildrenAlone) {
    Fixture f;
    f.state.curveFormat = CurveFormat::Cur;
    int file = addMulti(f.list, "F.NRACD", 3, true);
    f.list.entry(file).checked = true;
    f.list.entry(file + 2).checked = true;
    f.click();
    ASSERT_EQ(f.rows(), 1); // the file entry itself has no "\" and gives no row
    EXPECT_EQ(f.table.text(1, 1), " 2");
    EXPECT_FALSE(f.list.entry(file + 1).checked);
}

TEST(ListClick, AtMost86Rows) {
    Fixture f;
    f.state.curveFormat = CurveFormat::Cur;
    for (int i = 0; i < 90; ++i) {
        int e = addSingle(f.list, "C" + std::to_string(100 + i) + ".cur");
        f.list.entry(e).checked = true;
    }
    EXPECT_EQ(f.click().curveRows, 86);
    EXPECT_EQ(f.table.rowCount(), 87);
    EXPECT_EQ(f.table.text(86, 0), "C185.cur");
}

TEST(ListClick, MaxNamesAndUntickedEntriesGiveNoRow) {
    Fixture f;
    f.state.curveFormat = CurveFormat::Cur;
    f.list.entry(addSingle(f.list, "Max_torque.cur")).checked = true;
    f.list.entry(addSingle(f.list, "MaxB.cur")).checked = true;
    f.list.entry(addSingle(f.list, "max_c.cur")).checked = true; // case matters
    addSingle(f.list, "D.cur");
    f.click();
    ASSERT_EQ(f.rows(), 1);
    EXPECT_EQ(f.table.text(1, 0), "max_c.cur");
}

TEST(ListClick, RedMarkOnLastRowOfEachFile) {
    Fixture f;
    f.state.curveFormat = CurveFormat::Cur;
    int a = addMulti(f.list, "A.NRACD", 3);
    addSingle(f.list, "S.cur");
    int b = addMulti(f.list, "B.NRACD", 2);
    for (int e = 0; e < f.list.count(); ++e)
        f.list.entry(e).checked = true;
    (void)a, (void)b;
    f.click();
    ASSERT_EQ(f.rows(), 6);
    const bool red[] = {false, false, true, true, false, true};
    for (int row = 1; row <= 6; ++row) {
        EXPECT_EQ(f.table.textColor(row, 1) == kRed, red[row - 1]) << row;
        EXPECT_FALSE(f.table.textColor(row, 0).has_value());
    }
}

TEST(ListClick, SpindleRowsStartAfreshForEveryFile) {
    Fixture f;
    f.state.curveFormat = CurveFormat::NrAcd;
    f.fs.put("F1.NRACD", multiFile(5, 3, 1));
    f.fs.put("F2.NRACD", multiFile(5, 3, 2));
    int f1 = addMulti(f.list, "F1.NRACD", 5, true);
    int f2 = addMulti(f.list, "F2.NRACD", 5, true);
    f.list.entry(f1 + 2).checked = true;
    f.list.entry(f1 + 5).checked = true;
    f.list.entry(f2 + 2).checked = true;
    f.click();
    ASSERT_EQ(f.rows(), 3);
    struct Expected {
        std::string interval, firstSample, count;
    } expected[] = {{"12", "1.2.2", " 3"}, {"15", "1.5.2", " 3"}, {"22", "2.2.2", " 3"}};
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(f.table.text(row, 5), expected[row - 1].interval) << row;
        EXPECT_EQ(f.table.text(row, 6), expected[row - 1].firstSample) << row;
        EXPECT_EQ(f.table.text(row, 4), expected[row - 1].count) << row;
    }
    EXPECT_EQ(f.state.curveFormat, CurveFormat::NrAcd);
}

TEST(ListClick, SingleFilesLoadIntoTheirRows) {
    Fixture f;
    f.state.curveFormat = CurveFormat::NrCur;
    f.fs.put("A.nrcur",
             test::keyedSingleFile(10, {"SPNO\t3", "WavePoint\t2", "Interval\t7"}, {"0.5", "1.0"}));
    f.list.entry(addSingle(f.list, "A.nrcur")).checked = true;
    f.click();
    ASSERT_EQ(f.rows(), 1);
    EXPECT_EQ(f.table.text(1, 1), "3");
    EXPECT_EQ(f.table.text(1, 4), "2");
    EXPECT_EQ(f.table.text(1, 5), "7");
    EXPECT_EQ(f.table.text(1, 6), "1.0");
}

TEST(ListClick, OtherFormatsLoadNothing) {
    Fixture f;
    f.state.curveFormat = CurveFormat::Cur;
    f.fs.put("A.nrcur", test::keyedSingleFile(10, {"WavePoint\t2"}, {"0.5", "1.0"}));
    f.list.entry(addSingle(f.list, "A.nrcur")).checked = true;
    f.click();
    EXPECT_EQ(f.table.usedColumns(1), 4);
}

TEST(ListClick, LastRowDecidesLoadInNewton) {
    struct Case {
        std::vector<std::string> peaks;
        bool newton;
    } cases[] = {
        {{"25.34"}, false}, {{"250"}, true}, {{"250", "25.5"}, false}, {{"2.5", "2500"}, true}};
    for (const Case& c : cases) {
        Fixture f;
        f.state.curveFormat = CurveFormat::Cur;
        f.state.loadInNewton = !c.newton;
        for (std::size_t i = 0; i < c.peaks.size(); ++i)
            f.list.entry(addSingle(f.list, "C" + std::to_string(i) + ".cur", c.peaks[i])).checked =
                true;
        f.click();
        EXPECT_EQ(f.state.loadInNewton, c.newton) << c.peaks.back();
    }
}

TEST(ListClick, SelectColorFollowsTheSelectedTickedCurve) {
    struct Case {
        const char* name;
        std::vector<bool> ticks;
        int selected;
        std::optional<bool> enabled;
        int row;
    } cases[] = {
        {"selected ticked last", {true, false, true, true}, 3, true, 3},
        {"selected ticked first", {true, true, true, false}, 0, true, 1},
        {"selected unticked", {true, true, false, false}, 2, false, 0},
        {"nothing ticked", {false, false, false, false}, 1, std::nullopt, 0},
        {"no selection", {true, false, false, false}, -1, false, 0},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.state.curveFormat = CurveFormat::Cur;
        for (std::size_t i = 0; i < c.ticks.size(); ++i)
            f.list.entry(addSingle(f.list, "C" + std::to_string(i) + ".cur")).checked = c.ticks[i];
        f.list.selected = c.selected;
        ListClickResult result = f.click();
        EXPECT_EQ(result.selectColorEnabled, c.enabled) << c.name;
        EXPECT_EQ(result.selectedCurveRow, c.row) << c.name;
    }
}

TEST(ListClick, SelectedChildCountsAmongTickedChildlessEntries) {
    Fixture f;
    f.state.curveFormat = CurveFormat::Cur;
    f.list.entry(addSingle(f.list, "A.cur")).checked = true;
    int file = addMulti(f.list, "F.NRACD", 3);
    f.list.entry(file).checked = true; // collapsed: all three spindles follow
    f.list.selected = file + 2;
    ListClickResult result = f.click();
    EXPECT_EQ(result.selectedCurveRow, 3);
    EXPECT_EQ(result.selectColorEnabled, true);
}

} // namespace
} // namespace plotwise
