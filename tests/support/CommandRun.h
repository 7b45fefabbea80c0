#pragma once
// Runs a shell command and collects what it prints and its exit status.
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace test {

struct CommandRun {
    int status = -1; // the exit status, -1 when the command did not exit
    std::string output;
};

inline CommandRun runCommand(const std::string& command) {
    CommandRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace test
