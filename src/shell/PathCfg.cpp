#include "PathCfg.h"

#include "TextLines.h"

#include <vector>

namespace plotwise {
namespace {

std::string unquoted(const std::string& line) {
    if (line.size() >= 2 && line.front() == '"' && line.back() == '"')
        return line.substr(1, line.size() - 2);
    return line;
}

} // namespace

std::optional<PathCfg> PathCfg::parse(std::string_view bytes) {
    std::vector<std::string> lines = textLines(utf8Text(bytes));
    if (lines.size() < 2) return std::nullopt;
    return PathCfg{unquoted(lines[0]), unquoted(lines[1])};
}

std::string PathCfg::text() const {
    return "\"" + drive + "\"\r\n\"" + folder + "\"\r\n";
}

} // namespace plotwise
