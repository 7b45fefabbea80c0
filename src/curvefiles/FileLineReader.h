#pragma once
// Reads a text file line by line in chunks through the file-system seam, so a
// large file is never held whole.
#include "FileSystem.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plotwise {

class FileLineReader {
public:
    static constexpr std::size_t kDefaultChunk = 1 << 20;

    FileLineReader(const FileSystem& fs, std::string path, std::size_t chunk = kDefaultChunk);

    // The next line without its end (CR LF, LF or CR); nullopt at the end of
    // the file or when a read fails. The view lives until the next call.
    std::optional<std::string_view> next();
    // Skips up to `count` lines; returns how many were skipped.
    std::int64_t skip(std::int64_t count);
    // True when the file could not be read at all or a later read failed.
    bool failed() const { return failed_; }

private:
    bool fill();

    const FileSystem& fs_;
    std::string path_;
    std::size_t chunk_;
    std::string buffer_;
    std::size_t pos_ = 0;       // start of the unread part of buffer_
    std::size_t searched_ = 0;  // bytes from pos_ on known to hold no line end
    std::uint64_t offset_ = 0;  // file offset of the next chunk
    bool atEnd_ = false;
    bool failed_ = false;
};

} // namespace plotwise
