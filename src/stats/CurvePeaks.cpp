#include "CurvePeaks.h"

#include "curvefiles/NumberText.h"
#include "curvelist/CurveList.h"
#include "curvelist/EntryFields.h"

#include <map>

namespace plotwise::stats {

std::vector<CurvePeak> tickedPeaks(const CurveList& list) {
    std::vector<CurvePeak> peaks;
    for (int i = 0; i < list.count(); ++i) {
        const CurveListEntry& entry = list.entry(i);
        bool ticked = entry.checked;
        if (entry.parent >= 0 && !list.entry(entry.parent).expanded)
            ticked = list.entry(entry.parent).checked;
        if (!ticked || list.hasChildren(i)) continue;
        const std::string path = list.fullPath(i);
        if (path.compare(0, 3, "Max") == 0) continue;
        const auto fields = entryFields(path);
        if (!fields) continue;
        CurvePeak peak;
        peak.entry = i;
        peak.file = fields->name;
        const auto spindle = entry.parent >= 0 ? nearestInteger(LeadingNumber(fields->spindle))
                                               : entry.fileSpindle;
        peak.spindle = spindle >= 1 ? static_cast<int>(spindle) : 1;
        peak.y = LeadingNumber(fields->peak);
        peak.x = LeadingNumber(fields->position);
        peak.yName = fields->peakName;
        peak.xName = fields->positionName;
        peaks.push_back(std::move(peak));
    }
    return peaks;
}

std::vector<PeakGroup> groupBySpindle(const std::vector<CurvePeak>& peaks) {
    std::map<int, PeakGroup> groups;
    for (const CurvePeak& peak : peaks) {
        PeakGroup& group = groups[peak.spindle];
        group.spindle = peak.spindle;
        group.curves.push_back(peak);
    }
    std::vector<PeakGroup> result;
    for (auto& [spindle, group] : groups) result.push_back(std::move(group));
    return result;
}

} // namespace plotwise::stats
