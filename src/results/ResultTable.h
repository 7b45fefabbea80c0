#pragma once
// The result table Grid2: a heading row and one page of at most 1000 result
// lines of a ".TSV" file, with merged page rows to turn the pages.
#include "curvefiles/FileSystem.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plotwise {

class FileLineReader;

class ResultTable {
public:
    static constexpr int kColumns = 40;
    static constexpr int kPageLines = 1000;
    static constexpr int kHeadingSlots = 46;
    static constexpr int kStartWidth = 960; // twips
    static constexpr int kAlignCentre = 5;
    static constexpr int kAlignLeft = 1;

    // Background of a row's cells: as drawn by default, the window colour
    // (a formerly marked row) or the highlight of the marked result.
    enum class Shade { Default, Window, Highlight };

    ResultTable();

    // ---- the grid ----
    int rowCount() const { return static_cast<int>(rows_.size()); }
    // Cell text; "" outside the table.
    const std::string& text(int row, int column) const;
    // A merged page row (previous or next page).
    bool isPageRow(int row) const;
    // The last row is a next-page row.
    bool hasNextPageRow() const;
    Shade shade(int row) const;
    void setShade(int row, Shade shade);
    int columnWidth(int column) const;
    void setColumnWidth(int column, int twips);
    int columnAlignment(int column) const;
    void setColumnAlignment(int column, int code);
    // Every cell cleared and the rows cut back to the heading row.
    void clear();
    // Changes whenever the rows are replaced (a new table or page).
    std::uint64_t contentVersion() const { return version_; }

    // The label cells of the page rows, TAB-separated (as built at start-up).
    void setPageRowTexts(std::string previous, std::string next);
    // A page row's cells: the label once more often than there are columns.
    static std::string pageRowCells(const std::string& label);

    // ---- paging state ----
    // Data lines of the file that lie before the end of the page now shown.
    std::int64_t linePosition() const { return linePosition_; }
    void setLinePosition(std::int64_t position) { linePosition_ = position; }
    // Data rows the last page load left in the grid.
    std::int64_t pageRows() const { return pageRows_; }
    int markedRow() const { return markedRow_; }
    void setMarkedRow(int row) { markedRow_ = row; }

    // ---- operations ----
    // TABLESHOW's reading part: clears the grid, finds the heading line, writes
    // it into row 0 and shows the first page. Returns the heading slots, or
    // nullopt when the file is missing, empty or has no heading line (the grid
    // is then left empty).
    std::optional<std::vector<std::string>> show(const FileSystem& fs, const std::string& path);
    // LOADNEXT: the page that starts at linePosition().
    void loadNext(const FileSystem& fs, const std::string& path);
    // LOADPREV: one page back, then LOADNEXT.
    void loadPrev(const FileSystem& fs, const std::string& path);
    // LOADNEXT `count` times in one pass over the file (the same pages as
    // `count` separate calls while the file does not change), stopping early
    // at the last page. Returns the pages turned.
    int loadNextPages(const FileSystem& fs, const std::string& path, int count);
    // While the page shown has a next-page row: LOADNEXT, in one pass.
    void loadLastPage(const FileSystem& fs, const std::string& path);

    // The heading line rule: at least six TAB fields, the sixth not empty.
    static bool isHeadingLine(std::string_view line);
    // The family code the headings of columns 3 and 6 name (1, 2, 3 or 0).
    static int curveFileFamily(const std::vector<std::string>& headings);

private:
    struct Row {
        std::vector<std::string> cells; // up to kColumns
        bool pageRow = false;
        Shade shade = Shade::Default;
    };
    class PageSource;

    static Row lineRow(std::string_view line);
    Row pageRow(const std::string& cells) const;
    // One LOADNEXT over lines that start at data line linePosition_.
    void readPage(PageSource& source);
    int loadPages(const FileSystem& fs, const std::string& path, int count, bool toLast);

    std::vector<Row> rows_;
    std::array<int, kColumns> widths_{};
    std::array<int, kColumns> alignments_{};
    std::string previousRow_, nextRow_;
    std::int64_t linePosition_ = 0;
    std::int64_t pageRows_ = 0;
    int markedRow_ = 0;
    std::uint64_t version_ = 0;
};

} // namespace plotwise
