#pragma once
#include <string>

namespace plotwise {

struct ShellState;

// The font of all windows, as named by the language table.
struct WindowFont {
    std::string name;
    int size = 9;
    int charset = 0;
};

// Entry 0 names the font, entry 1 the character set; the size is 9. Computed
// on first use and cached in the shell state for the run.
WindowFont windowFont(ShellState& shell);

} // namespace plotwise
