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

const std::string& TableRowFields::field(int number) const {
    switch (number) {
    case 1:
        return kScaleDigits;
    case 2:
        return table_.text(row_, 2);
    case 12:
        return table_.text(row_, 3);
    default:
        break;
    }
    if (number < 18 || number > lastSampleField()) return kEmpty;
    // Field 18 is the newest sample, column n + 4.
    return table_.text(row_, count_ + 4 - (number - 18));
}

} // namespace plotwise
