#pragma once
// Keyed text curve files: .NRCUR, .NCUR, .SPCUR (one spindle) and .NRACD,
// .SPACD (up to 32 spindle columns).
#include "CurveSummary.h"
#include "CurveTrace.h"
#include "LoadState.h"
#include "LoadedCurveTable.h"

#include <array>
#include <string>
#include <string_view>

namespace plotwise {

class ByteReader;

namespace keyed {

inline constexpr int kNrCurHeaderLines = 10;
inline constexpr int kSpCurHeaderLines = 16;

// Scan summary of a single-spindle file; `waveFormLine` receives the last
// line starting "WAVEF" (left alone when there is none).
SingleCurveSummary scanSingle(ByteReader& reader, bool press, std::string& waveFormLine);
MultiSpindleSummary scanMulti(ByteReader& reader, std::string& waveFormLine);

// One curve into the trace; false when the load failed part-way.
bool loadSingle(std::string_view bytes, int headerLines, CurveTrace& trace, LoadState& state);
bool loadMulti(std::string_view bytes, int spindle, CurveTrace& trace, LoadState& state);

// A single-spindle file into one row of the loaded-curve table.
bool SINGLEFILELOAD(std::string_view bytes, const std::string& fileName,
                    LoadedCurveTable& table, int row, LoadState& state);
// How a list of 32 table rows names the curves of a multi-spindle file.
enum class SpindleRowsBy {
    Column,        // entry j - 1 is the row of spindle column j
    SpindleNumber, // entry s - 1 is the row of spindle number s ("SPNO" line)
};

// A multi-spindle file into the rows given per spindle (0 = none).
bool MULTIFILELOAD(std::string_view bytes, const std::string& fileName,
                   LoadedCurveTable& table, const std::array<int, 32>& spindleRows,
                   LoadState& state, SpindleRowsBy rowsBy = SpindleRowsBy::Column);

} // namespace keyed
} // namespace plotwise
