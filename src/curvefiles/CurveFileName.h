#pragma once
// The names the consoles give the curve files they write: built from a
// result's date, time and identifiers when a result looks for its curve, and
// read back into those pieces when an archive is indexed. One definition of
// the patterns serves both directions.
#include <optional>
#include <string>
#include <string_view>

namespace plotwise {

// The name patterns of one family (1 ".nracd", 2 ".nrcur", 3 ".spacd").
enum class CurveNamePattern {
    Archive, // D8 "_" T6 "_" S [ "_01" ]                  (N1 in the archive)
    Live,    // dd "_" T6 [ "_01" ] "_ANGLE"               (N1 in the live folder)
             // ("_01" for ".nrcur" only: the tool, see `spindle`)
    Program, // [ I "_" ] D8 "_" T6 "_" P "_ANG_"|"_DIS_" S (N2)
    IdDay,   // I "_" dd "_" T6 "_ANGLE", nutrunners only  (N3)
};

struct CurveNameParts {
    int family = 0;
    CurveNamePattern pattern = CurveNamePattern::Archive;
    std::string date; // yyyymmdd ("" for the patterns that carry only the day)
    std::string day;  // dd
    std::string time; // hhmiss
    std::string sec;  // "0" or "1" ("" when the pattern has none)
    std::string id;   // identification ("" when absent)
    std::string program; // program number text ("" when absent)
    // The tool of a ".nrcur" archive or live name: "01" as the result search
    // builds it; a station's further tools write "02" and up.
    std::string spindle = "01";

    // "yyyy-mm-ddThh:mm:ss", or "" when the name carries only the day.
    std::string isoDateTime() const;
};

// The family of a name by its ending, compared without regard to case; 0 for others.
int curveNameFamily(std::string_view name);
// ".nracd", ".nrcur", ".spacd" for families 1 to 3; "" for others.
const char* curveNameExtension(int family);

// The name of a pattern from its parts; "" for a pattern the family has not.
std::string formatCurveFileName(const CurveNameParts& parts);

// The parts of a console-written name, or nullopt when the name follows none
// of the patterns (with a real date and time). The ending may be in any case.
std::optional<CurveNameParts> parseCurveFileName(std::string_view name);

} // namespace plotwise
