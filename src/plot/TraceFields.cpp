#include "TraceFields.h"

#include "curvefiles/CurveTrace.h"
#include "curvefiles/LoadedCurveTable.h"
#include "curvefiles/NumberText.h"

#include <algorithm>

namespace plotwise {
namespace {

const std::string kScaleDigits = "2";
const std::string kEmpty;

std::string trimmedBlanks(const std::string& text) {
    auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

int strideOfIntervalCode(const std::string& code) {
    const std::string c = trimmedBlanks(code);
    if (c == "1") return 2;
    if (c == "2") return 10;
    if (c == "3") return 20;
    return 1;
}

double TraceFields::number(int field) const {
    return LeadingNumber(this->field(field));
}

const std::string& LoadedTraceFields::field(int number) const {
    return trace_[number];
}

int LoadedTraceFields::lastSampleField() const {
    return trace_.lastSampleSlot();
}

int LoadedTraceFields::stride() const {
    return strideOfIntervalCode(trace_.intervalCode);
}

TableRowFields::TableRowFields(const LoadedCurveTable& table, int row)
    : table_(table), row_(row) {
    const auto n = nearestInteger(LeadingNumber(table.text(row, 4)));
    // Column 5 holds the interval code, so n values give n - 1 samples; the
    // trace ends at field 4096.
    count_ = static_cast<int>(std::clamp<std::int64_t>(n, 0, 4096 - 16));
    stride_ = strideOfIntervalCode(table.text(row, 5));
}

int TableRowFields::columnOf(int field) const {
    if (field == 2) return 2;
    if (field == 12) return 3;
    if (field < 18 || field > lastSampleField()) return -1;
    // Field 18 is the newest sample, column n + 4.
    return count_ + 4 - (field - 18);
}

const std::string& TableRowFields::field(int number) const {
    if (number == 1) return kScaleDigits;
    const int column = columnOf(number);
    return column < 0 ? kEmpty : table_.text(row_, column);
}

double TableRowFields::number(int field) const {
    if (field == 1) return TraceFields::number(field);
    const int column = columnOf(field);
    return column < 0 ? 0.0 : table_.number(row_, column);
}

} // namespace plotwise
