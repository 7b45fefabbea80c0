#include "PeakStats.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace plotwise::stats {
namespace {

// Cp-type index (both limits) and Cpk-type index (nearest given limit) for a sigma.
void capability(const Summary& s, const Limits& limits, std::optional<double> sigma,
                std::optional<double>& both, std::optional<double>& nearest) {
    if (!sigma || !(*sigma > 0) || !limits.any()) return;
    if (limits.lower && limits.upper) both = (*limits.upper - *limits.lower) / (6 * *sigma);
    double k = INFINITY;
    if (limits.upper) k = std::min(k, (*limits.upper - s.mean) / (3 * *sigma));
    if (limits.lower) k = std::min(k, (s.mean - *limits.lower) / (3 * *sigma));
    nearest = k;
}

} // namespace

Summary summarize(const std::vector<double>& values, const Limits& limits) {
    Summary s;
    s.n = static_cast<int>(values.size());
    if (values.empty()) return s;
    const double n = static_cast<double>(values.size());
    s.mean = std::accumulate(values.begin(), values.end(), 0.0) / n;
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    s.min = *lo;
    s.max = *hi;
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t mid = sorted.size() / 2;
    s.median = sorted.size() % 2 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2;
    if (values.size() < 2) return s;
    if (s.min == s.max) {
        // Equal values: no spread, whatever the rounding of the sums says.
        s.mean = s.min;
        s.sd = 0;
        s.movingRange = 0;
        return s;
    }
    double squares = 0, ranges = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        squares += (values[i] - s.mean) * (values[i] - s.mean);
        if (i > 0) ranges += std::abs(values[i] - values[i - 1]);
    }
    s.sd = std::sqrt(squares / (n - 1));
    s.movingRange = ranges / (n - 1);
    capability(s, limits, *s.movingRange / kMovingRangeD2, s.cp, s.cpk);
    capability(s, limits, s.sd, s.pp, s.ppk);
    return s;
}

} // namespace plotwise::stats
