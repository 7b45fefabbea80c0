#pragma once
// Sequential reader over a file's bytes: whole lines and comma-separated values.
// Reading at the end of the data fails (returns nullopt), as a file read would.
#include <optional>
#include <string>
#include <string_view>

namespace plotwise {

class ByteReader {
public:
    // `complete` is false when `data` is only the head of a longer file.
    explicit ByteReader(std::string_view data, bool complete = true)
        : data_(data), complete_(complete) {}
    // The reader only views the bytes: they must outlive it.
    ByteReader(std::string&&, bool = true) = delete;

    bool atEnd() const { return pos_ >= data_.size(); }
    // True once a read ran into the end of an incomplete head.
    bool ranOutOfHead() const { return ranOut_; }

    // Next line without its LF and a trailing CR.
    std::optional<std::string> readLine();
    // The same as a view into the bytes.
    std::optional<std::string_view> readLineView();
    // Next value: ends at a comma or a line end; blanks around it are dropped;
    // a quoted value keeps what is inside the quotes.
    std::optional<std::string> readValue();

private:
    bool checkMore();
    std::string_view data_;
    std::size_t pos_ = 0;
    bool complete_;
    bool ranOut_ = false;
};

} // namespace plotwise
