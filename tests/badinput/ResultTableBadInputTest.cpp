// Bad result tables: the table shows an empty page where no heading line is
// found, page turns and result clicks stay inside the table.
#include "BadBytes.h"
#include "results/ResultClick.h"
#include "results/ResultTable.h"
#include "support/MemoryTree.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

namespace bad = test::bad;

constexpr const char* kFolder = "/plant/RESULT/202611";
constexpr const char* kTable = "/plant/RESULT/202611/t.tsv";

const std::string kHeading = "Date\tTime\tSerial No.\tWORK No.\tJudge\tSpindle\tTorque[Nm]\r\n";
const std::string kLine = "2026/11/05\t09:07:03\t\t3\tOK\t1\t32.37\r\n";

std::string lines(int count, const std::string& line = kLine) {
    std::string out;
    for (int i = 0; i < count; ++i) out += line;
    return out;
}

struct Case {
    const char* name;
    std::function<std::string()> bytes;
    bool shown;   // a heading line was found
    int rows;     // grid rows after TABLESHOW, heading row included
};

// TABLESHOW, then every page turn and a click on every row, as the window
// would run them; returns the rows TABLESHOW left.
int showTurnAndClick(test::MemoryTree& fs, bool& shown) {
    ResultTable table;
    table.setPageRowTexts(ResultTable::pageRowCells("PREVIOUS"), ResultTable::pageRowCells("NEXT"));
    std::optional<std::vector<std::string>> headings;
    headings = table.show(fs, kTable);
    shown = headings.has_value();
    const int rows = table.rowCount();
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
    EXPECT_GE(table.rowCount(), 1);
    return rows;
}

TEST(ResultTableBadInput, TableShowAndPageTurns) {
    const std::vector<Case> cases = {
        {"valid", [] { return "ST02 result\r\n" + kHeading + lines(3); }, true, 4},
        {"LF-only line ends", [] { return bad::withLineEnds("ST02\r\n" + kHeading + lines(3), "\n"); }, true, 4},
        {"CR-only line ends", [] { return bad::withLineEnds("ST02\r\n" + kHeading + lines(3), "\r"); }, true, 4},
        {"heading only", [] { return kHeading; }, true, 1},
        {"empty", bad::empty, false, 1},
        {"one byte", bad::oneByte, false, 1},
        {"random bytes", bad::randomBytes, false, 1},
        {"NULs", bad::nuls, false, 1},
        {"50 MiB line without an end", bad::hugeLine, false, 1},
        {"1 MiB lines", bad::megabyteLines, false, 1},
        // The sixth field of a line of TABs is empty: no heading line.
        {"5000 TABs", bad::manyTabs, false, 1},
        {"5000 commas", bad::manyCommas, false, 1},
        {"5000 TABs after the heading", [] { return kHeading + std::string(5000, '\t') + "\r\n"; }, true, 2},
        {"1 MiB lines after the heading", [] { return kHeading + bad::megabyteLines(); }, true, 13},
        {"50 MiB line after the heading", [] { return kHeading + bad::hugeLine(); }, true, 2},
        {"2500 lines", [] { return kHeading + lines(2500); }, true, 1001},
        // Empty first fields at the end of a full page are dropped: only the
        // next-page row is left.
        {"2500 empty lines", [] { return kHeading + lines(2500, "\r\n"); }, true, 2},
        {"NULs after the heading", [] { return kHeading + bad::nuls(); }, true, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::MemoryTree fs;
        fs.addFolder("/plant/CURVE/202611/20261105/ST02");
        fs.put(kTable, c.bytes());
        bool shown = false;
        const int rows = showTurnAndClick(fs, shown);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(rows, c.rows);
    }
}

TEST(ResultTableBadInput, MissingTableShowsAnEmptyPage) {
    test::MemoryTree fs;
    fs.addFolder(kFolder);
    ResultTable table;
    EXPECT_FALSE(table.show(fs, kTable));
    EXPECT_EQ(table.rowCount(), 1);
    table.loadNext(fs, kTable);
    table.loadPrev(fs, kTable);
    table.loadLastPage(fs, kTable);
    EXPECT_EQ(table.rowCount(), 1);
}

// The table cut at every line of its head.
TEST(ResultTableBadInput, CutAtEveryHeadLine) {
    const std::string whole = "ST02 result\r\n" + kHeading + lines(2);
    for (int cut = 0; cut <= 4; ++cut) {
        SCOPED_TRACE(cut);
        test::MemoryTree fs;
        fs.put(kTable, bad::firstLines(whole, cut));
        bool shown = false;
        const int rows = showTurnAndClick(fs, shown);
        EXPECT_EQ(shown, cut >= 2);
        EXPECT_EQ(rows, cut >= 2 ? cut - 1 : 1);
    }
}

// Result lines whose date, time or identification are malformed name no
// curve file, and the head readers survive any curve file.
TEST(ResultTableBadInput, ClickOnMalformedLines) {
    const std::string rowsText[] = {
        "2026/11/05\t09:07\t\t3\tOK\t1\r\n",           // short time
        "26/11/05\t09:07:03\t\t3\tOK\t1\r\n",          // short date
        "2026/11/05\t09:07:03\t*/:<>?\\|\t3\tOK\t1\r\n", // identification of only forbidden characters
        "2026/11/05\t09:07:03\t\t1e308\tOK\t1\r\n",    // huge number
        "\t\t\t\t\t\r\n",                             // blank
    };
    for (const std::string& row : rowsText) {
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
    for (const std::string* bytes : {&bad::empty(), &bad::nuls(), &bad::manyTabs(), &bad::megabyteLines()}) {
        (void)readSingleCurveHead(*bytes);
        LoadedCurveTable grid1;
        std::array<int, 32> rows{};
        (void)fillGrid1FromMultiCurve(*bytes, "/c/x.nracd", grid1, defaultSpindleColors(), rows);
        EXPECT_EQ(grid1.rowCount(), 1);
    }
}

} // namespace
} // namespace plotwise
