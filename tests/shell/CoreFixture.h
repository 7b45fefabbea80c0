#pragma once
// A program folder, a working folder and the platform around a Form1Core, all
// inside one temporary folder that also serves as a drive.
#include "FakePlatform.h"
#include "shell/Form1Core.h"
#include "support/CurveFileText.h"
#include "support/TempFolder.h"

#include <memory>

namespace plotwise::test {

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
    std::string program, work, appData;
    std::string commandLine;
    std::unique_ptr<Form1Core> core;

    CoreFixture() {
        program = temp.path("Console");
        work = temp.path("work");
        appData = temp.path("appdata");
        temp.makeFolder("Console");
        temp.makeFolder("work");
        temp.makeFolder("config");
        platform.driveList = {{"/", "/"}, {temp.path(), temp.path() + " [TEMP]"}};
        platform.shellFolders[ShellFolder::ApplicationData] = appData;
        platform.configFolder = temp.path("config");
    }

    Form1Core& start(const std::string& workingFolder = "") {
        StartupConfig config{commandLine, workingFolder.empty() ? work : workingFolder, program,
                             program + "/plotwise"};
        core = std::make_unique<Form1Core>(config, fs, platform);
        core->formLoad();
        return *core;
    }

    int entryNamed(const std::string& prefix) const {
        const CurveList& list = core->curveList();
        for (int i = 0; i < list.count(); ++i)
            if (list.entry(i).text.rfind(prefix, 0) == 0) return i;
        return -1;
    }
};

} // namespace plotwise::test
