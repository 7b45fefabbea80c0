// Times the plot's redraw: every row of a full loaded-curve table (86 curves
// of 4000 samples) into a 1600 x 1000 picture, and a typical plot of 10.
// Usage: plotwise-plot-bench [RUNS]   (default 21; medians are reported)
#include "curvefiles/LoadState.h"
#include "curvefiles/LoadedCurveTable.h"
#include "curvelist/CurveList.h"
#include "curvelist/SpindleColors.h"
#include "plot/PlotController.h"
#include "plot/PlotHost.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <utility>
#include <vector>

using namespace plotwise;

namespace {

class NoFiles : public FileSystem {
public:
    std::optional<std::string> read(const std::string&, std::size_t) const override { return {}; }
    std::optional<std::vector<FileEntry>> files(const std::string&) const override { return {}; }
    std::optional<std::vector<std::string>> subfolders(const std::string&) const override {
        return {};
    }
};

// The window around the plot: a full table and nothing else.
class BenchHost : public PlotHost {
public:
    CurveList list;
    LoadedCurveTable table;
    LoadState load;
    NoFiles fs;
    std::string entry;
    std::array<std::string, 6> captions{};

    const CurveList& hostCurveList() const override { return list; }
    LoadedCurveTable& hostGrid1() override { return table; }
    LoadState& hostLoadState() override { return load; }
    LoadContext loadContext() const override { return LoadContext{fs, "", false}; }
    const std::string& selectedEntryText() const override { return entry; }
    std::array<std::string, 6>& scaleCaptions() override { return captions; }
    bool resultTableVisible() const override { return false; }
    bool pictureVisible() const override { return true; }
    void hideGrid1() override {}
    bool noCurveNoticeVisible() const override { return false; }
    void hideNoCurveNotice() override {}
    void showDiagnosticLabel(int) override {}
    void setBusy(bool) override {}
    void processEvents() override {}
    void resultSelectionChanged() override {}
    void copyPictureToClipboard(const QImage&) override {}
};

// A tightening shape: run-down noise, then a steep rise to the peak.
void fillTable(LoadedCurveTable& table, int curves, const char* interval) {
    table.setRowCount(1);
    const SpindleColors colors = defaultSpindleColors();
    for (int c = 0; c < curves; ++c) {
        const int row = table.appendRow();
        const double peak = 40 + c % 10;
        table.setText(row, 0, "curve" + std::to_string(c) + ".nrcur");
        table.setText(row, 2, std::to_string(peak));
        table.setText(row, 3, " 1200.0");
        table.setText(row, 4, " 4000");
        table.setText(row, 5, interval);
        table.setTextColor(row, 2, colors[static_cast<std::size_t>(c % 32)]);
        for (int i = 1; i < 4000; ++i) {
            const double t = i / 4000.0;
            const double value = t < 0.8 ? 2 + std::sin(i * 0.05 + c) * 0.8
                                         : 2 + (t - 0.8) / 0.2 * (peak - 2);
            char text[16];
            std::snprintf(text, sizeof text, "%.2f", value);
            table.setText(row, 5 + i, text);
        }
    }
}

double cpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Medians of the wall time and of this thread's processor time: on a machine
// shared with other work the second says what the redraw itself costs.
std::pair<double, double> medianMs(PlotController& plot, int runs) {
    std::vector<double> times, cpu;
    for (int i = 0; i < runs; ++i) {
        plot.view().gridDirty = true;
        const double cpuStart = cpuMs();
        const auto start = std::chrono::steady_clock::now();
        plot.DRAW2();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        cpu.push_back(cpuMs() - cpuStart);
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    return {times[times.size() / 2], cpu[cpu.size() / 2]};
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    BenchHost host;
    host.load.curveFormat = 6;
    host.list.checkBoxes = true;
    PlotController plot(host);
    plot.resizePicture(1600, 1000);
    plot.option1Click(5); // 1200 degrees: the longest walk, 2160 steps a curve
    plot.setHS(1100);

    struct Case {
        const char* name;
        int curves;
        const char* interval;
        double targetMs;
    } cases[] = {
        {"86 curves x 4000 samples, stride 1", 86, "0", 10},
        {"86 curves x 4000 samples, stride 10", 86, "2", 25},
        {"10 curves x 4000 samples, stride 1", 10, "0", 5},
    };
    for (const Case& c : cases) {
        fillTable(host.table, c.curves, c.interval);
        const auto [ms, cpu] = medianMs(plot, runs);
        std::printf("redraw %s, 1600 x 1000 (processor time %.2f ms)\t%.2f ms\t< %.0f ms\t%s\n",
                    c.name, cpu, ms, c.targetMs, ms < c.targetMs ? "ok" : "MISSED");
    }
    return 0;
}
