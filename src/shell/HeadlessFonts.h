#pragma once

namespace plotwise {

// For a drawing without a window, before the GUI application starts: the
// font database is built from the one folder of the font the plot falls back
// to (Liberation Sans) instead of every font of the system, with the
// system's font rules unchanged, so the text looks as in the window. Leaves
// everything as it is when the folder is missing, the fontconfig settings
// file is chosen by the user (FONTCONFIG_FILE) or the setup fails. True when
// the font database was narrowed.
bool narrowFontsForHeadlessDrawing();

} // namespace plotwise
