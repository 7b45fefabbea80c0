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

TEST(ResultTablePaging, PagesOfSmallAndLargeFiles) {
    struct Case {
        int lines;
        std::vector<std::string> pages; // after show, then after each next-page action
    };
    const Case cases[] = {
        {500, {"D1..D500"}},
        // A second page of one line ends at position 1000: no previous-page row.
        {1000, {"D1..D999 N", "D1000..D1000"}},
        {2500, {"D1..D999 N", "P D1000..D1998 N", "P D1999..D2500"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        MemoryFileSystem fs;
        fs.put("R.TSV", tableText(c.lines));
        ResultTable table = prepared();
        ASSERT_TRUE(table.show(fs, "R.TSV"));
        EXPECT_EQ(table.text(0, 3), "SEQ #");
        for (std::size_t page = 0; page < c.pages.size(); ++page) {
            if (page > 0) table.loadNext(fs, "R.TSV");
            EXPECT_EQ(shape(table), c.pages[page]) << "page " << page + 1;
        }
        // The page pass gives the same grid as the separate page turns.
        ResultTable pass = prepared();
        pass.show(fs, "R.TSV");
        pass.loadNextPages(fs, "R.TSV", static_cast<int>(c.pages.size()) - 1);
        EXPECT_EQ(shape(pass), c.pages.back());
        EXPECT_EQ(pass.linePosition(), table.linePosition());
        ResultTable last = prepared();
        last.show(fs, "R.TSV");
        last.loadLastPage(fs, "R.TSV");
        EXPECT_EQ(shape(last), c.pages.back());
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

TEST(ResultTablePaging, EmptyFirstFieldsAtThePageEndMoveToTheNextPage) {
    MemoryFileSystem fs;
    std::string text = kHeading + "\r\n";
    for (int i = 1; i <= 1200; ++i) {
        // Results of three lines: the first names the result, two continue it.
        const bool first = i % 3 == 0;
        text += (first ? "D" + std::to_string(i) : std::string()) + "\tx\t\t\t\t1\r\n";
    }
    fs.put("R.TSV", text);
    ResultTable table = prepared();
    table.show(fs, "R.TSV");
    // Line 1000 continues the result of line 999, which therefore opens page 2.
    EXPECT_EQ(table.linePosition(), 998);
    EXPECT_EQ(table.pageRows(), 998);
    EXPECT_EQ(table.text(table.rowCount() - 2, 0), "");
    EXPECT_EQ(table.text(table.rowCount() - 4, 0), "D996");
    table.loadNext(fs, "R.TSV");
    EXPECT_TRUE(table.isPageRow(1));
    EXPECT_EQ(table.text(2, 0), "D999");
}

TEST(ResultTableHeading, FoundByItsSixthFieldWhateverTheLineLengths) {
    MemoryFileSystem fs;
    // Short junk lines (one with five fields), a short heading, three results.
    fs.put("R.TSV", tableText(3, {"Result data", "a\tb\tc\td\te", "a\tb\tc\td\te\t\tg"}));
    ResultTable table = prepared();
    auto headings = table.show(fs, "R.TSV");
    ASSERT_TRUE(headings);
    EXPECT_EQ((*headings)[0], "Date");
    EXPECT_EQ(shape(table), "D1..D3");
    EXPECT_EQ(table.linePosition(), 3);
}

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

TEST(ResultTableHeading, WideLinesKeepFortyColumnsAndFamiliesFollowTheHeadings) {
    std::string wide = "Date\tTime\tID\tSEQ. #\tJudge\tStation\tPress #";
    for (int i = 7; i < 60; ++i) wide += "\tC" + std::to_string(i);
    MemoryFileSystem fs;
    fs.put("R.TSV", wide + "\r\n" + wide + "\r\n");
    ResultTable table = prepared();
    auto headings = table.show(fs, "R.TSV");
    ASSERT_TRUE(headings);
    EXPECT_EQ(headings->size(), static_cast<std::size_t>(ResultTable::kHeadingSlots));
    EXPECT_EQ(table.text(1, 39), "C39");
    EXPECT_EQ(table.text(1, 40), "");
    EXPECT_EQ(ResultTable::curveFileFamily(*headings), 3);

    struct Family {
        std::string column3, column6;
        int family;
    };
    for (const Family& f : {Family{"SEQ #", "", 1}, Family{"SEQ. #", "x", 1},
                            Family{"WORK No.", "", 2}, Family{"SEQ", "", 0},
                            Family{"WORK No.", "Press #", 3}})
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
