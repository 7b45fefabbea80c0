#pragma once
// Shared helpers of the shell tests: a platform whose drives, shell folders and
// writability the test chooses, curve and executable file builders, and a
// Form1Core whose program folder, working folder and drive all live inside one
// temporary folder, with probes that read a state as one string.
#include "shell/Form1Core.h"
#include "shell/LocalPlatform.h"
#include "support/CurveFileText.h"
#include "support/TempFolder.h"

#include <fstream>
#include <map>
#include <memory>

namespace plotwise::test {

using Strings = std::vector<std::string>;

class FakePlatform : public LocalPlatform {
public:
    std::vector<DriveEntry> driveList;
    std::map<int, std::string> shellFolders;
    bool programFolderWritable = true;
    std::string configFolder;

    std::vector<DriveEntry> drives() const override { return driveList; }
    std::string specialFolderPath(int folder) const override {
        return shellFolders.contains(folder) ? shellFolders.at(folder) : "";
    }
    bool folderWritable(const std::string& folder) const override {
        return programFolderWritable && LocalPlatform::folderWritable(folder);
    }
    std::string userConfigFolder() const override { return configFolder; }
};

// Text as 16-bit little-endian characters, as a version record stores it.
inline std::string wide(const std::string& text) {
    std::string out;
    for (char c : text)
        out += std::string{c, '\0'};
    return out;
}

// A console executable; an empty version gives one without a version record.
inline std::string consoleExecutable(const std::string& version) {
    std::string bytes = "MZ" + std::string(64, '\0') + "PE";
    if (!version.empty()) bytes += wide("Assembly Version") + std::string(2, '\0') + wide(version);
    return bytes;
}

// The bytes a case field spells: \r \n \t and \xNN stand for their bytes, a
// backslash before any other character for that character.
inline std::string bytesOf(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = field[i] == '\\' && i + 1 < field.size() ? field[++i] : '\0';
        if (c == 'x') out += static_cast<char>(std::stoi(field.substr(i + 1, 2), nullptr, 16)), i += 2;
        else out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c ? c : field[i];
    }
    return out;
}

inline std::optional<std::string> optionalBytes(const std::string& field) {
    return field == "(none)" ? std::nullopt : std::optional(bytesOf(field));
}

inline std::string nrcurFile(const std::string& peak = "25.34") {
    return keyedSingleFile(
        10, {"SPNO\t1", "YPeak\t" + peak, "XPeak\t412.5", "WavePoint\t3", "Interval\t2"},
        {"0.1", "0.2", "0.3"});
}

inline std::string multiFileText(const std::string& spno, const std::string& peaks) {
    return "SPNO\t" + spno + "\r\nYPeak\t" + peaks +
           "\r\nXPeak\t1\t2\t3\r\nWaveData\r\n1\t2\t3\r\n";
}

class CoreFixture {
public:
    TempFolder temp;
    FakePlatform platform;
    LocalFileSystem fs;
    std::string program = temp.path("Console"), work = temp.path("work"),
                appData = temp.path("appdata");
    std::string commandLine;
    std::string startPath;
    bool wheelSwitch = false;
    std::unique_ptr<Form1Core> core;

    CoreFixture() {
        for (const char* folder : {"Console", "work", "config"})
            temp.makeFolder(folder);
        platform.driveList = {{"/", "/"}, {temp.path(), temp.path() + " [TEMP]"}};
        platform.shellFolders[ShellFolder::ApplicationData] = appData;
        platform.configFolder = temp.path("config");
    }

    // The core before start-up (a window runs formLoad itself).
    Form1Core& make(const std::string& workingFolder = "") {
        StartupConfig config{commandLine, workingFolder.empty() ? work : workingFolder, program,
                             program + "/plotwise", startPath, wheelSwitch};
        core = std::make_unique<Form1Core>(config, fs, platform);
        return *core;
    }
    Form1Core& start(const std::string& workingFolder = "") {
        make(workingFolder).formLoad();
        return *core;
    }

    int entryNamed(const std::string& prefix) const {
        const CurveList& list = core->curveList();
        for (int i = 0; i < list.count(); ++i)
            if (list.entry(i).text.rfind(prefix, 0) == 0) return i;
        return -1;
    }
    // Writes a file below the working folder.
    std::string put(const std::string& name, const std::string& bytes) const {
        return temp.write("work/" + name, bytes);
    }
    // Selects the entry whose text starts with `prefix` and clicks the list.
    void click(const std::string& prefix) {
        core->listPanel().treeViewSelect(entryNamed(prefix));
        core->listPanel().treeViewClick();
    }
    // Grid1's curve rows, the given columns of each joined by "|".
    Strings gridRows(std::initializer_list<int> columns = {0, 1}) const {
        Strings rows;
        for (int r = 1; r < core->grid1().rowCount(); ++r) {
            std::string row;
            for (int c : columns) row += "|" + core->grid1().text(r, c);
            rows.push_back(row.substr(1));
        }
        return rows;
    }
    // The list's ticks, "x" for a ticked entry and "-" for one that is not.
    std::string ticks() const {
        std::string out;
        for (const CurveListEntry& entry : core->curveList().entries()) out += entry.checked ? 'x' : '-';
        return out;
    }
};

} // namespace plotwise::test
