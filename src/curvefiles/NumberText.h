#pragma once
// Text <-> number rules shared by every reader: the leading-number rule, strict
// conversion, the plain number-to-text form and fixed-decimal format patterns.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plotwise {

// Longest leading decimal number of the text; blanks, TABs and line feeds are
// ignored wherever they stand; 0 when the text has no leading number.
double LeadingNumber(std::string_view text);

// Strict conversion: the whole text (blanks around it allowed) must be a number.
std::optional<double> strictNumber(std::string_view text);

// Shortest round-trip digits in plain positional notation, a leading blank for
// values >= 0, "-" for negative ones and no zero before the decimal point.
std::string numberToText(double value);
std::string numberToText(float value);

// Format pattern "0", "0.0", "0.00", ...: rounds the shortest decimal form of
// the value to `decimals` places, halves away from zero, "." as decimal point.
std::string formatDecimals(double value, int decimals);
std::string formatDecimals(float value, int decimals);

// The integer nearest to the value, halves to even; saturates at the int range.
std::int64_t nearestInteger(double value);

// ASCII upper-casing of a byte string.
std::string upperAscii(std::string_view text);

// Last / first n characters (fewer when the text is shorter).
std::string_view rightChars(std::string_view text, std::size_t n);
std::string_view leftChars(std::string_view text, std::size_t n);

} // namespace plotwise
