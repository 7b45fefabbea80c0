#pragma once
// The bad inputs every reader is given, a record of what a folder scan hands
// on, and a snapshot of a folder to show that a case wrote nothing. A hang is
// caught by the tests' ctest TIMEOUT.
#include "curvefiles/FolderScan.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace plotwise::test {

struct BadInput {
    std::string name, bytes;
};

// Bytes that are not a file of any kind, made once: random bytes without line
// ends, commas or TABs from a fixed seed, NULs, a line of 50 MiB without an
// end, twelve lines of 1 MiB digits, a line of 5000 TABs or commas.
inline const std::vector<BadInput>& badInputs() {
    static const std::vector<BadInput> inputs = [] {
        std::mt19937 random(20261207);
        std::string noise(4000, '\0');
        for (char& c : noise) {
            do c = static_cast<char>(random() % 256);
            while (c == '\n' || c == '\r' || c == ',' || c == '\t');
        }
        std::string lines;
        for (int i = 0; i < 12; ++i) lines += std::string(1u << 20, '7') + "\r\n";
        return std::vector<BadInput>{{"empty", ""},
                                     {"one byte", "7"},
                                     {"random bytes", noise},
                                     {"NULs", std::string(4096, '\0')},
                                     {"50 MiB line without an end", std::string(50u << 20, 'x')},
                                     {"1 MiB lines", lines},
                                     {"5000 TABs", std::string(5000, '\t') + "\r\n"},
                                     {"5000 commas", std::string(5000, ',') + "\r\n"}};
    }();
    return inputs;
}

inline const std::string& badBytes(const std::string& name) {
    for (const BadInput& input : badInputs())
        if (input.name == name) return input.bytes;
    throw std::invalid_argument("no bad input named " + name);
}

// A text with its CR LF line ends replaced.
inline std::string withLineEnds(std::string text, const std::string& end) {
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + end.size()))
        text.replace(at, 2, end);
    return text;
}

// The first `lines` lines of a CR LF text, each with its end.
inline std::string firstLines(const std::string& text, int lines) {
    std::size_t at = 0;
    for (int i = 0; i < lines && at < text.size(); ++i)
        at = std::min(text.find('\n', at), text.size() - 1) + 1;
    return text.substr(0, at);
}

// Every summary line and result-table name a scan hands on, in order.
class RecordingBuilder : public ListBuilder {
public:
    void TreeAdd(const std::string& summary, const std::string&) override { lines.push_back(summary); }
    void TreeAddMulti(const std::string& summary, const std::string&) override { lines.push_back(summary); }
    void TreeAddTSV(const std::string& name) override { lines.push_back(name); }
    std::vector<std::string> lines;
};

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
        const bool link = it->symlink_status(e).type() == fs::file_type::symlink;
        entries[it->path().string()] = {size, link ? fs::file_time_type{} : it->last_write_time(e)};
    }
    return entries;
}

} // namespace plotwise::test
