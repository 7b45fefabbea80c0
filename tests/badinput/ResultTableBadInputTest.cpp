// Bad result tables: the table shows an empty page where no heading line is
// found, page turns and result clicks stay inside the table.
#include "BadBytes.h"
#include "results/ResultClick.h"
#include "results/ResultTable.h"
#include "support/MemoryTree.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

constexpr const char* kFolder = "/plant/RESULT/202611";
constexpr const char* kTable = "/plant/RESULT/202611/t.tsv";

const std::string kHeading = "Date\tTime\tSerial No.\tWORK No.\tJudge\tSpindle\tTorque[Nm]\r\n";

std::string lines(int count, const std::string& line = "2026/11/05\t09:07:03\t\t3\tOK\t1\t32.37\r\n") {
    std::string out;
    for (int i = 0; i < count; ++i) out += line;
    return out;
}

// TABLESHOW, then a click on every row and every page turn, as the window
// would run them. Expects whether a heading line was found and the grid rows
// TABLESHOW left, heading row included; an empty page stays empty.
void expectShown(const std::string& name, const std::optional<std::string>& bytes, bool shown, int rows) {
    SCOPED_TRACE(name);
    test::MemoryTree fs;
    fs.addFolder("/plant/CURVE/202611/20261105/ST02");
    if (bytes) fs.put(kTable, *bytes);
    ResultTable table;
    table.setPageRowTexts(ResultTable::pageRowCells("PREVIOUS"), ResultTable::pageRowCells("NEXT"));
    const auto headings = table.show(fs, kTable);
    EXPECT_EQ(headings.has_value(), shown);
    EXPECT_EQ(table.rowCount(), rows);
    const int family = headings ? ResultTable::curveFileFamily(*headings) : 2;
    for (int row = 1; row < table.rowCount(); ++row) {
        if (table.isPageRow(row)) continue;
        const ResultRowPick pick = pickResultRow(table, row);
        EXPECT_EQ(CF_Curve_Path(pick.key, family, {kFolder, "/elsewhere", "/plant/WAVE"}, fs), "");
    }
    table.loadNext(fs, kTable);
    table.loadPrev(fs, kTable);
    table.loadNextPages(fs, kTable, 3);
    table.loadLastPage(fs, kTable);
    table.loadPrev(fs, kTable);
    EXPECT_TRUE(shown ? table.rowCount() >= 1 : table.rowCount() == 1) << table.rowCount();
}

TEST(ResultTableBadInput, TableShowAndPageTurns) {
    // The sixth field of a line of TABs is empty: no heading line in any.
    for (const test::BadInput& input : test::badInputs()) expectShown(input.name, input.bytes, false, 1);
    expectShown("no table", std::nullopt, false, 1);
    const std::string head = "ST02 result\r\n" + kHeading;
    expectShown("valid", head + lines(3), true, 4);
    expectShown("LF-only line ends", test::withLineEnds(head + lines(3), "\n"), true, 4);
    expectShown("CR-only line ends", test::withLineEnds(head + lines(3), "\r"), true, 4);
    expectShown("heading only", kHeading, true, 1);
    expectShown("5000 TABs after the heading", kHeading + std::string(5000, '\t') + "\r\n", true, 2);
    expectShown("1 MiB lines after the heading", kHeading + test::badBytes("1 MiB lines"), true, 13);
    expectShown("50 MiB line after the heading", kHeading + test::badBytes("50 MiB line without an end"), true, 2);
    expectShown("2500 lines", kHeading + lines(2500), true, 1001);
    // Empty first fields at the end of a full page are dropped: only the
    // next-page row is left.
    expectShown("2500 empty lines", kHeading + lines(2500, "\r\n"), true, 2);
    expectShown("NULs after the heading", kHeading + test::badBytes("NULs"), true, 2);
    // The table cut at every line of its head.
    for (int cut = 0; cut <= 4; ++cut)
        expectShown("cut", test::firstLines(head + lines(2), cut), cut >= 2, cut >= 2 ? cut - 1 : 1);
}

// Result lines whose date, time or identification are malformed name no
// curve file, and the head readers survive any curve file.
TEST(ResultTableBadInput, ClickOnMalformedLines) {
    for (const char* row : {"2026/11/05\t09:07\t\t3\tOK\t1\r\n",            // short time
                            "26/11/05\t09:07:03\t\t3\tOK\t1\r\n",           // short date
                            "2026/11/05\t09:07:03\t*/:<>?\\|\t3\tOK\t1\r\n", // only forbidden characters
                            "2026/11/05\t09:07:03\t\t1e308\tOK\t1\r\n",     // huge number
                            "\t\t\t\t\t\r\n"}) {
        SCOPED_TRACE(row);
        test::MemoryTree fs;
        fs.put("/plant/CURVE/202611/20261105/ST02/20261105_090703_0_01.nrcur", "x");
        fs.put(kTable, kHeading + row);
        ResultTable table;
        ASSERT_TRUE(table.show(fs, kTable));
        ASSERT_EQ(table.rowCount(), 2);
        const ResultRowPick pick = pickResultRow(table, 1);
        for (int family : {0, 1, 2, 3, 4, -1})
            EXPECT_EQ(CF_Curve_Path(pick.key, family, {kFolder, kFolder, "/plant/WAVE"}, fs), "");
    }
    for (const char* name : {"empty", "NULs", "5000 TABs", "1 MiB lines"}) {
        (void)readSingleCurveHead(test::badBytes(name));
        LoadedCurveTable grid1;
        std::array<int, 32> rows{};
        (void)fillGrid1FromMultiCurve(test::badBytes(name), "/c/x.nracd", grid1, defaultSpindleColors(), rows);
        EXPECT_EQ(grid1.rowCount(), 1) << name;
    }
}

} // namespace
} // namespace plotwise
