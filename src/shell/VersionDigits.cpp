#include "VersionDigits.h"

namespace plotwise {
namespace {

constexpr std::string_view kKey = "Assembly Version";

// Characters at 1-based offsets behind the key; missing ones are left out.
std::string pick(const std::string& text, std::size_t keyEnd) {
    std::string digits;
    for (std::size_t offset : {0, 1, 2, 4, 6}) {
        std::size_t at = keyEnd + offset;
        if (at < text.size()) digits += text[at];
    }
    return digits;
}

} // namespace

std::string versionDigits(const std::optional<std::string>& record) {
    if (!record || record->empty()) return "";
    std::string text;
    text.reserve(record->size());
    for (char c : *record)
        if (c != '\0') text += c;
    std::size_t at = text.find(kKey);
    if (at == std::string::npos) return "";
    return pick(text, at + kKey.size());
}

} // namespace plotwise
