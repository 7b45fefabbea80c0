#pragma once
// A file system held in memory: one folder of files, for fast table-driven tests.
#include "curvefiles/FileSystem.h"

#include <algorithm>
#include <map>

namespace plotwise::test {

class MemoryFileSystem : public FileSystem {
public:
    void put(const std::string& name, std::string bytes) { files_[name] = std::move(bytes); }

    std::optional<std::string> read(const std::string& path, std::size_t maxBytes) const override {
        auto it = files_.find(nameOf(path));
        if (it == files_.end()) return std::nullopt;
        return it->second.substr(0, std::min(maxBytes, it->second.size()));
    }
    std::optional<std::vector<FileEntry>> files(const std::string&) const override {
        std::vector<FileEntry> entries;
        for (const auto& [name, bytes] : files_)
            entries.push_back({name, 0, static_cast<std::int64_t>(bytes.size())});
        std::sort(entries.begin(), entries.end(),
                  [](const FileEntry& a, const FileEntry& b) { return listOrderLess(a.name, b.name); });
        return entries;
    }
    std::optional<std::vector<std::string>> subfolders(const std::string&) const override {
        return std::vector<std::string>{};
    }

private:
    static std::string nameOf(const std::string& path) {
        auto slash = path.find_last_of("/\\");
        return slash == std::string::npos ? path : path.substr(slash + 1);
    }
    std::map<std::string, std::string> files_;
};

} // namespace plotwise::test
