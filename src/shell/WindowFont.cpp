#include "WindowFont.h"

#include "ShellState.h"
#include "curvefiles/NumberText.h"

namespace plotwise {

WindowFont windowFont(ShellState& shell) {
    if (shell.uiFontName.empty()) {
        const LanguageTable& table = shell.languageTable;
        shell.uiFontName = table[LanguageTable::FontName];
        shell.uiFontCharset =
            static_cast<int>(nearestInteger(LeadingNumber(table[LanguageTable::Charset])));
        shell.uiFontSize = 9;
    }
    return {shell.uiFontName, shell.uiFontSize, shell.uiFontCharset};
}

} // namespace plotwise
