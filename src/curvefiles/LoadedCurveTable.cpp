#include "LoadedCurveTable.h"

#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace plotwise {
namespace {

constexpr double kNotParsed = std::numeric_limits<double>::quiet_NaN();

} // namespace

LoadedCurveTable::LoadedCurveTable() : rows_(1) {}

void LoadedCurveTable::setRowCount(int count) { rows_.resize(static_cast<std::size_t>(std::max(count, 1))); }

int LoadedCurveTable::appendRow() {
    rows_.emplace_back();
    return rowCount() - 1;
}

bool LoadedCurveTable::inRange(int row, int column) const {
    return row >= 0 && row < rowCount() && column >= 0 && column < kColumns;
}

const std::string& LoadedCurveTable::text(int row, int column) const {
    static const std::string empty;
    if (!inRange(row, column)) return empty;
    const auto& cells = rows_[static_cast<std::size_t>(row)].cells;
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : empty;
}

double LoadedCurveTable::parseNumber(int row, int column) const {
    if (!inRange(row, column)) return 0.0;
    const Row& r = rows_[static_cast<std::size_t>(row)];
    const auto index = static_cast<std::size_t>(column);
    if (index >= r.cells.size()) return 0.0;
    if (r.numbers.size() < r.cells.size()) r.numbers.resize(r.cells.size(), kNotParsed);
    double& value = r.numbers[index];
    // LeadingNumber never gives NaN.
    if (std::isnan(value)) value = LeadingNumber(r.cells[index]);
    return value;
}

bool LoadedCurveTable::setText(int row, int column, std::string text) {
    if (!inRange(row, column)) return false;
    auto& cells = rows_[static_cast<std::size_t>(row)].cells;
    auto index = static_cast<std::size_t>(column);
    auto& numbers = rows_[static_cast<std::size_t>(row)].numbers;
    if (index < numbers.size()) numbers[index] = kNotParsed;
    if (index >= cells.size()) {
        if (text.empty()) return true;
        cells.resize(index + 1);
    }
    cells[index] = std::move(text);
    return true;
}

void LoadedCurveTable::reserveColumns(int row, double columns) {
    if (row < 0 || row >= rowCount() || !(columns > 0)) return;
    const double cells = columns < kColumns ? columns : kColumns;
    rows_[static_cast<std::size_t>(row)].cells.reserve(static_cast<std::size_t>(cells));
}

int LoadedCurveTable::usedColumns(int row) const {
    if (row < 0 || row >= rowCount()) return 0;
    return static_cast<int>(rows_[static_cast<std::size_t>(row)].cells.size());
}

std::optional<std::uint32_t> LoadedCurveTable::textColor(int row, int column) const {
    if (!inRange(row, column)) return std::nullopt;
    for (const auto& [c, color] : rows_[static_cast<std::size_t>(row)].colors)
        if (c == column) return color;
    return std::nullopt;
}

bool LoadedCurveTable::setTextColor(int row, int column, std::uint32_t bgr) {
    if (!inRange(row, column)) return false;
    auto& colors = rows_[static_cast<std::size_t>(row)].colors;
    for (auto& [c, color] : colors)
        if (c == column) {
            color = bgr;
            return true;
        }
    colors.emplace_back(column, bgr);
    return true;
}

void LoadedCurveTable::setHeadings(const std::string& fileName, const std::string& spindle,
                                   const std::string& peak, const std::string& position,
                                   const std::string& points) {
    setText(0, 0, fileName);
    setText(0, 1, spindle);
    setText(0, 2, peak);
    setText(0, 3, position);
    setText(0, 4, points);
    for (int column = kFirstSampleColumn; column < kColumns; ++column)
        setText(0, column, std::to_string(column - kFirstSampleColumn + 1));
}

} // namespace plotwise
