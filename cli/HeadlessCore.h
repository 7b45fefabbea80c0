#pragma once
#include "curvefiles/FileSystem.h"
#include "shell/Form1Core.h"
#include "shell/LocalPlatform.h"

#include <QTemporaryDir>

#include <string>

namespace plotwise::cli {

// The machine's platform for a window core that runs without a window: it
// never writes settings, and keeps them in a folder of its own, so a PATH.CFG
// of the user's never moves the command away from the folder it was given.
class HeadlessPlatform : public LocalPlatform {
public:
    explicit HeadlessPlatform(std::string settingsFolder)
        : settingsFolder_(std::move(settingsFolder)) {}
    bool folderWritable(const std::string&) const override { return false; }
    std::string userConfigFolder() const override { return settingsFolder_; }
    bool replaceFile(const std::string&, const std::string&) const override { return false; }

private:
    std::string settingsFolder_;
};

// The window core without a window, on a folder: an empty program folder of
// its own (no console, no language file, no saved folder), the machine's
// files, and start-up run.
class HeadlessCore {
public:
    explicit HeadlessCore(const std::string& folder)
        : platform_(programFolder_.path().toStdString()),
          core_(config(folder, programFolder_.path().toStdString()), fs_, platform_) {
        core_.formLoad();
    }
    Form1Core& core() { return core_; }

private:
    static StartupConfig config(const std::string& folder, const std::string& program) {
        StartupConfig config;
        config.workingFolder = folder;
        config.programFolder = program;
        return config;
    }

    QTemporaryDir programFolder_;
    LocalFileSystem fs_;
    HeadlessPlatform platform_;
    Form1Core core_;
};

} // namespace plotwise::cli
