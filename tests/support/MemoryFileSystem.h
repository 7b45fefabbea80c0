#pragma once
// A file system held in memory: one folder of files, for fast table-driven
// tests. Any folder lists the same files, any path reads the file of its name.
#include "MemoryTree.h"

namespace plotwise::test {

class MemoryFileSystem : public MemoryTree {
public:
    void put(const std::string& name, std::string bytes) { MemoryTree::put("/" + name, std::move(bytes)); }

    std::optional<std::string> read(const std::string& path, std::size_t maxBytes) const override {
        return MemoryTree::read("/" + path.substr(path.find_last_of("/\\") + 1), maxBytes);
    }
    std::optional<std::vector<FileEntry>> files(const std::string&) const override {
        return MemoryTree::files("/");
    }
    std::optional<std::vector<std::string>> subfolders(const std::string&) const override {
        return std::vector<std::string>{};
    }
};

} // namespace plotwise::test
