// Times the folder scan on a large generated folder and the loads of long
// curves. Usage: plotwise-bench [FILES]   (default 20000 files)
#include "curvefiles/CurveLoader.h"
#include "curvefiles/FolderScan.h"
#include "curvelist/CurveListBuilder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;
using namespace plotwise;

namespace {

std::string keyedFile(int samples) {
    std::string out = "SPNO\t1\r\nXPeak\t412.5\r\nYPeak\t25.34\r\nWAVEFormat\t0\r\nWavePoint\t" +
                      std::to_string(samples) + "\r\nUnit\t0\r\nInterval\t2\r\nDate\tx\r\nTime\tx\r\nWaveData\r\n";
    for (int i = 0; i < samples; ++i) out += std::to_string(i % 2500 / 100.0).substr(0, 5) + "\r\n";
    return out;
}

void writeFolder(const fs::path& folder, int files) {
    fs::create_directories(folder);
    const std::string keyed = keyedFile(720);
    const std::string bin(1104, '\x12');
    for (int i = 0; i < files; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "curve_%06d.%s", i, i % 4 == 3 ? "BIN" : "nrcur");
        std::ofstream(folder / name, std::ios::binary) << (i % 4 == 3 ? bin : keyed);
    }
}

template <typename F> double seconds(F&& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::stoi(argv[1]) : 20000;
    const fs::path folder = fs::temp_directory_path() / "plotwise-bench";
    fs::remove_all(folder);
    writeFolder(folder, files);
    LocalFileSystem localFs;

    double best = 1e300;
    int entries = 0;
    for (int round = 1; round <= 3; ++round) {
        CurveList list;
        LoadState state;
        SpindleColors colors = defaultSpindleColors();
        CurveListBuilder builder(list, state, colors);
        best = std::min(best, seconds([&] { scanFolder(folder.string(), localFs, state, builder); }));
        entries = list.count();
    }
    std::printf("scan in-process, %d files (%d entries), best of 3\t%.3f s\t\t\n", files, entries, best);

    std::ofstream(folder / "long.nrcur", std::ios::binary) << keyedFile(4000);
    LoadState state;
    state.curveFileName = "long.nrcur";
    CurveTrace trace;
    LoadContext context{localFs, folder.string(), false};
    double t = seconds([&] {
        for (int i = 0; i < 200; ++i) CURVELOAD(trace, 1, state, context);
    });
    std::printf("load of a 4000-sample curve\t%.3f ms\t\t\n", t / 200 * 1000);

    LoadedCurveTable table;
    t = seconds([&] {
        table.setRowCount(1);
        for (int row = 1; row <= 86; ++row) SINGLEFILELOAD("long.nrcur", table, table.appendRow(), state, context);
    });
    std::printf("86 rows of 4000 samples into the table\t%.3f s\t\t\n", t);
    fs::remove_all(folder);
    return 0;
}
