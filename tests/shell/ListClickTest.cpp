#include "shell/ListClick.h"

#include "curvelist/CurveListBuilder.h"
#include "curvelist/SpindleColors.h"
#include "support/CurveFileText.h"
#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace plotwise {
namespace {

using Rows = std::vector<std::string>;
constexpr std::uint32_t kRed = 255;
constexpr int kMark = -1; // a column of cells(): "red" when column 1 carries the red mark

// A .NRACD file of five spindles and three samples; spindle j has interval
// tag*10+j and samples "tag.j.i".
std::string multiFile(int tag) {
    std::string file = "SPNO\t1\t2\t3\t4\t5\r\nYPeak" + std::string(5, '\t') + "\r\nInterval";
    for (int j = 1; j <= 5; ++j)
        file += "\t" + std::to_string(tag * 10 + j);
    file += "\r\nWaveData";
    for (int i = 1; i <= 3; ++i) {
        file += "\r\n" + std::to_string(i);
        for (int j = 1; j <= 5; ++j)
            file += "\t" + std::to_string(tag) + "." + std::to_string(j) + "." + std::to_string(i);
    }
    return file + "\r\n";
}

struct Fixture {
    CurveList list;
    LoadedCurveTable table;
    LoadState state;
    test::MemoryFileSystem fs;

    explicit Fixture(int format = CurveFormat::Cur) { state.curveFormat = format; }

    int single(const std::string& name, bool ticked = true, const std::string& peak = "25.34") {
        int e = list.appendRoot(
            singleCurveEntryText("2026-11-05 07:42:18\t" + name + "\t" + peak + "\t412.5\tN/R"));
        list.entry(e).checked = ticked;
        return e;
    }
    void singles(std::initializer_list<bool> ticks) {
        int i = 0;
        for (bool ticked : ticks)
            single("C" + std::to_string(i++) + ".cur", ticked);
    }
    // A multi-spindle file entry with spindle entries 1..n; returns the file entry.
    int multi(const std::string& name, int spindles, bool expanded, bool ticked = false) {
        int file = list.appendRoot(name);
        list.entry(file).expanded = expanded;
        list.entry(file).checked = ticked;
        for (int s = 1; s <= spindles; ++s) {
            int child = list.appendChild(
                file, spindleEntryText(false, s, "48.6" + std::to_string(s), false, "486.5"));
            list.entry(child).textColor = Pallet(s);
        }
        return file;
    }
    ListClickResult click() {
        return applyListTicks(list, table, state, LoadContext{fs, "mem", false});
    }
    // Per curve row the given columns joined by "|".
    Rows cells(std::initializer_list<int> columns) const {
        Rows out;
        for (int row = 1; row < table.rowCount(); ++row) {
            std::string line;
            for (int column : columns)
                line += (line.empty() ? "" : "|") + (column != kMark ? table.text(row, column)
                                                     : table.textColor(row, 1) == kRed
                                                         ? std::string("red")
                                                         : std::string());
            out.push_back(line);
        }
        return out;
    }
};

TEST(CurveRowText, FieldsCutFromEveryEntryLayout) {
    struct Row {
        const char* name;
        std::string path, text;
    } rows[] = {
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
    for (const Row& row : rows)
        EXPECT_EQ(curveRowText(row.path), row.text) << row.name;
}

TEST(ListClick, TicksDecideRowsAndSelectColor) {
    struct Row {
        const char* name;
        std::function<void(Fixture&)> setup;
        Rows rows;
        std::optional<bool> selectColor; // nullopt: left as it was
        int selectedRow = 0;
    } rows[] = {
        // clang-format off
        {"empty list", [](Fixture&) {}, {}, std::nullopt},
        {"collapsed ticked parent ticks its children",
         [](Fixture& f) { f.list.entry(f.multi("F.NRACD", 3, false, true) + 2).checked = false; },
         {"F.NRACD| 1|", "F.NRACD| 2|", "F.NRACD| 3|red"}, false},
        {"collapsed unticked parent unticks its children",
         [](Fixture& f) { int file = f.multi("F.NRACD", 2, false);
                          f.list.entry(file + 1).checked = f.list.entry(file + 2).checked = true; },
         {}, std::nullopt},
        {"expanded parent leaves its children alone",
         [](Fixture& f) { f.list.entry(f.multi("F.NRACD", 3, true, true) + 2).checked = true; },
         {"F.NRACD| 2|red"}, false},
        {"Max names and unticked entries give no row",
         [](Fixture& f) { for (const char* name : {"Max_torque.cur", "MaxB.cur", "max_c.cur"})
                              f.single(name);
                          f.single("D.cur", false); },
         {"max_c.cur|  |red"}, false},
        {"red mark on the last row of each file",
         [](Fixture& f) { f.multi("A.NRACD", 3, false, true); f.single("S.cur");
                          f.multi("B.NRACD", 2, false, true); },
         {"A.NRACD| 1|", "A.NRACD| 2|", "A.NRACD| 3|red", "S.cur|  |red", "B.NRACD| 1|",
          "B.NRACD| 2|red"}, false},
        {"selected ticked last",
         [](Fixture& f) { f.singles({true, false, true, true}); f.list.selected = 3; },
         {"C0.cur|  |red", "C2.cur|  |red", "C3.cur|  |red"}, true, 3},
        {"selected ticked first",
         [](Fixture& f) { f.singles({true, true, false}); f.list.selected = 0; },
         {"C0.cur|  |red", "C1.cur|  |red"}, true, 1},
        {"selected unticked",
         [](Fixture& f) { f.singles({true, true, false}); f.list.selected = 2; },
         {"C0.cur|  |red", "C1.cur|  |red"}, false},
        {"selected, nothing ticked",
         [](Fixture& f) { f.singles({false, false}); f.list.selected = 1; }, {}, std::nullopt},
        {"selected spindle of a collapsed file",
         [](Fixture& f) { f.single("A.cur");
                          f.list.selected = f.multi("F.NRACD", 3, false, true) + 2; },
         {"A.cur|  |red", "F.NRACD| 1|", "F.NRACD| 2|", "F.NRACD| 3|red"}, true, 3},
        // clang-format on
    };
    for (const Row& row : rows) {
        Fixture f;
        f.table.setRowCount(5);
        row.setup(f);
        ListClickResult result = f.click();
        EXPECT_EQ(f.cells({0, 1, kMark}), row.rows) << row.name;
        EXPECT_EQ(result.curveRows, static_cast<int>(row.rows.size())) << row.name;
        EXPECT_EQ(result.selectColorEnabled, row.selectColor) << row.name;
        EXPECT_EQ(result.selectedCurveRow, row.selectedRow) << row.name;
    }
}

TEST(ListClick, RowsCarryTheEntryFieldsAtMost86) {
    Fixture f;
    f.list.entry(f.multi("F.NRACD", 2, true) + 2).checked = true;
    for (int i = 0; i < 90; ++i)
        f.single("C" + std::to_string(100 + i) + ".cur");
    EXPECT_EQ(f.click().curveRows, 86);
    Rows rows = f.cells({0, 2, 3});
    ASSERT_EQ(rows.size(), 86u);
    EXPECT_EQ(rows[0], "F.NRACD|   48.62| 486.5");
    EXPECT_EQ(rows[1], "C100.cur| 25.34  |    412.5");
    EXPECT_EQ(rows[85], "C184.cur| 25.34  |    412.5");
    EXPECT_EQ(f.table.textColor(1, 2), Pallet(2)); // the entry's colour on the peak
    EXPECT_FALSE(f.table.textColor(2, 2).has_value());
}

TEST(ListClick, LastRowDecidesLoadInNewton) {
    struct Row {
        std::vector<std::string> peaks;
        bool newton;
    } rows[] = {
        {{"25.34"}, false}, {{"250"}, true}, {{"250", "25.5"}, false}, {{"2.5", "2500"}, true}};
    for (const Row& row : rows) {
        Fixture f;
        f.state.loadInNewton = !row.newton;
        for (std::size_t i = 0; i < row.peaks.size(); ++i)
            f.single("C" + std::to_string(i) + ".cur", true, row.peaks[i]);
        f.click();
        EXPECT_EQ(f.state.loadInNewton, row.newton) << row.peaks.back();
    }
}

TEST(ListClick, LoadersFillTheRows) {
    // A keyed file's rows load by its own kind, whatever kind was scanned
    // last (a folder of mixed kinds); rows of other files load nothing.
    for (int format : {CurveFormat::NrCur, CurveFormat::Cur, CurveFormat::NrAcd}) {
        Fixture f(format);
        f.fs.put("A.nrcur", test::keyedSingleFile(10, {"SPNO\t3", "WavePoint\t2", "Interval\t7"},
                                                  {"0.5", "1.0"}));
        f.fs.put("B.cur", "2\r\n1234\r\n356\r\n");
        f.single("A.nrcur");
        f.single("B.cur");
        f.click();
        EXPECT_EQ(f.cells({1, 4, 5, 6}), (Rows{"3|2|7|1.0", "  |||"})) << format;
    }
    Fixture f(CurveFormat::NrAcd); // the spindle rows start afresh for every file
    f.fs.put("F1.NRACD", multiFile(1));
    f.fs.put("F2.NRACD", multiFile(2));
    int f1 = f.multi("F1.NRACD", 5, true);
    int f2 = f.multi("F2.NRACD", 5, true);
    for (int entry : {f1 + 2, f1 + 5, f2 + 2})
        f.list.entry(entry).checked = true;
    f.click();
    EXPECT_EQ(f.cells({4, 5, 6}), (Rows{" 3|12|1.2.2", " 3|15|1.5.2", " 3|22|2.2.2"}));
}

} // namespace
} // namespace plotwise
