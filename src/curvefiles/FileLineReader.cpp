#include "FileLineReader.h"

#include <cstring>

namespace plotwise {

FileLineReader::FileLineReader(const FileSystem& fs, std::string path, std::size_t chunk)
    : fs_(fs), path_(std::move(path)), chunk_(chunk < 2 ? 2 : chunk) {}

// Appends the next chunk; false when nothing more could be read.
bool FileLineReader::fill() {
    if (atEnd_) return false;
    auto bytes = fs_.readAt(path_, offset_, chunk_);
    if (!bytes) {
        failed_ = true;
        atEnd_ = true;
        return false;
    }
    if (bytes->size() < chunk_) atEnd_ = true;
    if (bytes->empty()) return false;
    buffer_.erase(0, pos_);
    pos_ = 0;
    buffer_ += *bytes;
    offset_ += bytes->size();
    return true;
}

std::optional<std::string_view> FileLineReader::next() {
    for (;;) {
        const char* start = buffer_.data() + pos_;
        const std::size_t left = buffer_.size() - pos_;
        // The first searched_ bytes hold no line end: a long line is searched once.
        const auto* lf = static_cast<const char*>(std::memchr(start + searched_, '\n', left - searched_));
        const std::size_t lfAt = lf ? static_cast<std::size_t>(lf - start) : left;
        const auto* cr = static_cast<const char*>(std::memchr(start + searched_, '\r', lfAt - searched_));
        const std::size_t end = cr ? static_cast<std::size_t>(cr - start) : lfAt;
        if (end < left) {
            // A CR at the end of the buffer may be the first half of CR LF.
            if (cr && end + 1 == left && !atEnd_) {
                searched_ = end;
                if (fill()) continue;
            }
            std::size_t step = end + 1;
            if (cr && end + 1 < left && start[end + 1] == '\n') ++step;
            pos_ += step;
            searched_ = 0;
            return std::string_view(start, end);
        }
        searched_ = left;
        if (fill()) continue;
        searched_ = 0;
        if (left == 0) return std::nullopt;
        pos_ = buffer_.size();
        return std::string_view(start, left);
    }
}

std::int64_t FileLineReader::skip(std::int64_t count) {
    std::int64_t skipped = 0;
    while (skipped < count && next()) ++skipped;
    return skipped;
}

} // namespace plotwise
