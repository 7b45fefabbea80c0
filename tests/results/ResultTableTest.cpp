// Paging and heading rules of the result table, and the chunked line reader
// under it.
#include "curvefiles/FileLineReader.h"
#include "results/ResultTable.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace plotwise {
namespace {

using test::MemoryFileSystem;

const std::string kHeading = "Date\tTime\tID\tSEQ #\tJudge\tSpindle\tTorque";

// A table file: `junk` lines, the heading, then data lines "D<i>\t..." for i = 1..n.
std::string tableText(int n, const std::vector<std::string>& junk = {}) {
    std::string text;
    for (const auto& line : junk) text += line + "\r\n";
    text += kHeading + "\r\n";
    for (int i = 1; i <= n; ++i) text += "D" + std::to_string(i) + "\t09:00:00\t\t" + std::to_string(i) + "\tOK\t1\t1.5\r\n";
    return text;
}

ResultTable prepared() {
    ResultTable table;
    table.setPageRowTexts(ResultTable::pageRowCells("PREVIOUS 1000 LINES"),
                          ResultTable::pageRowCells("NEXT 1000 LINES"));
    return table;
}

// The grid in short: "P" / "N" for page rows, the column-0 text of data rows,
// as ranges "first..last" of consecutive data lines.
std::string shape(const ResultTable& table) {
    std::string out;
    int first = -1, last = -1;
    auto flush = [&] {
        if (first < 0) return;
        out += "D" + std::to_string(first) + "..D" + std::to_string(last) + " ";
        first = last = -1;
    };
    for (int r = 1; r < table.rowCount(); ++r) {
        if (table.isPageRow(r)) {
            flush();
            out += table.text(r, 0)[0] == 'P' ? "P " : "N ";
            continue;
        }
        const int n = std::stoi(table.text(r, 0).substr(1));
        if (first >= 0 && n == last + 1) {
            last = n;
        } else {
            flush();
            first = last = n;
        }
    }
    flush();
    if (!out.empty()) out.pop_back();
    return out;
}

// The pages of small and large tables, as the next-page row turns them, are
// in the CLI golden files (data/edge-tables/, table-paging-*.txt). The page
// pass and the last page give the grid of the separate page turns.
TEST(ResultTablePaging, PagePassAndLastPageMatchThePageTurns) {
    for (const auto& [lines, nextPages] : {std::pair{500, 0}, {1000, 1}, {2500, 2}}) {
        SCOPED_TRACE(lines);
        MemoryFileSystem fs;
        fs.put("R.TSV", tableText(lines));
        ResultTable turns = prepared(), pass = prepared(), last = prepared();
        for (ResultTable* table : {&turns, &pass, &last}) ASSERT_TRUE(table->show(fs, "R.TSV"));
        for (int page = 0; page < nextPages; ++page) turns.loadNext(fs, "R.TSV");
        pass.loadNextPages(fs, "R.TSV", nextPages);
        last.loadLastPage(fs, "R.TSV");
        EXPECT_EQ(shape(pass), shape(turns));
        EXPECT_EQ(pass.linePosition(), turns.linePosition());
        EXPECT_EQ(shape(last), shape(turns));
    }
}

TEST(ResultTablePaging, PreviousReturnsToPageOneAndOverlapsFromPageThree) {
    MemoryFileSystem fs;
    fs.put("R.TSV", tableText(2500));
    ResultTable table = prepared();
    table.show(fs, "R.TSV");
    table.loadNext(fs, "R.TSV");
    table.loadPrev(fs, "R.TSV");
    EXPECT_EQ(shape(table), "D1..D999 N");
    table.loadNext(fs, "R.TSV");
    table.loadNext(fs, "R.TSV");
    ASSERT_EQ(shape(table), "P D1999..D2500");
    // The step back counts the earlier page as 1000 lines: it starts one early.
    table.loadPrev(fs, "R.TSV");
    EXPECT_EQ(shape(table), "P D999..D1997 N");
    EXPECT_EQ(table.markedRow(), 0);
}

// Results whose lines continue past a page end, a heading after junk lines
// and wide lines are in the CLI golden files too.
TEST(ResultTableHeading, FilesWithoutAHeadingShowAnEmptyTable) {
    for (const std::string& text : {std::string(), std::string("a\tb\r\nc\r\n")}) {
        MemoryFileSystem fs;
        fs.put("R.TSV", tableText(5));
        ResultTable table = prepared();
        table.show(fs, "R.TSV");
        fs.put("R.TSV", text);
        EXPECT_FALSE(table.show(fs, "R.TSV"));
        EXPECT_EQ(table.rowCount(), 1);
        EXPECT_EQ(table.text(0, 0), ""); // nothing of the earlier table stays
    }
    MemoryFileSystem none;
    ResultTable table = prepared();
    EXPECT_FALSE(table.show(none, "MISSING.TSV"));
    EXPECT_EQ(table.rowCount(), 1);
}

TEST(ResultTableHeading, FamiliesFollowTheHeadings) {
    struct Family {
        std::string column3, column6;
        int family;
    };
    for (const Family& f : {Family{"SEQ #", "", 1}, Family{"SEQ. #", "x", 1},
                            Family{"WORK No.", "", 2}, Family{"SEQ", "", 0},
                            Family{"WORK No.", "Press #", 3}, Family{"SEQ. #", "Press #", 3}})
        EXPECT_EQ(ResultTable::curveFileFamily({"", "", "", f.column3, "", "", f.column6}), f.family)
            << f.column3 << "/" << f.column6;
}

TEST(FileLineReader, LineEndsAcrossChunkBoundaries) {
    const std::string text = "ab\r\ncd\ref\n\r\nlast";
    MemoryFileSystem fs;
    fs.put("T", text);
    for (std::size_t chunk : {2, 3, 4, 5, 64}) {
        SCOPED_TRACE(chunk);
        FileLineReader reader(fs, "T", chunk);
        std::vector<std::string> lines;
        while (auto line = reader.next()) lines.emplace_back(*line);
        EXPECT_EQ(lines, (std::vector<std::string>{"ab", "cd", "ef", "", "last"}));
        EXPECT_FALSE(reader.failed());
    }
    FileLineReader missing(fs, "NONE");
    EXPECT_FALSE(missing.next());
    EXPECT_TRUE(missing.failed());
}

} // namespace
} // namespace plotwise
