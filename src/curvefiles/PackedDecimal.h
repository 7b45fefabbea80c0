#pragma once
// Decoders of packed-decimal (BCD) values as stored in the binary curve files.
#include <cstdint>
#include <string>

namespace plotwise {

// Two BCD bytes (high first) as right-aligned text of 5 characters; `digits`
// 0..3 is the number of decimals shown; 0x8F 0x8F means "no value" (blanks).
std::string BCDASCII(std::uint8_t high, std::uint8_t low, int digits);

// Three BCD bytes (highest first) as right-aligned text of 7 characters.
std::string BCD3ASCII(std::uint8_t high, std::uint8_t mid, std::uint8_t low, int digits);

} // namespace plotwise
