#pragma once
#include "LanguageTable.h"

#include <array>
#include <cstdint>
#include <string>

namespace plotwise {

// The program-wide state of the shell: one instance for the whole run, owned by
// the main window's core. Plain fields; the settings readers and the window
// fill them.
struct ShellState {
    static constexpr int kColumnItems = 41;

    bool hookMouseWheel = true;      // false when started with "/W"
    bool wheelHookInstalled = false; // the wheel translation is active

    bool tavrinConsolePresent = false;
    bool moskelConsolePresent = false;
    bool quernaConsolePresent = false;
    std::string consoleVersion;        // version digits of the console found last
    std::string consoleSettingsFolder; // where that console keeps its settings

    // Console settings (IP.SYS, MONI.SYS, WAVE.SYS).
    std::string stationName;
    bool resumeSetup = false;
    std::string resumeParamFile;
    std::string rSaveFolder;
    std::string rSaveName;
    bool rSaveFlag = false;
    std::string waveAutoSavePath;
    bool waveAutoSave = false;

    bool languageLoaded = false;
    LanguageTable languageTable;

    std::string uiFontName; // empty until the window font was first asked for
    int uiFontSize = 0;
    int uiFontCharset = 0;

    // Result-table display items.
    std::array<std::string, kColumnItems> columnNames{};
    std::array<int, kColumnItems> columnWidths{};
    std::array<bool, kColumnItems> columnVisible{};

    // Live monitor of the console's current result table.
    std::string watchedResultName;
    std::int64_t watchedResultSize = 0;

    ShellState() {
        columnWidths.fill(960);
        columnVisible.fill(true);
    }

    bool anyConsolePresent() const {
        return tavrinConsolePresent || moskelConsolePresent || quernaConsolePresent;
    }
};

} // namespace plotwise
