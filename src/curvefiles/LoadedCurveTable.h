#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace plotwise {

// The loaded-curve table: a heading row and one row per loaded curve, 4005
// columns. Rows keep only the cells up to their last written one, so short
// rows cost little; colours are kept for the few cells that have one.
class LoadedCurveTable {
public:
    static constexpr int kColumns = 4005;
    static constexpr int kFirstSampleColumn = 5;

    LoadedCurveTable();

    int rowCount() const { return static_cast<int>(rows_.size()); }
    // Grows with empty rows or cuts rows off; at least the heading row stays.
    void setRowCount(int count);
    int appendRow();

    const std::string& text(int row, int column) const;
    // False when the cell lies outside the table.
    bool setText(int row, int column, std::string text);
    // Makes room for a row of about this many cells (a hint; at most all columns).
    void reserveColumns(int row, double columns);
    // Number of columns that may hold text in the row (last written + 1).
    int usedColumns(int row) const;

    std::optional<std::uint32_t> textColor(int row, int column) const;
    bool setTextColor(int row, int column, std::uint32_t bgr);

    // The heading row: column titles 0..4 and the numbers 1..4000 above the samples.
    void setHeadings(const std::string& fileName, const std::string& spindle,
                     const std::string& peak, const std::string& position,
                     const std::string& points);

private:
    struct Row {
        std::vector<std::string> cells;
        std::vector<std::pair<int, std::uint32_t>> colors;
    };
    bool inRange(int row, int column) const;
    std::vector<Row> rows_;
};

} // namespace plotwise
