#pragma once
// Abnormal curves: within each spindle group the curves are aligned at their
// end, put on a common grid of X counted back from the end, and compared with
// the group's reference band (pointwise median, robust spread).
#include "CurvePeaks.h"
#include "CurveSamples.h"

#include <optional>
#include <vector>

namespace plotwise::stats {

// Groups smaller than this are not judged.
inline constexpr int kMinimumGroup = 8;
// Scores above this mark a curve abnormal: its curve stays this many robust
// spreads away from the median over a stretch of the grid.
inline constexpr double kDefaultThreshold = 4.0;
inline constexpr int kGridCells = 400;

// The reference band of one group on its grid: cell g covers the X distances
// [g * cellWidth, (g + 1) * cellWidth) back from the curve's end. Cells that
// too few curves reach hold NaN.
struct ReferenceBand {
    int spindle = 0;
    double cellWidth = 0;
    double endX = 0; // the group's median end position
    std::vector<float> median, spread;
};

struct CurveJudgement {
    std::optional<double> score; // none: not judged (group too small, curve not loaded)
    bool abnormal = false;
    double from = 0, to = 0;     // X range back from the end where it left the band most
};

struct Detection {
    std::vector<CurveJudgement> curves; // one per curve, in the given order
    std::vector<ReferenceBand> bands;   // one per judged group
    double threshold = kDefaultThreshold;
};

Detection detectAbnormal(const std::vector<CurvePeak>& curves,
                         const std::vector<CurveSamples>& samples,
                         double threshold = kDefaultThreshold);

} // namespace plotwise::stats
