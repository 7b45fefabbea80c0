#include "OutputCheck.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace plotwise::cli {
namespace {

int firstError = 0; // errno of the first failed write

} // namespace

void writeOutput(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() && firstError == 0)
        firstError = errno != 0 ? errno : EIO;
}

int finishOutput(int status) {
    errno = 0;
    bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
    int error = firstError != 0 ? firstError : errno;
    if (std::fclose(stdout) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written) return status;
    std::fprintf(stderr, "plotwise-cli: cannot write the output: %s\n",
                 std::strerror(error != 0 ? error : EIO));
    return 1;
}

void reportFileSizeLimit() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace plotwise::cli
