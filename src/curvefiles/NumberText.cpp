#include "NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace plotwise {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isIgnoredBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Parses "digits[.digits][e[sign]digits]" (sign already taken off) without
// depending on the C locale.
double parseUnsigned(std::string_view text) {
    double value = 0.0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value,
                                  std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        auto e = text.find_first_of("eE");
        bool hugeExponent = e != std::string_view::npos && e + 1 < text.size() &&
                            text[e + 1] != '-';
        return hugeExponent ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return result.ec == std::errc() ? value : 0.0;
}

// Length of the number syntax at the start of `s` (after an optional sign),
// 0 when it holds no mantissa digit.
std::size_t numberPrefix(std::string_view s) {
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        std::size_t k = j;
        while (k < s.size() && isDigit(s[k])) ++k;
        if (k > j) i = k;
    }
    return i;
}

double signedValue(bool negative, std::string_view digits) {
    double v = parseUnsigned(digits);
    return negative ? -v : v;
}

template <typename T> std::string shortestFixed(T value) {
    std::array<char, 400> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::fixed);
    if (result.ec != std::errc()) return {};
    return std::string(buffer.data(), result.ptr);
}

template <typename T> std::string toText(T value) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return " 0";
    std::string text = shortestFixed(value);
    bool negative = text.front() == '-';
    std::string_view magnitude(text);
    if (negative) magnitude.remove_prefix(1);
    if (magnitude.size() > 1 && magnitude[0] == '0' && magnitude[1] == '.')
        magnitude.remove_prefix(1);
    std::string out(1, negative ? '-' : ' ');
    out.append(magnitude);
    return out;
}

// Adds one unit in the last place of a string of decimal digits.
void incrementDigits(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] == '9') {
            digits[i] = '0';
        } else {
            ++digits[i];
            return;
        }
    }
    digits.insert(digits.begin(), '1');
}

template <typename T> std::string toFixed(T value, int decimals) {
    if (!std::isfinite(value)) return {};
    std::string text = shortestFixed(value);
    bool negative = !text.empty() && text.front() == '-';
    if (negative) text.erase(0, 1);
    auto point = text.find('.');
    std::string whole = text.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    auto places = static_cast<std::size_t>(decimals < 0 ? 0 : decimals);
    bool roundUp = fraction.size() > places && fraction[places] >= '5';
    fraction.resize(places, '0');
    if (roundUp) {
        std::string all = whole + fraction;
        incrementDigits(all);
        whole = all.substr(0, all.size() - places);
        fraction = all.substr(all.size() - places);
    }
    std::string out = negative ? "-" : "";
    out += whole;
    if (places > 0) out.append(1, '.').append(fraction);
    return out;
}

} // namespace

double LeadingNumber(std::string_view text) {
    // Blanks are dropped wherever they stand; most texts have none to drop.
    std::string compact;
    std::string_view s = text;
    if (std::any_of(text.begin(), text.end(), isIgnoredBlank)) {
        compact.reserve(text.size());
        for (char c : text)
            if (!isIgnoredBlank(c)) compact.push_back(c);
        s = compact;
    }
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    std::size_t length = numberPrefix(s);
    if (length == 0) return 0.0;
    return signedValue(negative, s.substr(0, length));
}

std::optional<double> strictNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    std::size_t length = numberPrefix(text);
    if (length == 0 || length != text.size()) return std::nullopt;
    double value = signedValue(negative, text);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::string numberToText(double value) { return toText(value); }
std::string numberToText(float value) { return toText(value); }
std::string formatDecimals(double value, int decimals) { return toFixed(value, decimals); }
std::string formatDecimals(float value, int decimals) { return toFixed(value, decimals); }

std::int64_t nearestInteger(double value) {
    if (std::isnan(value)) return 0;
    constexpr double limit = 9.2e18;
    if (value >= limit) return static_cast<std::int64_t>(limit);
    if (value <= -limit) return -static_cast<std::int64_t>(limit);
    return static_cast<std::int64_t>(std::nearbyint(value));
}

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string_view rightChars(std::string_view text, std::size_t n) {
    return n >= text.size() ? text : text.substr(text.size() - n);
}

std::string_view leftChars(std::string_view text, std::size_t n) { return text.substr(0, n); }

} // namespace plotwise
