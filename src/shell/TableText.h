#pragma once
#include "curvefiles/LoadedCurveTable.h"

#include <QString>

#include <string>

namespace plotwise {

// The loaded-curve table as "Save List as Text File" and "Copy List to
// Clipboard" write it: every row, every one of the 4005 columns, cells joined
// by TAB (none after the last), each line ended by CR LF.
std::string loadedCurveTableText(const LoadedCurveTable& table);

// The same as text for the clipboard: the file names of column 0 decoded as
// the platform's file names, every other cell as Latin-1.
QString loadedCurveTableClipboardText(const LoadedCurveTable& table);

} // namespace plotwise
