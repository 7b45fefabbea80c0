#include "shell/ListClick.h"

#include "curvelist/CurveListBuilder.h"
#include "curvelist/SpindleColors.h"
#include "support/CaseFile.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>


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
// The peak of the last row decides whether loads are in newton.
TEST(ListClick, TicksDecideRowsSelectColorAndLoadUnit) {
    for (const auto& [line, row] : test::readCases(PLOTWISE_TESTDATA_DIR "/list_ticks.txt")) {
        Fixture f;
        f.table.setRowCount(5);
        for (std::size_t i = 5; i < row.size(); ++i) {
            const std::string& item = row[i];
            const auto colon = item.find(':'), slash = item.find('/');
            if (colon != std::string::npos) {
                const int entry = std::stoi(item.substr(colon + 1));
                item[0] == 's' ? void(f.list.selected = entry) : void(f.list.entry(entry).checked = item[0] == 'x');
            } else if (slash != std::string::npos) {
                const bool ticked = item[0] == '+';
                f.multi(item.substr(ticked, slash - ticked), item[slash + 1] - '0', item.back() == 'e', ticked);
            } else {
                const auto at = item.find('@'); // a peak other than 25.34
                f.single(item.substr(item[0] == '-', at - (item[0] == '-')), item[0] != '-',
                         at == std::string::npos ? "25.34" : item.substr(at + 1));
            }
        }
        f.state.loadInNewton = row[4] == "0"; // the click is to change it
        ListClickResult result = f.click();
        std::string rows;
        for (const std::string& cells : f.cells({0, 1, kMark})) rows += (rows.empty() ? "" : ";") + cells;
        EXPECT_EQ(rows, row[1]) << line;
        EXPECT_EQ(result.curveRows, static_cast<int>(f.cells({0}).size())) << line;
        const std::optional<bool> color = row[2] == "-" ? std::nullopt : std::optional(row[2] == "1");
        EXPECT_EQ(result.selectColorEnabled, color) << line;
        EXPECT_EQ(result.selectedCurveRow, std::stoi(row[3])) << line;
        if (row[4] != "-") {
            EXPECT_EQ(f.state.loadInNewton, row[4] == "1") << line;
        }
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

} // namespace
} // namespace plotwise
