#pragma once
#include <functional>

namespace plotwise::ui {

// SIGTERM, SIGINT and SIGHUP run `quit` from the event loop, so the window
// closes as when the user closes it (PATH.CFG written). When the event loop
// does not take the signal within seconds, or a second signal comes while
// the first waits, the process ends at once.
void quitOnTerminateSignals(std::function<void()> quit);

} // namespace plotwise::ui
