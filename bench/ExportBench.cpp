// Times convert all, the batch job of the viewer: 200 single-spindle curve
// files of 4000 samples each to PNG through the window core (target: at least
// 100 files a second), and the full loaded-curve table text (87 rows of 4005
// cells; target well under 100 ms).
// Usage: plotwise-export-bench [RUNS]   (default 5 for convert all; medians)
#include "curvefiles/FileSystem.h"
#include "shell/Form1Core.h"
#include "shell/LocalPlatform.h"
#include "shell/TableText.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

using namespace plotwise;

namespace {

constexpr int kFiles = 200;

// The machine, but settings are never written.
class BenchPlatform : public LocalPlatform {
public:
    explicit BenchPlatform(std::string folder) : folder_(std::move(folder)) {}
    bool folderWritable(const std::string&) const override { return false; }
    std::string userConfigFolder() const override { return folder_; }
    bool replaceFile(const std::string&, const std::string&) const override { return false; }

private:
    std::string folder_;
};

template <typename F> double medianMs(int runs, F&& run) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void fillFullTable(LoadedCurveTable& table) {
    table.setHeadings("File Name", "SP #", "Torque", "Angle", "Points");
    for (int c = 0; c < 86; ++c) {
        const int row = table.appendRow();
        table.setText(row, 0, "curve" + std::to_string(c) + ".nrcur");
        table.setText(row, 1, " 1");
        table.setText(row, 2, " 25.34  ");
        table.setText(row, 3, "   412.5");
        table.setText(row, 4, "4000");
        for (int i = 0; i < 4000; ++i) {
            char text[16];
            std::snprintf(text, sizeof text, "%.4f", (i % 977) * 0.031);
            table.setText(row, 5 + i, text);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    QTemporaryDir work, program;
    namespace fs = std::filesystem;
    const fs::path sample = fs::path(PLOTWISE_SAMPLES_DIR) / "M8_bolt_spindle1.nrcur";
    for (int i = 0; i < kFiles; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "B%04d.nrcur", i);
        fs::copy_file(sample, fs::path(work.path().toStdString()) / name);
    }
    const LocalFileSystem files;
    const BenchPlatform platform(program.path().toStdString());
    StartupConfig config;
    config.workingFolder = work.path().toStdString();
    config.programFolder = program.path().toStdString();
    Form1Core core(config, files, platform);
    core.formLoad();
    core.setPictureSize(800, 500);
    core.exporter().setExportFormat(PictureWriter::Png);
    int written = 0;
    const double convertMs = medianMs(runs, [&] { written = core.exporter().convertAll().written; });
    const double perSecond = written * 1000.0 / convertMs;
    std::printf("convert all in-process, %d files of 4000 samples, 800 x 500 PNG\t%.0f files/s\t"
                ">= 100 files/s\t%s\n",
                written, perSecond, written == kFiles && perSecond >= 100 ? "ok" : "MISSED");

    LoadedCurveTable table;
    fillFullTable(table);
    std::size_t bytes = 0;
    const double textMs = medianMs(21, [&] { bytes = loadedCurveTableText(table).size(); });
    std::printf("table text, 87 rows x 4005 cells (%zu bytes)\t%.2f ms\t< 100 ms\t%s\n", bytes, textMs,
                textMs < 100 ? "ok" : "MISSED");
    return 0;
}
