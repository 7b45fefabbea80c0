#pragma once
#include <array>
#include <cstdint>

namespace plotwise {

// Colour of a spindle's curves as 0x00BBGGRR; index = spindle number - 1.
using SpindleColors = std::array<std::uint32_t, 32>;

// The start-up colour of code c (low six bits used).
std::uint32_t Pallet(int code);
SpindleColors defaultSpindleColors();

} // namespace plotwise
