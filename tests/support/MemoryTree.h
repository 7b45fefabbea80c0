#pragma once
// A folder tree held in memory: files by full path ("/" separated), folders
// implied by the paths and by addFolder; the root "/" is always there. For the
// fuzz targets and the tests that need subfolders without touching the disk.
#include "curvefiles/FileSystem.h"

#include <algorithm>
#include <map>
#include <set>

namespace plotwise::test {

class MemoryTree : public FileSystem {
public:
    void put(const std::string& path, std::string bytes) {
        addFolder(parentOf(path));
        files_[path] = std::move(bytes);
    }
    void addFolder(const std::string& path) {
        for (std::string folder = path; !folder.empty() && folders_.insert(folder).second;)
            folder = parentOf(folder);
    }
    void remove(const std::string& path) { files_.erase(path); }

    // readAt is the seam's own: a read from the start, cut.
    std::optional<std::string> read(const std::string& path, std::size_t maxBytes) const override {
        auto it = files_.find(path);
        if (it == files_.end()) return std::nullopt;
        return it->second.substr(0, std::min(maxBytes, it->second.size()));
    }
    std::optional<std::vector<FileEntry>> files(const std::string& folder) const override {
        if (!folders_.count(folder)) return std::nullopt;
        std::vector<FileEntry> entries;
        for (const auto& [path, bytes] : files_)
            if (parentOf(path) == folder)
                entries.push_back({nameOf(path), 0, static_cast<std::int64_t>(bytes.size())});
        std::sort(entries.begin(), entries.end(),
                  [](const FileEntry& a, const FileEntry& b) { return listOrderLess(a.name, b.name); });
        return entries;
    }
    std::optional<std::vector<std::string>> subfolders(const std::string& folder) const override {
        if (!folders_.count(folder)) return std::nullopt;
        std::vector<std::string> names;
        for (const auto& path : folders_)
            if (path != folder && parentOf(path) == folder) names.push_back(nameOf(path));
        std::sort(names.begin(), names.end(), listOrderLess);
        return names;
    }

    static std::string nameOf(const std::string& path) {
        return path.substr(path.find_last_of('/') + 1);
    }
    static std::string parentOf(const std::string& path) {
        const auto slash = path.find_last_of('/');
        return slash == std::string::npos ? "" : slash == 0 ? "/" : path.substr(0, slash);
    }

private:
    std::map<std::string, std::string> files_;
    std::set<std::string> folders_{"/"};
};

} // namespace plotwise::test
