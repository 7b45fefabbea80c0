#pragma once
// The detector's findings as text and JSON.
#include "CurveBand.h"

#include <string>
#include <vector>

namespace plotwise::stats {

// {"threshold": T, "curves": [{"file", "spindle", "score", "abnormal", "from", "to"}]}
// in list order; curves not judged have null score, from and to.
std::string outliersJson(const std::vector<CurvePeak>& curves, const Detection& detection);
// One line per curve, abnormal ones first (highest score first), then the
// others in list order.
std::string outliersText(const std::vector<CurvePeak>& curves, const Detection& detection);

} // namespace plotwise::stats
