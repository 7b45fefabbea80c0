#include "CurveSummary.h"

namespace plotwise {

std::string summaryLine(const std::string& dateTime, const std::string& fileName,
                        const SingleCurveSummary& summary) {
    return dateTime + '\t' + fileName + '\t' + summary.peakY + '\t' + summary.peakX + '\t' +
           summary.curveType;
}

std::string summaryLine(const std::string& dateTime, const std::string& fileName,
                        const MultiSpindleSummary& summary) {
    return dateTime + '\t' + fileName + '\t' + summary.spindleLine + '\t' + summary.peakYLine +
           '\t' + summary.peakXLine;
}

} // namespace plotwise
