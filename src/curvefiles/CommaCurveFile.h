#pragma once
// Comma-delimited curve files: .CUR (nutrunner), .QUERNACUR (press) and .CSV
// (either, told by the units).
#include "CurveSummary.h"
#include "CurveTrace.h"
#include "LoadState.h"

#include <optional>
#include <string_view>

namespace plotwise {

class ByteReader;

namespace comma {

std::optional<SingleCurveSummary> scanCur(ByteReader& reader);
std::optional<SingleCurveSummary> scanQuernaCur(ByteReader& reader);
std::optional<SingleCurveSummary> scanCsv(ByteReader& reader);

bool loadCur(std::string_view bytes, CurveTrace& trace, LoadState& state);
bool loadQuernaCur(std::string_view bytes, CurveTrace& trace, LoadState& state);
bool loadCsv(std::string_view bytes, CurveTrace& trace, LoadState& state);

// A field split into its number part (characters below 'A') and its unit.
struct NumberAndUnit {
    std::string number;
    std::string unit;
};
NumberAndUnit splitNumberAndUnit(std::string_view field);

} // namespace comma
} // namespace plotwise
