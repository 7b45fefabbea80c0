#pragma once
#include <string>

namespace plotwise {

// Fields 2..4 of a single-curve summary line.
struct SingleCurveSummary {
    std::string peakY;
    std::string peakX;
    std::string curveType; // "N/R" or "Press"
    int spindle = 0;       // the file's "SPNO" value; 0 when it names none
};

// The three whole header lines a multi-spindle summary carries ("" when absent).
struct MultiSpindleSummary {
    std::string spindleLine;
    std::string peakYLine;
    std::string peakXLine;
};

// The summary line handed to the list: date-time TAB name TAB fields...
std::string summaryLine(const std::string& dateTime, const std::string& fileName,
                        const SingleCurveSummary& summary);
std::string summaryLine(const std::string& dateTime, const std::string& fileName,
                        const MultiSpindleSummary& summary);

} // namespace plotwise
