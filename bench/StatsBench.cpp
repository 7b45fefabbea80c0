// Times plotwise-cli stats against plotwise-cli scan on 10,000 generated curve
// files, and plotwise-cli outliers on 2,000 curves of 4,000 samples, each as a
// whole process (wall time and peak memory).
// Usage: plotwise-stats-bench PLOTWISE-CLI [WORKFOLDER]
#include "support/CurvePopulation.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using plotwise::test::CurveFault;
using plotwise::test::CurveGenerator;

namespace {

// Four spindles; one curve in fifty with a fault.
void writeFolder(const fs::path& folder, int files, int samples) {
    if (fs::exists(folder / "done")) return;
    fs::remove_all(folder);
    fs::create_directories(folder);
    CurveGenerator generator(1);
    const CurveFault faults[] = {CurveFault::CrossThread, CurveFault::SoftJoint,
                                 CurveFault::EarlyStop, CurveFault::Burr};
    for (int i = 0; i < files; ++i) {
        const CurveFault fault = i % 50 == 49 ? faults[(i / 50) % 4] : CurveFault::None;
        char name[64];
        std::snprintf(name, sizeof name, "curve_%06d.nrcur", i);
        std::ofstream(folder / name, std::ios::binary)
            << CurveGenerator::nrcurFile(i % 4 + 1, generator.curve(fault, samples));
    }
    std::ofstream(folder / "done");
}

struct Run {
    double seconds = 0;
    long maxKiB = 0;
    int status = -1;
};

Run run(const std::vector<std::string>& arguments) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        std::vector<char*> argv;
        for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    Run result;
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.maxKiB = usage.ru_maxrss;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

Run best(const std::vector<std::string>& arguments) {
    Run fastest;
    for (int round = 0; round < 3; ++round) {
        const Run r = run(arguments);
        if (round == 0 || r.seconds < fastest.seconds) fastest = r;
    }
    return fastest;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: plotwise-stats-bench PLOTWISE-CLI [WORKFOLDER]\n");
        return 2;
    }
    const std::string cli = argv[1];
    const fs::path work = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path() / "plotwise-stats-bench";
    const fs::path many = work / "stats10k", long_ = work / "outliers2k";
    writeFolder(many, 10000, 1000);
    writeFolder(long_, 2000, 4000);

    const Run scan = best({cli, "scan", many.string()});
    const Run stats = best({cli, "stats", many.string()});
    std::printf("scan  of 10,000 files: %.3f s\n", scan.seconds);
    std::printf("stats of 10,000 files: %.3f s = %.2f x scan (target 1.5), exit %d\n", stats.seconds,
                stats.seconds / scan.seconds, stats.status);
    const Run outliers = best({cli, "outliers", long_.string()});
    std::printf("outliers, 2,000 curves x 4,000 samples: %.3f s (target 3), %ld MB peak "
                "(target 400), exit %d\n",
                outliers.seconds, outliers.maxKiB / 1024, outliers.status);
    return scan.status == 0 && stats.status == 0 && outliers.status == 0 ? 0 : 1;
}
