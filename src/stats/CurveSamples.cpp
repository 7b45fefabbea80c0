#include "CurveSamples.h"

#include "curvefiles/CurveLoader.h"
#include "curvefiles/NumberText.h"
#include "plot/TraceFields.h"

#include <algorithm>
#include <memory>
#include <thread>

namespace plotwise::stats {
namespace {

bool isTorque(int format) {
    return format == CurveFormat::Cur || format == CurveFormat::BinNutrunner ||
           format == CurveFormat::CsvDegree || format == CurveFormat::NrCur ||
           format == CurveFormat::NrAcd;
}

bool isSpAcd(const std::string& name) {
    return upperAscii(rightChars(name, 6)) == ".SPACD";
}

CurveSamples readFields(const TraceFields& fields, bool torque) {
    CurveSamples samples;
    const int last = fields.lastSampleField();
    if (last < CurveTrace::kFirstSample) return samples;
    samples.values.reserve(static_cast<std::size_t>(last - CurveTrace::kFirstSample + 1));
    for (int f = CurveTrace::kFirstSample; f <= last; ++f)
        samples.values.push_back(static_cast<float>(LeadingNumber(fields.field(f))));
    samples.xStep = sampleSpacing(torque, fields.stride());
    samples.endX = LeadingNumber(fields.field(CurveTrace::kPeakX));
    samples.loaded = true;
    return samples;
}

// One worker's loader state: the trace and table are reused from curve to curve.
class Loader {
public:
    Loader(const std::string& folder, const FileSystem& fs) : context_{fs, folder, false} {}

    CurveSamples load(const CurvePeak& curve) {
        LoadState state;
        state.curveFileName = curve.file;
        if (isSpAcd(curve.file)) {
            // Press files of several spindles load into a table row only.
            LoadedCurveTable table;
            table.setRowCount(2);
            std::array<int, 32> rows{};
            rows[static_cast<std::size_t>(std::clamp(curve.spindle, 1, 32) - 1)] = 1;
            if (!MULTIFILELOAD(curve.file, table, rows, state, context_,
                               keyed::SpindleRowsBy::SpindleNumber))
                return {};
            table.setText(1, 3, std::to_string(curve.x));
            return readFields(TableRowFields(table, 1), false);
        }
        if (!CURVELOAD(*trace_, curve.spindle, state, context_)) return {};
        return readFields(LoadedTraceFields(*trace_), isTorque(state.curveFormat));
    }

private:
    LoadContext context_;
    std::unique_ptr<CurveTrace> trace_ = std::make_unique<CurveTrace>();
};

} // namespace

double sampleSpacing(bool torque, int stride) {
    return (torque ? 0.5 : 0.1) / std::max(stride, 1);
}

void parallelFor(int count, int threads, const std::function<void(int)>& body) {
    if (threads <= 0) threads = std::max(2, static_cast<int>(std::thread::hardware_concurrency()));
    threads = std::clamp(threads, 1, std::max(count, 1));
    std::atomic<int> next{0};
    auto work = [&] {
        for (int i = next++; i < count; i = next++) body(i);
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(work);
    work();
    for (auto& thread : pool) thread.join();
}

std::vector<CurveSamples> loadCurveSamples(const std::vector<CurvePeak>& curves,
                                           const std::string& folder, const FileSystem& fs,
                                           int threads, const std::function<void(int)>& progress,
                                           const std::atomic<bool>* cancel) {
    std::vector<CurveSamples> result(curves.size());
    std::atomic<int> done{0};
    const int count = static_cast<int>(curves.size());
    if (threads <= 0) threads = std::max(2, static_cast<int>(std::thread::hardware_concurrency()));
    threads = std::clamp(threads, 1, std::max(count, 1));
    // Each thread takes every curve of its stride; a loader per thread.
    parallelFor(threads, threads, [&](int worker) {
        Loader loader(folder, fs);
        for (int i = worker; i < count; i += threads) {
            if (cancel && *cancel) return;
            result[static_cast<std::size_t>(i)] = loader.load(curves[static_cast<std::size_t>(i)]);
            const int finished = ++done;
            if (progress && worker == 0) progress(finished);
        }
    });
    if (progress) progress(done);
    return result;
}

} // namespace plotwise::stats
