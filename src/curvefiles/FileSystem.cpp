#include "FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace plotwise {
namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::int64_t toEpochSeconds(fs::file_time_type time) {
    auto system = std::chrono::file_clock::to_sys(time);
    return std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
}

fs::path nativePath(const std::string& path) { return fs::path(path); }

// Only ordinary files are read: a FIFO would block the read for good and a
// device such as /dev/zero would never end.
bool regularFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

} // namespace

std::optional<std::string> LocalFileSystem::read(const std::string& path, std::size_t maxBytes) const {
    if (!regularFile(nativePath(path))) return std::nullopt;
    std::ifstream in(nativePath(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::string data;
    constexpr std::size_t chunk = 64 * 1024;
    while (data.size() < maxBytes) {
        std::size_t want = std::min(chunk, maxBytes - data.size());
        std::size_t old = data.size();
        data.resize(old + want);
        in.read(data.data() + old, static_cast<std::streamsize>(want));
        data.resize(old + static_cast<std::size_t>(in.gcount()));
        if (!in) break;
    }
    if (in.bad()) return std::nullopt;
    return data;
}

std::optional<std::string> FileSystem::readAt(const std::string& path, std::uint64_t offset,
                                              std::size_t maxBytes) const {
    const std::size_t end =
        offset > SIZE_MAX - maxBytes ? SIZE_MAX : static_cast<std::size_t>(offset) + maxBytes;
    auto bytes = read(path, end);
    if (!bytes) return std::nullopt;
    if (offset >= bytes->size()) return std::string();
    return bytes->substr(static_cast<std::size_t>(offset));
}

std::optional<std::string> LocalFileSystem::readAt(const std::string& path, std::uint64_t offset,
                                                   std::size_t maxBytes) const {
    if (!regularFile(nativePath(path))) return std::nullopt;
    std::ifstream in(nativePath(path), std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    const auto size = static_cast<std::uint64_t>(std::max<std::streamoff>(in.tellg(), 0));
    if (offset >= size) return std::string();
    in.seekg(static_cast<std::streamoff>(offset));
    std::string data(static_cast<std::size_t>(std::min<std::uint64_t>(maxBytes, size - offset)), '\0');
    in.read(data.data(), static_cast<std::streamsize>(data.size()));
    data.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return data;
}

std::optional<FileHead> FileSystem::readHead(const std::string& path, std::size_t maxBytes) const {
    auto bytes = read(path, maxBytes);
    if (!bytes) return std::nullopt;
    return FileHead{std::move(*bytes), 0};
}

bool FileSystem::readHeadInto(const std::string& path, std::size_t maxBytes, FileHead& head) const {
    auto read = readHead(path, maxBytes);
    if (!read) return false;
    head = std::move(*read);
    return true;
}

std::optional<FileHead> LocalFileSystem::readHead(const std::string& path,
                                                  std::size_t maxBytes) const {
    FileHead head;
    if (!readHeadInto(path, maxBytes, head)) return std::nullopt;
    return head;
}

std::optional<std::vector<std::string>> FileSystem::fileNames(const std::string& folder) const {
    auto entries = files(folder);
    if (!entries) return std::nullopt;
    std::vector<std::string> names;
    names.reserve(entries->size());
    for (auto& entry : *entries)
        names.push_back(std::move(entry.name));
    return names;
}

#ifndef _WIN32

// One open, one status and one read: the least a scan of many files can do.
// The bytes go straight into the head's own storage; the file's size ends
// the reading without a read that finds the end.
bool LocalFileSystem::readHeadInto(const std::string& path, std::size_t maxBytes,
                                   FileHead& head) const {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    head.modified = 0;
    std::size_t expected = maxBytes;
    struct stat status {};
    if (::fstat(fd, &status) == 0) {
        head.modified = static_cast<std::int64_t>(status.st_mtime);
        // Some files (of /proc, say) tell no size: they are read to their end.
        if (status.st_size > 0) expected = std::min<std::uint64_t>(maxBytes, status.st_size);
    }
    // One read for a head of the usual size, steps for a whole file.
    const std::size_t step = std::min<std::size_t>(expected, 64 * 1024);
    std::size_t got = 0;
    bool failed = false;
    while (got < expected) {
        const std::size_t end = std::min(expected, got + step);
        if (head.bytes.size() < end) head.bytes.resize(end);
        const ssize_t n = ::read(fd, head.bytes.data() + got, end - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failed = true;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    head.bytes.resize(got);
    return !failed;
}

// Names from the folder's own records; only links and entries of unknown kind
// are looked up, to tell files from folders.
std::optional<std::vector<std::string>> LocalFileSystem::fileNames(const std::string& folder) const {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return std::nullopt;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        bool regular = entry->d_type == DT_REG;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat status {};
            regular = ::stat(joinPath(folder, name).c_str(), &status) == 0 && S_ISREG(status.st_mode);
        }
        if (regular) names.push_back(std::move(name));
    }
    ::closedir(dir);
    sortInListOrder(names);
    return names;
}

#else

bool LocalFileSystem::readHeadInto(const std::string& path, std::size_t maxBytes,
                                   FileHead& head) const {
    auto bytes = read(path, maxBytes);
    if (!bytes) return false;
    std::error_code e;
    auto time = fs::last_write_time(nativePath(path), e);
    head = FileHead{std::move(*bytes), e ? 0 : toEpochSeconds(time)};
    return true;
}

std::optional<std::vector<std::string>> LocalFileSystem::fileNames(const std::string& folder) const {
    return FileSystem::fileNames(folder);
}

#endif

std::optional<std::vector<FileEntry>> LocalFileSystem::files(const std::string& folder) const {
    std::error_code ec;
    fs::directory_iterator it(nativePath(folder), ec);
    if (ec) return std::nullopt;
    std::vector<FileEntry> entries;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::error_code e;
        if (!it->is_regular_file(e)) continue;
        FileEntry entry;
        entry.name = it->path().filename().string();
        auto time = it->last_write_time(e);
        entry.modified = e ? 0 : toEpochSeconds(time);
        auto size = it->file_size(e);
        entry.size = e ? 0 : static_cast<std::int64_t>(size);
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
              [](const FileEntry& a, const FileEntry& b) { return listOrderLess(a.name, b.name); });
    return entries;
}

std::optional<std::vector<std::string>> LocalFileSystem::subfolders(const std::string& folder) const {
    std::error_code ec;
    fs::directory_iterator it(nativePath(folder), ec);
    if (ec) return std::nullopt;
    std::vector<std::string> names;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::error_code e;
        if (it->is_directory(e)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end(), listOrderLess);
    return names;
}

char pathSeparator() { return static_cast<char>(fs::path::preferred_separator); }

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    char last = folder.back();
    if (last == pathSeparator() || last == '/') return folder + name;
    return folder + pathSeparator() + name;
}

// Each name's lower-case copy is made once; the sort then compares bytes.
void sortInListOrder(std::vector<std::string>& names) {
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (auto& name : names) {
        std::string lower = name;
        for (char& c : lower) c = lowerAscii(c);
        keyed.emplace_back(std::move(lower), std::move(name));
    }
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = std::move(keyed[i].second);
}

bool listOrderLess(const std::string& a, const std::string& b) {
    auto n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        char x = lowerAscii(a[i]), y = lowerAscii(b[i]);
        if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

std::string dateTimeText(std::int64_t secondsSinceEpoch) {
    std::time_t t = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    // Written digit by digit: a scan makes one of these per file.
    auto digits = [](char* at, long value, int count) {
        for (int i = count - 1; i >= 0; --i, value /= 10)
            at[i] = static_cast<char>('0' + value % 10);
    };
    const long year = local.tm_year + 1900L;
    if (year < 0 || year > 9999) {
        char text[64];
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
        return text;
    }
    std::string text = "0000-00-00 00:00:00";
    digits(&text[0], year, 4);
    digits(&text[5], local.tm_mon + 1, 2);
    digits(&text[8], local.tm_mday, 2);
    digits(&text[11], local.tm_hour, 2);
    digits(&text[14], local.tm_min, 2);
    digits(&text[17], local.tm_sec, 2);
    return text;
}

} // namespace plotwise
