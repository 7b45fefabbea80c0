#pragma once
#include <cstddef>

namespace plotwise {

// No curve file comes near this size; larger files are not loaded.
inline constexpr std::size_t kLargestCurveFile = 64u * 1024u * 1024u;

} // namespace plotwise
