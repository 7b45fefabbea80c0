#include "shell/ListClick.h"

#include "curvelist/CurveListBuilder.h"
#include "curvelist/SpindleColors.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>

#include <functional>

namespace plotwise {
namespace {

using Rows = std::vector<std::string>;
constexpr std::uint32_t kRed = 255;
constexpr int kMark = -1; // a column of cells(): "red" when column 1 carries the red mark

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

// The row texts of every entry layout, and the loaders that fill the rows of
// every kind in a folder of mixed kinds, are in the CLI golden grid-all.txt.
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

} // namespace
} // namespace plotwise
