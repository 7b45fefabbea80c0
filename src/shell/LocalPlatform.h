#pragma once
#include "Platform.h"

namespace plotwise {

// The platform facts of the machine the program runs on. Each fact lives in a
// source file of its own (drives, shell folders, version records, files,
// threads).
class LocalPlatform : public Platform {
public:
    std::vector<DriveEntry> drives() const override;
    std::string specialFolderPath(int folder) const override;
    std::optional<std::string> versionRecord(const std::string& executable) const override;
    std::int64_t fileSize(const std::string& path) const override;
    bool folderWritable(const std::string& folder) const override;
    std::string userConfigFolder() const override;
    bool replaceFile(const std::string& path, const std::string& bytes) const override;
    void lowerThisThreadPriority() const override;
};

} // namespace plotwise
