#pragma once
// The settings files of the controller console beside the program, as the
// viewer reads them (it never writes them).
#include "Platform.h"
#include "ShellState.h"
#include "curvefiles/FileSystem.h"

#include <array>
#include <string>
#include <string_view>

namespace plotwise {

// A settings line cut into its five fields: TAB moves to the next field (the
// fifth takes the rest), characters outside 32..127 are dropped.
std::array<std::string, 5> settingsFields(std::string_view line);

// Reads IP.SYS, MONI.SYS and WAVE.SYS from shell.consoleSettingsFolder into
// the console settings of `shell`. Missing or empty files are skipped; a file
// that cannot be read ends the pass. Values not found keep what they held.
void readConsoleSettings(ShellState& shell, const FileSystem& fs, const Platform& platform);

} // namespace plotwise
