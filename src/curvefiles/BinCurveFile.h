#pragma once
// Packed binary curve files (.BIN): variant and sample count by file length.
#include "CurveSummary.h"
#include "CurveTrace.h"
#include "LoadState.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace plotwise::bin {

struct Variant {
    bool press = false;
    int samples = 0;
    int headerLength = 0;
};

// The variant of a file of this length, nullopt when no curve file has it.
std::optional<Variant> variantForLength(std::size_t length);
inline constexpr std::size_t kLongestFile = 1111;

std::optional<SingleCurveSummary> scan(std::string_view bytes);
bool load(std::string_view bytes, CurveTrace& trace, LoadState& state);

} // namespace plotwise::bin
