#include "ByteReader.h"

namespace plotwise {

bool ByteReader::checkMore() {
    if (pos_ < data_.size()) return true;
    if (!complete_) ranOut_ = true;
    return false;
}

std::optional<std::string> ByteReader::readLine() {
    auto line = readLineView();
    if (!line) return std::nullopt;
    return std::string(*line);
}

std::optional<std::string_view> ByteReader::readLineView() {
    if (!checkMore()) return std::nullopt;
    auto end = data_.find('\n', pos_);
    if (end == std::string_view::npos && !complete_) {
        ranOut_ = true;
        return std::nullopt;
    }
    if (end == std::string_view::npos) end = data_.size();
    std::string_view line = data_.substr(pos_, end - pos_);
    pos_ = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::optional<std::string> ByteReader::readValue() {
    if (!checkMore()) return std::nullopt;
    auto isLineEnd = [&](std::size_t i) {
        return data_[i] == '\n' || (data_[i] == '\r' && i + 1 < data_.size() && data_[i + 1] == '\n');
    };
    // Skip the line end and report whether one was found.
    auto finish = [&](std::size_t i) {
        if (i >= data_.size()) {
            if (!complete_) ranOut_ = true;
            pos_ = data_.size();
        } else if (data_[i] == ',') {
            pos_ = i + 1;
        } else {
            pos_ = i + (data_[i] == '\r' ? 2 : 1);
        }
    };
    std::size_t i = pos_;
    while (i < data_.size() && data_[i] == ' ') ++i;
    std::string value;
    if (i < data_.size() && data_[i] == '"') {
        auto close = data_.find('"', i + 1);
        std::size_t stop = close == std::string_view::npos ? data_.size() : close;
        value.assign(data_.substr(i + 1, stop - i - 1));
        i = close == std::string_view::npos ? data_.size() : close + 1;
        while (i < data_.size() && data_[i] != ',' && !isLineEnd(i)) ++i;
        finish(i);
        return value;
    }
    std::size_t start = i;
    while (i < data_.size() && data_[i] != ',' && !isLineEnd(i)) ++i;
    value.assign(data_.substr(start, i - start));
    while (!value.empty() && value.back() == ' ') value.pop_back();
    finish(i);
    return value;
}

} // namespace plotwise
