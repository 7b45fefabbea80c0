#pragma once
// The curves a statistics run looks at: the ticked curves of the list, with
// the peak values the list shows, grouped by spindle.
#include <string>
#include <vector>

namespace plotwise {
class CurveList;
}

namespace plotwise::stats {

struct CurvePeak {
    int entry = -1;   // list entry
    std::string file; // file name inside the folder
    int spindle = 1;
    double y = 0, x = 0; // peak value and its position as the list shows them
    std::string yName, xName; // "Torque"/"Load", "Angle"/"Distance"/"Time"
    bool operator==(const CurvePeak&) const = default;
};

// Ticked curve entries in list order. A collapsed file entry hands its tick
// to its spindles, as the list click does. Spindle entries carry their
// spindle number; a single file its own "SPNO", or 1 when it names none (the
// plot draws such curves as spindle 1).
std::vector<CurvePeak> tickedPeaks(const CurveList& list);

struct PeakGroup {
    int spindle = 0;
    std::vector<CurvePeak> curves; // in list order
};

// Groups by spindle number, ascending; curves keep their list order.
std::vector<PeakGroup> groupBySpindle(const std::vector<CurvePeak>& peaks);

} // namespace plotwise::stats
