#pragma once
// A platform that answers only file sizes, from a file-system seam; enough
// for the console settings reader.
#include "curvefiles/FileSystem.h"
#include "shell/Platform.h"

namespace plotwise::test {

class SizePlatform : public Platform {
public:
    explicit SizePlatform(const FileSystem& fs) : fs_(fs) {}
    std::vector<DriveEntry> drives() const override { return {}; }
    std::string specialFolderPath(int) const override { return {}; }
    std::optional<std::string> versionRecord(const std::string&) const override { return {}; }
    std::int64_t fileSize(const std::string& path) const override {
        const auto bytes = fs_.read(path);
        return bytes ? static_cast<std::int64_t>(bytes->size()) : 0;
    }
    bool folderWritable(const std::string&) const override { return false; }
    std::string userConfigFolder() const override { return {}; }
    bool replaceFile(const std::string&, const std::string&) const override { return false; }

private:
    const FileSystem& fs_;
};

} // namespace plotwise::test
