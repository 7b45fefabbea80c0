#pragma once
// The bad inputs every reader is given, and a snapshot of a folder to show
// that a case wrote nothing. A hang is caught by the tests' ctest TIMEOUT.
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace plotwise::test {

// Bytes that are not a file of any kind. The large ones are made once.
namespace bad {

inline const std::string& empty() {
    static const std::string bytes;
    return bytes;
}
inline const std::string& oneByte() {
    static const std::string bytes = "7";
    return bytes;
}
// Random bytes from a fixed seed, without line ends, commas or TABs.
inline const std::string& randomBytes() {
    static const std::string bytes = [] {
        std::mt19937 random(20261207);
        std::string out(4000, '\0');
        for (char& c : out) {
            do c = static_cast<char>(random() % 256);
            while (c == '\n' || c == '\r' || c == ',' || c == '\t');
        }
        return out;
    }();
    return bytes;
}
inline const std::string& nuls() {
    static const std::string bytes(4096, '\0');
    return bytes;
}
// 50 MiB, one line without a line end.
inline const std::string& hugeLine() {
    static const std::string bytes(50u << 20, 'x');
    return bytes;
}
// Twelve lines of 1 MiB digits each.
inline const std::string& megabyteLines() {
    static const std::string bytes = [] {
        std::string line(1u << 20, '7');
        std::string out;
        for (int i = 0; i < 12; ++i) out += line + "\r\n";
        return out;
    }();
    return bytes;
}
inline const std::string& manyTabs() {
    static const std::string bytes = std::string(5000, '\t') + "\r\n";
    return bytes;
}
inline const std::string& manyCommas() {
    static const std::string bytes = std::string(5000, ',') + "\r\n";
    return bytes;
}

// A text with its CR LF line ends replaced.
inline std::string withLineEnds(const std::string& crlfText, const std::string& end) {
    std::string out;
    for (std::size_t i = 0; i < crlfText.size(); ++i) {
        if (crlfText.compare(i, 2, "\r\n") == 0) {
            out += end;
            ++i;
        } else {
            out += crlfText[i];
        }
    }
    return out;
}

// The first `lines` lines of a CR LF text, each with its end.
inline std::string firstLines(const std::string& text, int lines) {
    std::size_t at = 0;
    for (int i = 0; i < lines && at < text.size(); ++i) {
        auto end = text.find('\n', at);
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return text.substr(0, at);
}

} // namespace bad

// What a folder holds: name, size and modification time of every entry below
// it, so a case can show that it wrote nothing.
inline std::map<std::string, std::tuple<std::uintmax_t, std::filesystem::file_time_type>>
folderSnapshot(const std::string& folder) {
    namespace fs = std::filesystem;
    std::map<std::string, std::tuple<std::uintmax_t, fs::file_time_type>> entries;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        std::error_code e;
        const auto size = it->is_regular_file(e) ? it->file_size(e) : 0;
        entries[it->path().string()] = {size, it->symlink_status(e).type() == fs::file_type::symlink
                                                  ? fs::file_time_type{}
                                                  : it->last_write_time(e)};
    }
    return entries;
}

} // namespace plotwise::test
