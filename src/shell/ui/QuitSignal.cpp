#include "QuitSignal.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace plotwise::ui {
namespace {

int pipeEnds[2] = {-1, -1};
volatile std::sig_atomic_t waiting = 0;

// A window that does not get to its event loop in this many seconds is ended.
constexpr unsigned kGraceSeconds = 5;

// Only async-signal-safe calls here: the event loop does the rest.
void onSignal(int signal) {
    if (waiting) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    waiting = 1;
    ::alarm(kGraceSeconds); // SIGALRM's default action ends a blocked process
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(pipeEnds[0], &byte, 1);
}

} // namespace

void quitOnTerminateSignals(std::function<void()> quit) {
    if (pipeEnds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, pipeEnds) != 0) return;
    static QSocketNotifier* notifier = nullptr;
    delete notifier;
    notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, [quit = std::move(quit)] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(pipeEnds[1], &byte, 1);
        if (quit) quit();
        ::alarm(0);
        waiting = 0;
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

} // namespace plotwise::ui
