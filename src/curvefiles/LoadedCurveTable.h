#pragma once
#include <cmath>
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
    // LeadingNumber of the cell's text, parsed once until the cell is written
    // again, so a redraw reads the samples without parsing them. The parsed
    // values are kept on the first reading: a table is not for readers on
    // several threads at once.
    double number(int row, int column) const {
        if (row >= 0 && row < rowCount() && column >= 0) {
            const auto& numbers = rows_[static_cast<std::size_t>(row)].numbers;
            const auto index = static_cast<std::size_t>(column);
            if (index < numbers.size() && !std::isnan(numbers[index])) return numbers[index];
        }
        return parseNumber(row, column);
    }
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
        mutable std::vector<double> numbers; // NaN: not parsed yet
    };
    bool inRange(int row, int column) const;
    double parseNumber(int row, int column) const;
    std::vector<Row> rows_;
};

} // namespace plotwise
