#pragma once
// The result-line click of the result table, apart from the window: choosing
// and marking the result a row belongs to, the key that names its curve file,
// and what the click reads from the curve file it found.
#include "ResultTable.h"
#include "curvelist/SpindleColors.h"
#include "curvefiles/CurveFilePath.h"
#include "curvefiles/LoadedCurveTable.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace plotwise {

struct ResultRowPick {
    int markedRow = 0;
    ResultLineKey key; // date, time, digit S, cleaned identification, number
};

// Unmarks the formerly marked row, walks up from `row` to the result's first
// row (date and time not blank, or row 1), marks it, and builds the key.
ResultRowPick pickResultRow(ResultTable& table, int row);

// The identification as a file name may hold it: printable ASCII without
// * / : < > ? \ |.
std::string cleanIdentification(std::string_view id);

// What the click takes from the head of a curve file.
struct ResultCurveHead {
    std::string x, y;        // peak X and Y texts
    std::optional<int> unit; // from a "UNIT" line
};

// The first 6 lines of a single-spindle (".NRCUR") file.
ResultCurveHead readSingleCurveHead(std::string_view bytes);

// The first 11 lines of a multi-spindle file into Grid1: one row per spindle
// of the "SPNO" line (name, spindle), peak Y coloured by row, peak X.
// `spindleRows` receives the Grid1 row of each spindle column (0 for none).
ResultCurveHead fillGrid1FromMultiCurve(std::string_view bytes, const std::string& path,
                                        LoadedCurveTable& grid1, const SpindleColors& colors,
                                        std::array<int, 32>& spindleRows);

// The entry text the single-curve drawing reads: path, " Torque ", Y "0.00",
// "           Angle    ", X "0.0", "N/R".
std::string resultEntryText(const std::string& path, const ResultCurveHead& head);

} // namespace plotwise
