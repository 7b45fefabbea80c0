#pragma once
#include "shell/LocalPlatform.h"

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

} // namespace plotwise::cli
