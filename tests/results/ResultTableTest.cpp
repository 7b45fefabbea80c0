// Paging and heading rules of the result table, and the chunked line reader
// under it.
#include "curvefiles/FileLineReader.h"
#include "results/ResultTable.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace plotwise {
namespace {

using test::MemoryFileSystem;

// A table file: the heading, then data lines "D<i>\t..." for i = 1..n.
std::string tableText(int n) {
    std::string text = "Date\tTime\tID\tSEQ #\tJudge\tSpindle\tTorque\r\n";
    for (int i = 1; i <= n; ++i) text += "D" + std::to_string(i) + "\t09:00:00\t\t" + std::to_string(i) + "\tOK\t1\t1.5\r\n";
    return text;
}

ResultTable prepared() {
    ResultTable table;
    table.setPageRowTexts(ResultTable::pageRowCells("PREVIOUS 1000 LINES"), ResultTable::pageRowCells("NEXT 1000 LINES"));
    return table;
}

// The grid in short: "P" / "N" for the page rows around the data rows,
// shown as "<first>..<last>/<count>" of their column 0.
std::string shape(const ResultTable& table) {
    int from = 1, to = table.rowCount() - 1;
    const bool previous = table.isPageRow(from), next = to > from && table.isPageRow(to);
    from += previous, to -= next;
    return (previous ? "P " : "") + table.text(from, 0) + ".." + table.text(to, 0) + "/" +
           std::to_string(to - from + 1) + (next ? " N" : "");
}

// The pages of small and large tables, as the next-page row turns them, are
// in the CLI golden files (data/edge-tables/, table-paging-*.txt), as are
// results whose lines continue past a page end, headings after junk lines
// and wide lines. The page pass and the last page give the grid of the
// separate page turns; the step back returns to page one and, from page
// three, counts the earlier page as 1000 lines: it starts one early.
TEST(ResultTable, PagesTurnAndFilesWithoutAHeadingShowAnEmptyTable) {
    MemoryFileSystem fs;
    for (const auto& [lines, nextPages] : {std::pair{500, 0}, {1000, 1}, {2500, 2}}) {
        SCOPED_TRACE(lines);
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
    ResultTable table = prepared();
    ASSERT_TRUE(table.show(fs, "R.TSV"));
    table.loadNext(fs, "R.TSV");
    table.loadPrev(fs, "R.TSV");
    EXPECT_EQ(shape(table), "D1..D999/999 N");
    table.loadNext(fs, "R.TSV");
    table.loadNext(fs, "R.TSV");
    ASSERT_EQ(shape(table), "P D1999..D2500/502");
    table.loadPrev(fs, "R.TSV");
    EXPECT_EQ(shape(table), "P D999..D1997/999 N");
    EXPECT_EQ(table.markedRow(), 0);

    // A file that is empty, has no heading or is missing leaves an empty
    // table: nothing of the earlier table stays.
    for (const char* text : {"", "a\tb\r\nc\r\n", "missing"}) {
        ASSERT_TRUE(table.show(fs, "R.TSV"));
        fs.put("E.TSV", text);
        EXPECT_FALSE(table.show(fs, text == std::string("missing") ? "MISSING.TSV" : "E.TSV")) << text;
        EXPECT_EQ(table.rowCount(), 1);
        EXPECT_EQ(table.text(0, 0), "");
    }
}

TEST(ResultTableHeading, FamiliesFollowTheHeadings) {
    for (const auto& [column3, column6, family] :
         {std::tuple{"SEQ #", "", 1}, {"SEQ. #", "x", 1}, {"WORK No.", "", 2}, {"SEQ", "", 0},
          {"WORK No.", "Press #", 3}, {"SEQ. #", "Press #", 3}})
        EXPECT_EQ(ResultTable::curveFileFamily({"", "", "", column3, "", "", column6}), family) << column3 << "/" << column6;
}

TEST(FileLineReader, LineEndsAcrossChunkBoundaries) {
    MemoryFileSystem fs;
    fs.put("T", "ab\r\ncd\ref\n\r\nlast");
    for (std::size_t chunk : {2, 3, 4, 5, 64}) {
        FileLineReader reader(fs, "T", chunk);
        std::string lines;
        while (auto line = reader.next()) lines += std::string(*line) + "|";
        EXPECT_EQ(lines, "ab|cd|ef||last|") << chunk;
        EXPECT_FALSE(reader.failed());
    }
    FileLineReader missing(fs, "NONE");
    EXPECT_TRUE(!missing.next() && missing.failed());
}

} // namespace
} // namespace plotwise
