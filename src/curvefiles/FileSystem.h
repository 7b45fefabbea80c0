#pragma once
// The small file-system seam the readers and the scan use, so tests can run
// them on temporary folders and the shell can map platform paths.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace plotwise {

struct FileEntry {
    std::string name;
    std::int64_t modified = 0; // seconds since the epoch
    std::int64_t size = 0;
};

// The first bytes of a file with its modification time, from one open.
struct FileHead {
    std::string bytes;
    std::int64_t modified = 0; // seconds since the epoch
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Up to `maxBytes` bytes from the start of the file; nullopt when unreadable.
    virtual std::optional<std::string> read(const std::string& path,
                                            std::size_t maxBytes = SIZE_MAX) const = 0;
    // Up to `maxBytes` bytes from byte `offset` on ("" at or past the end);
    // nullopt when unreadable. By default read from the start and cut.
    virtual std::optional<std::string> readAt(const std::string& path, std::uint64_t offset,
                                              std::size_t maxBytes) const;
    // Up to `maxBytes` bytes from the start with the modification time;
    // nullopt when unreadable. By default read() with the time from files().
    virtual std::optional<FileHead> readHead(const std::string& path, std::size_t maxBytes) const;
    // The same into `head`, whose storage a scan of many files reuses; false
    // when unreadable. By default readHead().
    virtual bool readHeadInto(const std::string& path, std::size_t maxBytes, FileHead& head) const;
    // Ordinary files of a folder in list order; nullopt when it cannot be listed.
    virtual std::optional<std::vector<FileEntry>> files(const std::string& folder) const = 0;
    // Their names alone, in list order: no time or size looked up.
    virtual std::optional<std::vector<std::string>> fileNames(const std::string& folder) const;
    // Subfolders of a folder in list order; nullopt when it cannot be listed.
    virtual std::optional<std::vector<std::string>> subfolders(const std::string& folder) const = 0;
};

// The machine's own file system.
class LocalFileSystem : public FileSystem {
public:
    std::optional<std::string> read(const std::string& path,
                                     std::size_t maxBytes = SIZE_MAX) const override;
    std::optional<std::string> readAt(const std::string& path, std::uint64_t offset,
                                      std::size_t maxBytes) const override;
    std::optional<FileHead> readHead(const std::string& path, std::size_t maxBytes) const override;
    bool readHeadInto(const std::string& path, std::size_t maxBytes, FileHead& head) const override;
    std::optional<std::vector<FileEntry>> files(const std::string& folder) const override;
    std::optional<std::vector<std::string>> fileNames(const std::string& folder) const override;
    std::optional<std::vector<std::string>> subfolders(const std::string& folder) const override;
};

// Folder + platform separator + name (no doubled separator).
std::string joinPath(const std::string& folder, const std::string& name);
char pathSeparator();

// List order: names compared without regard to ASCII case, ties byte-wise.
bool listOrderLess(const std::string& a, const std::string& b);
// Sorts names in list order.
void sortInListOrder(std::vector<std::string>& names);

// Local date-time text of a modification time: "2026-12-06 07:40:20".
std::string dateTimeText(std::int64_t secondsSinceEpoch);

} // namespace plotwise
