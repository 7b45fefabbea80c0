#pragma once
// Statistics of the ticked curves per spindle, and their text and JSON forms.
#include "CurvePeaks.h"
#include "PeakStats.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace plotwise::stats {

// Limits of one quantity: for every group, or for one spindle.
struct LimitSet {
    Limits all;
    std::map<int, Limits> bySpindle;
    const Limits& forSpindle(int spindle) const;
};

// Adds "LSL:USL" (all groups) or "S=LSL:USL" (spindle S); either side may be
// left empty. Returns an error text for anything else.
std::optional<std::string> addLimits(const std::string& text, LimitSet& limits);

struct GroupStats {
    int spindle = 0;
    std::string yName, xName;
    std::vector<double> y, x; // values in list order
    Limits yLimits, xLimits;
    Summary ySummary, xSummary;
};

std::vector<GroupStats> computeStats(const std::vector<PeakGroup>& groups, const LimitSet& yLimits,
                                     const LimitSet& xLimits);

// {"groups": [{"spindle": 1, "n": ..., "y": {...}, "x": {...}}]}, numbers at
// full precision, null for what cannot be told.
std::string statsJson(const std::vector<GroupStats>& groups);
// An aligned table: one line per group and quantity.
std::string statsText(const std::vector<GroupStats>& groups);

// A number as JSON: shortest text that reads back the same; null when not finite.
std::string jsonNumber(double value);
std::string jsonNumber(const std::optional<double>& value);
std::string jsonString(const std::string& text);

} // namespace plotwise::stats
