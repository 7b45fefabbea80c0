// The result-line click apart from the window: the walk to the result's first
// row, the key it builds, and what it reads from the curve file found.
#include "results/ResultClick.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>

#include <tuple>

namespace plotwise {
namespace {

ResultTable tableOf(const std::string& rows) {
    test::MemoryFileSystem fs;
    fs.put("R.TSV", "Date\tTime\tID\tSEQ #\tJudge\tSpindle\r\n" + rows);
    ResultTable table;
    table.show(fs, "R.TSV");
    return table;
}

TEST(ResultRowPick, WalksUpToTheResultsFirstRowAndMarksIt) {
    const std::string tables[] = {
        // The first row has no date: the walk stops at row 1.
        "\t\t\t\t\t1\r\n\t\t\t\t\t2\r\n",
        "2026/11/05\t08:02:11\tENG:4711\t7\tOK\t1\r\n\t\t\t\t\t3\r\n2026/11/05\t08:05:00\t\t11\tOK\t1\r\n"
        "2026/11/05\t08:05:00\tA/B<C>|D*E?F\\G\t12\tOK\t1\r\n  \t08:09:00\t\t\t\t2\r\n\t\t\t\t\t5\r\n"};
    // table, row clicked, row marked, key: date|time|S|ID|number
    const std::tuple<int, int, int, const char*> cases[] = {
        {0, 2, 1, "||0||000"},
        {1, 2, 1, "2026/11/05|08:02:11|0|ENG4711|007"},
        {1, 1, 1, "2026/11/05|08:02:11|0|ENG4711|007"},
        // Same time as the result above: S is "1"; the ID loses the eight
        // characters a file name cannot hold.
        {1, 6, 4, "2026/11/05|08:05:00|1|ABCDEFG|012"},
    };
    ResultTable table;
    int shown = -1;
    for (const auto& [index, clicked, marked, expected] : cases) {
        if (index != shown) table = tableOf(tables[shown = index]);
        const ResultRowPick pick = pickResultRow(table, clicked);
        EXPECT_EQ(std::pair(pick.markedRow, table.markedRow()), std::pair(marked, marked)) << clicked;
        EXPECT_EQ(table.shade(marked), ResultTable::Shade::Highlight);
        const ResultLineKey& k = pick.key;
        EXPECT_EQ(k.date + "|" + k.time + "|" + k.sec + "|" + k.id + "|" + k.parameter, expected) << clicked;
    }
    // The formerly marked row gets the window colour back.
    EXPECT_EQ(table.shade(1), ResultTable::Shade::Window);
    EXPECT_EQ(cleanIdentification("A:B\tC\x7f\xe9 D"), "ABC\x7f D");
}

// Single-spindle heads read into the result entry; lines the file does not
// have read as empty.
TEST(ResultCurveHead, HeadsFillTheResultEntryAndGrid1) {
    const ResultCurveHead head = readSingleCurveHead("SPNO\t1\r\nYPeak\t32.374\r\nXPeak\t393.46\r\nUnit\t2\r\n");
    EXPECT_EQ(head.y + " " + head.x + " " + std::to_string(*head.unit), "32.374 393.46 2");
    EXPECT_EQ(resultEntryText("/c/F.nrcur", head), "/c/F.nrcur Torque 32.37           Angle    393.5N/R");
    const ResultCurveHead empty = readSingleCurveHead("");
    EXPECT_EQ(resultEntryText("F", empty), "F Torque            Angle    N/R");
    EXPECT_FALSE(empty.unit);

    // Multi-spindle heads fill one Grid1 row per spindle.
    LoadedCurveTable grid1;
    grid1.appendRow(); // an earlier curve: replaced
    const SpindleColors colors = defaultSpindleColors();
    std::array<int, 32> rows{};
    const ResultCurveHead multi = fillGrid1FromMultiCurve(
        "SPNO\t1\t3\r\nYPeak\t8.67\t8.77\r\nXPeak\t522.5\t523.5\r\nUnit\t0\t1\r\n",
        "/data/CURVE/202611/20261105/ST01/20261105_080211_0.nracd", grid1, colors, rows);
    ASSERT_EQ(grid1.rowCount(), 3);
    EXPECT_EQ(grid1.text(1, 0), "20261105_080211_0.nracd"); // the last 23 characters
    EXPECT_EQ(grid1.text(2, 1) + " " + grid1.text(2, 2) + " " + grid1.text(2, 3), "3 8.77 523.5");
    EXPECT_EQ(grid1.textColor(2, 2), colors[1]); // by row position
    // Spindle column 2 (spindle 3) goes to Grid1 row 2; the head is the last spindle's.
    EXPECT_EQ((std::vector<int>{rows[0], rows[1], rows[2]}), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(multi.y + " " + multi.x + " " + std::to_string(*multi.unit), "8.77 523.5 1");
    // Malformed heads do not break the click: no row beyond the grid.
    std::string wide = "SPNO";
    for (int i = 1; i <= 60; ++i) wide += "\t" + std::to_string(i);
    for (const std::string& bytes : {std::string(), std::string("SPNO"), std::string("YPeak\t9\r\n"),
                                     wide + "\r\nYPeak" + wide.substr(4) + "\r\n"}) {
        rows.fill(0);
        fillGrid1FromMultiCurve(bytes, "x.nracd", grid1, colors, rows);
        EXPECT_LE(grid1.rowCount(), 33);
        for (int row : rows) EXPECT_LT(row, grid1.rowCount());
    }
}

} // namespace
} // namespace plotwise
