#pragma once
#include <optional>
#include <string>

namespace plotwise {

// What the list click cuts out of a curve entry's full path for its table row:
// the file name, the spindle column, the peak value and the peak position, as
// texts; and which quantities the entry shows.
struct EntryFields {
    std::string name, spindle, peak, position;
    std::string peakName;     // "Torque" or "Load"
    std::string positionName; // "Angle", "Time" or "Distance"
};

// Nullopt when the path holds no "\" (the entry is no curve).
std::optional<EntryFields> entryFields(const std::string& fullPath);

} // namespace plotwise
