#pragma once
// The machine's platform with drives, shell folders and writability chosen by
// the test.
#include "shell/LocalPlatform.h"

#include <map>

namespace plotwise::test {

class FakePlatform : public LocalPlatform {
public:
    std::vector<DriveEntry> driveList;
    std::map<int, std::string> shellFolders;
    bool programFolderWritable = true;
    std::string configFolder;

    std::vector<DriveEntry> drives() const override { return driveList; }
    std::string specialFolderPath(int folder) const override {
        auto it = shellFolders.find(folder);
        return it == shellFolders.end() ? std::string() : it->second;
    }
    bool folderWritable(const std::string& folder) const override {
        return programFolderWritable && LocalPlatform::folderWritable(folder);
    }
    std::string userConfigFolder() const override { return configFolder; }
};

} // namespace plotwise::test
