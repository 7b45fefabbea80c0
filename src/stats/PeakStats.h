#pragma once
// Spread of one quantity (a peak value or its position) over a group of
// curves, and how it sits between its limits.
#include <optional>
#include <vector>

namespace plotwise::stats {

// Lower and upper specification limit; either may be missing.
struct Limits {
    std::optional<double> lower, upper;
    bool any() const { return lower || upper; }
};

struct Summary {
    int n = 0;
    double mean = 0, min = 0, max = 0, median = 0;
    std::optional<double> sd;        // sample standard deviation (n - 1)
    std::optional<double> movingRange; // mean |x[i] - x[i-1]| in list order
    // Cp and Cpk from the within sigma (mean moving range / 1.128), Pp and Ppk
    // from sd. Cp and Pp need both limits, Cpk and Ppk one; none when the
    // spread is zero.
    std::optional<double> cp, cpk, pp, ppk;
};

// The moving-range constant d2 for ranges of two consecutive values.
inline constexpr double kMovingRangeD2 = 1.128;
// Control limits of an individuals chart: mean +- this x mean moving range.
inline constexpr double kControlLimitFactor = 2.66;

// Values in list order; an empty list gives n = 0 and zeros.
Summary summarize(const std::vector<double>& values, const Limits& limits);

} // namespace plotwise::stats
