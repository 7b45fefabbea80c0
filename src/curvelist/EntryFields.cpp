#include "EntryFields.h"

#include "curvefiles/NumberText.h"

namespace plotwise {
namespace {

// 1-based text positions as the entry layouts are defined in.
std::size_t find(const std::string& text, std::size_t start, const std::string& what) {
    std::size_t from = start < 1 ? 0 : start - 1;
    std::size_t at = text.find(what, from);
    return at == std::string::npos ? 0 : at + 1;
}

std::string mid(const std::string& text, std::size_t start, std::size_t length) {
    if (start < 1 || start > text.size()) return "";
    return text.substr(start - 1, length);
}

std::string right(const std::string& text, long long count) {
    if (count <= 0) return "";
    return std::string(rightChars(text, static_cast<std::size_t>(count)));
}

} // namespace

std::optional<EntryFields> entryFields(const std::string& f) {
    const std::size_t b = find(f, 1, "\\");
    if (b < 1) return std::nullopt;
    EntryFields row;
    row.name = f.substr(0, b - 1);
    if (std::size_t t = find(f, b, "Torque")) {
        std::size_t a = find(f, t, "Angle");
        row.positionName = "Angle";
        if (!a) {
            a = find(f, t, "Time");
            row.positionName = "Time";
        }
        row.peakName = "Torque";
        row.spindle = mid(f, b + 9, 2);
        row.peak = mid(f, t + 6, 8);
        row.position = right(f, static_cast<long long>(f.size()) - static_cast<long long>(a) - 4);
        return row;
    }
    std::size_t t = find(f, b, "Load");
    row.peakName = "Load";
    row.spindle = mid(f, b + 7, 2);
    row.peak = mid(f, t + 6, 8);
    if (std::size_t d = find(f, t, "Distance")) {
        row.positionName = "Distance";
        row.position = mid(f, d + 9, 7);
    } else {
        row.positionName = "Time";
        row.position = mid(f, find(f, t, "Time") + 5, 5);
    }
    return row;
}

} // namespace plotwise
