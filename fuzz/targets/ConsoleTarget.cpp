// The console's settings files IP.SYS, MONI.SYS and WAVE.SYS. Input: which
// file gets the bytes (or all three), then the bytes.
#include "FuzzTarget.h"

#include "shell/ConsoleSettings.h"
#include "support/MemoryFileSystem.h"
#include "support/SizePlatform.h"


PLOTWISE_FUZZ_TARGET(console) {
    using namespace plotwise;
    fuzz::Input input(data, size);
    const int which = input.take() % 4;
    test::MemoryFileSystem fs;
    const char* const names[] = {"IP.SYS", "MONI.SYS", "WAVE.SYS"};
    for (int i = 0; i < 3; ++i)
        if (which == 3 || which == i) fs.put(names[i], std::string(input.rest()));
    ShellState shell;
    shell.consoleSettingsFolder = "/console";
    readConsoleSettings(shell, fs, test::SizePlatform(fs));
    return 0;
}
