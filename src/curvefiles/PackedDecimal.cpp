#include "PackedDecimal.h"

#include "NumberText.h"

#include <cstdio>

namespace plotwise {
namespace {

// A byte's hexadecimal text (no leading zero, capitals) read by the leading-
// number rule: a valid BCD byte gives its decimal value, a byte with a letter
// digit gives only the decimal digits before it.
int hexDigitsValue(std::uint8_t byte) {
    char text[4];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(byte));
    return static_cast<int>(LeadingNumber(text));
}

std::string rightAligned(const std::string& text, std::size_t width) {
    if (text.size() >= width) return text.substr(text.size() - width);
    std::string padded(width - text.size(), ' ');
    padded.append(text);
    return padded;
}

std::string scaled(const std::string& digits, int decimals) {
    double value = LeadingNumber(digits);
    if (decimals == 0) return formatDecimals(value, 0);
    if (decimals < 1 || decimals > 3) return digits;
    static constexpr float divisors[] = {10.0f, 100.0f, 1000.0f};
    float shown = static_cast<float>(value) / divisors[decimals - 1];
    return formatDecimals(shown, decimals);
}

std::string decode(int value, std::size_t keep, std::size_t width, int decimals) {
    std::string digits(rightChars(numberToText(static_cast<double>(value)), keep));
    return rightAligned(scaled(digits, decimals), width);
}

} // namespace

std::string BCDASCII(std::uint8_t high, std::uint8_t low, int digits) {
    if (high == 0x8F && low == 0x8F) return std::string(5, ' ');
    int value = hexDigitsValue(high) * 100 + hexDigitsValue(low);
    return decode(value, 4, 5, digits);
}

std::string BCD3ASCII(std::uint8_t high, std::uint8_t mid, std::uint8_t low, int digits) {
    if (high == 0x8F && mid == 0x8F && low == 0x8F) return std::string(7, ' ');
    int value = hexDigitsValue(high) * 10000 + hexDigitsValue(mid) * 100 + hexDigitsValue(low);
    return decode(value, 6, 7, digits);
}

} // namespace plotwise
