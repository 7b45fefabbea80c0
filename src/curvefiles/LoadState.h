#pragma once
#include <string>

namespace plotwise {

// What kind of curve was scanned or loaded last; shared by the scan, the
// loaders, the list and the plot.
struct LoadState {
    int curveFormat = 0;     // 0..9, see CurveFormat
    int curveFileFamily = 0; // 0 old formats, 1 .NRACD, 2 .NRCUR/.NCUR, 3 .SPCUR/.SPACD
    int curveUnit = 0;       // torque unit code of the last load
    bool loadInNewton = false;
    std::string peakXText;
    std::string curveFileName; // name inside the folder, or a full path
};

namespace CurveFormat {
inline constexpr int Cur = 0;
inline constexpr int QuernaCur = 1;
inline constexpr int BinNutrunner = 2;
inline constexpr int BinPress = 3;
inline constexpr int CsvDegree = 4;
inline constexpr int CsvMillimetre = 5;
inline constexpr int NrCur = 6;
inline constexpr int NrAcd = 7;
inline constexpr int SpCur = 8;
inline constexpr int SpAcd = 9;
} // namespace CurveFormat

} // namespace plotwise
