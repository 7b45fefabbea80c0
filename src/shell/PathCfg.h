#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace plotwise {

// The remembered drive and folder of PATH.CFG.
struct PathCfg {
    std::string drive;
    std::string folder;

    // Two lines, each read whole with one pair of surrounding double quotes
    // removed; nullopt when the file has fewer than two lines.
    static std::optional<PathCfg> parse(std::string_view bytes);
    // The file's text: both lines quoted, CR LF ends.
    std::string text() const;
};

} // namespace plotwise
