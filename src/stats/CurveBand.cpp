#include "CurveBand.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace plotwise::stats {
namespace {

constexpr float kMissing = NAN;
constexpr double kMadToSigma = 1.4826;
// The spread never falls below this share of the band's highest value, so
// that flat stretches (the run-down) do not make noise look abnormal.
constexpr double kSpreadFloor = 0.02;
// A stretch is judged by the middle one of three neighbouring cells: one cell
// alone never decides.
constexpr int kWindow = 3;
// A curve counts in a cell only while at least this share of the group reaches it.
constexpr double kCoverage = 0.5;
// Curves may lie this many cells to the side of the median before they count
// as away from it: where the curves rise steeply, a small difference in angle
// is a large one in torque, and the knee of the curve moves from one
// tightening to the next.
constexpr int kSideCells = kGridCells / 20;

float medianOf(std::vector<float>& values) {
    if (values.empty()) return kMissing;
    auto mid = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), mid, values.end());
    float upper = *mid;
    if (values.size() % 2) return upper;
    float lower = *std::max_element(values.begin(), mid);
    return (lower + upper) / 2;
}

// The curve on the group's grid: per cell the median of the samples within
// it (a single wild sample moves nothing), or the value interpolated at the
// cell's middle where samples lie further apart than a cell.
std::vector<float> onGrid(const CurveSamples& curve, double cellWidth, int cells) {
    std::vector<float> grid(static_cast<std::size_t>(cells), kMissing);
    const auto n = static_cast<long>(curve.values.size());
    if (n < 2 || !(curve.xStep > 0)) return grid;
    const double length = double(n - 1) * curve.xStep;
    std::vector<float> cell;
    for (int g = 0; g < cells; ++g) {
        const double from = g * cellWidth, to = (g + 1) * cellWidth;
        if (from > length) break;
        const long first = static_cast<long>(std::ceil(from / curve.xStep));
        const long last = std::min(n - 1, static_cast<long>(std::ceil(to / curve.xStep)) - 1);
        if (first <= last) {
            cell.assign(curve.values.begin() + first, curve.values.begin() + last + 1);
            grid[static_cast<std::size_t>(g)] = medianOf(cell);
            continue;
        }
        const double at = std::min((from + to) / 2, length) / curve.xStep;
        const long k = std::min(static_cast<long>(at), n - 2);
        const double t = at - double(k);
        grid[static_cast<std::size_t>(g)] =
            static_cast<float>(curve.values[std::size_t(k)] * (1 - t) + curve.values[std::size_t(k + 1)] * t);
    }
    return grid;
}

ReferenceBand bandOf(const std::vector<std::vector<float>>& grids, int cells) {
    ReferenceBand band;
    band.median.assign(static_cast<std::size_t>(cells), kMissing);
    band.spread.assign(static_cast<std::size_t>(cells), kMissing);
    std::vector<float> column, deviation;
    for (std::size_t g = 0; g < std::size_t(cells); ++g) {
        column.clear();
        for (const auto& grid : grids)
            if (!std::isnan(grid[g])) column.push_back(grid[g]);
        if (double(column.size()) < kCoverage * double(grids.size())) continue;
        const float median = medianOf(column);
        deviation.clear();
        for (const auto& grid : grids)
            if (!std::isnan(grid[g])) deviation.push_back(std::abs(grid[g] - median));
        band.median[g] = median;
        band.spread[g] = static_cast<float>(kMadToSigma * medianOf(deviation));
    }
    float top = 0;
    for (float m : band.median)
        if (!std::isnan(m)) top = std::max(top, std::abs(m));
    const float floor = std::max(static_cast<float>(kSpreadFloor * top), 1e-6f);
    for (float& s : band.spread)
        if (!std::isnan(s)) s = std::max(s, floor);
    return band;
}

// How far and how long the curve leaves the band: the largest value over the
// grid of the middle one of three neighbouring cells' distances (in spreads),
// and the stretch around it where the distance stays above half of that.
CurveJudgement judge(const std::vector<float>& grid, const ReferenceBand& band, double threshold) {
    const std::size_t cells = grid.size();
    std::vector<float> z(cells, 0.0f);
    for (std::size_t g = 0; g < cells; ++g) {
        if (std::isnan(grid[g]) || std::isnan(band.median[g])) continue;
        float nearest = INFINITY;
        const std::size_t from = g >= std::size_t(kSideCells) ? g - kSideCells : 0;
        for (std::size_t h = from; h < cells && h <= g + kSideCells; ++h)
            if (!std::isnan(band.median[h]))
                nearest = std::min(nearest, std::abs(grid[g] - band.median[h]) / band.spread[h]);
        z[g] = nearest;
    }
    CurveJudgement result;
    double best = 0;
    std::size_t bestAt = 0;
    for (std::size_t g = 0; g + kWindow <= cells; ++g) {
        float w[kWindow] = {z[g], z[g + 1], z[g + 2]};
        std::sort(w, w + kWindow);
        if (w[1] > best) {
            best = w[1];
            bestAt = g + 1;
        }
    }
    result.score = best;
    result.abnormal = best > threshold;
    std::size_t first = bestAt, last = bestAt;
    while (first > 0 && z[first - 1] > best / 2) --first;
    while (last + 1 < cells && z[last + 1] > best / 2) ++last;
    result.from = double(first) * band.cellWidth;
    result.to = double(last + 1) * band.cellWidth;
    return result;
}

} // namespace

Detection detectAbnormal(const std::vector<CurvePeak>& curves,
                         const std::vector<CurveSamples>& samples, double threshold) {
    Detection detection;
    detection.threshold = threshold;
    detection.curves.resize(curves.size());
    // By spindle, and torque and load curves apart where a folder mixes them.
    std::map<std::pair<int, std::string>, std::vector<std::size_t>> groups;
    for (std::size_t i = 0; i < curves.size() && i < samples.size(); ++i)
        if (samples[i].loaded && samples[i].values.size() >= 2 && samples[i].xStep > 0)
            groups[{curves[i].spindle, curves[i].yName}].push_back(i);
    for (const auto& [key, members] : groups) {
        const int spindle = key.first;
        if (static_cast<int>(members.size()) < kMinimumGroup) continue;
        std::vector<double> lengths, ends;
        for (std::size_t i : members) {
            lengths.push_back(double(samples[i].values.size() - 1) * samples[i].xStep);
            ends.push_back(samples[i].endX);
        }
        std::nth_element(lengths.begin(), lengths.begin() + long(lengths.size() / 2), lengths.end());
        std::nth_element(ends.begin(), ends.begin() + long(ends.size() / 2), ends.end());
        const double cellWidth = lengths[lengths.size() / 2] / kGridCells;
        if (!(cellWidth > 0)) continue;
        std::vector<std::vector<float>> grids;
        for (std::size_t i : members) grids.push_back(onGrid(samples[i], cellWidth, kGridCells));
        ReferenceBand band = bandOf(grids, kGridCells);
        band.spindle = spindle;
        band.cellWidth = cellWidth;
        band.endX = ends[ends.size() / 2];
        for (std::size_t m = 0; m < members.size(); ++m)
            detection.curves[members[m]] = judge(grids[m], band, threshold);
        detection.bands.push_back(std::move(band));
    }
    return detection;
}

} // namespace plotwise::stats
