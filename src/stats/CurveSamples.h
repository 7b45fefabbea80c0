#pragma once
// The samples of the listed curves, read once into compact arrays.
#include "CurvePeaks.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace plotwise {
class FileSystem;
}

namespace plotwise::stats {

// One curve's samples, newest first, and how far apart they lie in X.
struct CurveSamples {
    std::vector<float> values; // values[0] is the last sample, at the curve's end
    double xStep = 0;          // X between neighbouring samples (degrees or mm)
    double endX = 0;           // X of the last sample (the peak position)
    bool loaded = false;
};

// Samples per plot step by the curve's interval code, and the X of a plot
// step: half a degree for torque curves, a tenth of a millimetre for load.
double sampleSpacing(bool torque, int stride);

// Loads every curve with the viewer's loaders, on `threads` threads (0: all
// cores). `progress` is told the number done so far; loading stops early when
// `cancel` becomes true (the rest stay unloaded).
std::vector<CurveSamples> loadCurveSamples(const std::vector<CurvePeak>& curves,
                                           const std::string& folder, const FileSystem& fs,
                                           int threads = 0,
                                           const std::function<void(int)>& progress = {},
                                           const std::atomic<bool>* cancel = nullptr);

// Runs body(i) for i in [0, count) on `threads` threads (0: all cores, at least two).
void parallelFor(int count, int threads, const std::function<void(int)>& body);

} // namespace plotwise::stats
