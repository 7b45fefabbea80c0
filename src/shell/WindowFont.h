#pragma once
#include <QFont>

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

// The font as Qt draws it. The language table names Windows fonts; where one
// is missing, a font of similar width stands in for it (the platform's first
// choice is often much wider, which the design sizes and the plot's read-out
// column do not allow for).
QFont toQFont(const WindowFont& font);

} // namespace plotwise
