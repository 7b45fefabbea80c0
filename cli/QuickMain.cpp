// plotwise-cli: the plain folder scan answered by a program without Qt, so it
// starts at once on folders of many files; every other command runs in the
// full tool, which this one replaces itself with.
#include "ListPrint.h"
#include "OutputCheck.h"
#include "curvefiles/FolderScan.h"
#include "curvelist/CurveListBuilder.h"

#include <climits>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

// The full tool beside this program (build tree) or in the package's program
// folder.
std::string fullToolPath() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "plotwise-cli-full";
    const std::filesystem::path here = self.parent_path();
    for (const auto& candidate : {here / "plotwise-cli-full",
                                  here / ".." / "libexec" / "plotwise" / "plotwise-cli-full"})
        if (::access(candidate.c_str(), X_OK) == 0) return candidate.string();
    return "plotwise-cli-full";
}

int scan(const std::string& folder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::fprintf(stderr, "plotwise-cli: scan: not a folder: %s\n", folder.c_str());
        return 2;
    }
    plotwise::LocalFileSystem fs;
    plotwise::LoadState state;
    plotwise::CurveList list;
    const plotwise::SpindleColors colors = plotwise::defaultSpindleColors();
    plotwise::CurveListBuilder builder(list, state, colors);
    if (const auto error = plotwise::scanFolder(folder, fs, state, builder)) {
        std::fprintf(stderr, "plotwise-cli: scan: cannot list %s: %s\n", folder.c_str(), error->c_str());
        return 1;
    }
    plotwise::cli::printCurveList(list);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    plotwise::cli::reportFileSizeLimit(); // kept by the full tool it starts
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::printf("plotwise-cli %s\n", PLOTWISE_VERSION);
        return plotwise::cli::finishOutput(0);
    }
    if (argc == 3 && std::string(argv[1]) == "scan" && argv[2][0] != '-')
        return plotwise::cli::finishOutput(scan(argv[2]));
    const std::string full = fullToolPath();
    ::execv(full.c_str(), argv);
    std::fprintf(stderr, "plotwise-cli: cannot start %s\n", full.c_str());
    return 1;
}
