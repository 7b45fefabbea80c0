#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace plotwise {

// The lines of a text file: ended by CR LF, LF or CR; a last line without an
// end counts, an empty tail after the last end does not.
std::vector<std::string> textLines(std::string_view bytes);
// The same lines as views into `bytes`, for readers that need no copy.
std::vector<std::string_view> textLineViews(std::string_view bytes);

// Calls `visit` with each of those lines in turn, without a list of them.
template <typename Visit>
void forEachTextLine(std::string_view bytes, Visit&& visit) {
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        visit(bytes.substr(start, i - start));
        i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < bytes.size()) visit(bytes.substr(start));
}

// Text as UTF-8: valid UTF-8 stays as it is, anything else is read as Latin-1.
std::string utf8Text(std::string_view bytes);

} // namespace plotwise
