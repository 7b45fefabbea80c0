#pragma once
// A temporary folder for one test, removed with the object.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace plotwise::test {

class TempFolder {
public:
    TempFolder() {
        std::random_device device;
        path_ = std::filesystem::temp_directory_path() /
                ("plotwise-test-" + std::to_string(device()) + std::to_string(device()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path() const { return path_.string(); }
    std::string path(const std::string& relative) const { return (path_ / relative).string(); }

    // Writes the bytes to a file below the folder, creating subfolders.
    std::string write(const std::string& relative, const std::string& bytes) const {
        auto file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    void makeFolder(const std::string& relative) const {
        std::filesystem::create_directories(path_ / relative);
    }

private:
    std::filesystem::path path_;
};

// Whole content of a file, "" when missing.
inline std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Lines joined with CR LF, each line ended.
inline std::string crlf(std::initializer_list<std::string> lines) {
    std::string out;
    for (const auto& line : lines) out += line + "\r\n";
    return out;
}

} // namespace plotwise::test
