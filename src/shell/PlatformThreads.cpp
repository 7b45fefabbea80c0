// Thread priorities: a background worker gives way to the thread that feeds
// it, which on a machine with fewer cores than threads would otherwise wait
// for a core as long as it works.
#include "LocalPlatform.h"

#ifdef _WIN32
#include <windows.h>
#elif defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#endif

namespace plotwise {
namespace {

#ifdef __linux__
// Ten steps below the thread it came from: a tenth of its weight.
constexpr int kWorkerNice = 10;
constexpr int kLowestNice = 19;
#endif

} // namespace

void LocalPlatform::lowerThisThreadPriority() const {
#ifdef _WIN32
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
#elif defined(__linux__)
    // Linux gives each thread a nice value of its own, a new one its creator's.
    const id_t self = static_cast<id_t>(::gettid());
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, self);
    if (errno != 0) return;
    (void)::setpriority(PRIO_PROCESS, self, std::min(nice + kWorkerNice, kLowestNice));
#endif
}

} // namespace plotwise
