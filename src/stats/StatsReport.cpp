#include "StatsReport.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace plotwise::stats {
namespace {

std::optional<double> parseNumber(const std::string& text, bool& ok) {
    if (text.empty()) return std::nullopt;
    double value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) ok = false;
    return value;
}

std::string summaryJson(const Summary& s) {
    const bool any = s.n > 0;
    auto number = [&](double v) { return any ? jsonNumber(v) : std::string("null"); };
    return "{\"mean\": " + number(s.mean) + ", \"sd\": " + jsonNumber(s.sd) +
           ", \"min\": " + number(s.min) + ", \"max\": " + number(s.max) +
           ", \"median\": " + number(s.median) + ", \"cp\": " + jsonNumber(s.cp) +
           ", \"cpk\": " + jsonNumber(s.cpk) + ", \"pp\": " + jsonNumber(s.pp) +
           ", \"ppk\": " + jsonNumber(s.ppk) + "}";
}

std::string cell(const std::optional<double>& value, int width) {
    char text[64];
    if (value) std::snprintf(text, sizeof text, "%*.*g", width, 6, *value);
    else std::snprintf(text, sizeof text, "%*s", width, "-");
    return text;
}

std::string padded(const std::string& text, std::size_t width) {
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

} // namespace

const Limits& LimitSet::forSpindle(int spindle) const {
    auto found = bySpindle.find(spindle);
    return found == bySpindle.end() ? all : found->second;
}

std::optional<std::string> addLimits(const std::string& text, LimitSet& limits) {
    const std::string usage = "limits take LSL:USL or SPINDLE=LSL:USL, not " + text;
    std::string range = text;
    std::optional<int> spindle;
    if (auto eq = text.find('='); eq != std::string::npos) {
        const std::string number = text.substr(0, eq);
        int value = 0;
        auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (number.empty() || ec != std::errc() || ptr != number.data() + number.size() ||
            value < 1 || value > 32)
            return usage;
        spindle = value;
        range = text.substr(eq + 1);
    }
    const auto colon = range.find(':');
    if (colon == std::string::npos) return usage;
    bool ok = true;
    Limits parsed{parseNumber(range.substr(0, colon), ok), parseNumber(range.substr(colon + 1), ok)};
    if (!ok || !parsed.any()) return usage;
    if (parsed.lower && parsed.upper && *parsed.lower >= *parsed.upper)
        return "the lower limit must lie below the upper one: " + text;
    (spindle ? limits.bySpindle[*spindle] : limits.all) = parsed;
    return std::nullopt;
}

std::vector<GroupStats> computeStats(const std::vector<PeakGroup>& groups, const LimitSet& yLimits,
                                     const LimitSet& xLimits) {
    std::vector<GroupStats> result;
    for (const PeakGroup& group : groups) {
        GroupStats g;
        g.spindle = group.spindle;
        if (!group.curves.empty()) {
            g.yName = group.curves.front().yName;
            g.xName = group.curves.front().xName;
        }
        for (const CurvePeak& curve : group.curves) {
            g.y.push_back(curve.y);
            g.x.push_back(curve.x);
        }
        g.yLimits = yLimits.forSpindle(g.spindle);
        g.xLimits = xLimits.forSpindle(g.spindle);
        g.ySummary = summarize(g.y, g.yLimits);
        g.xSummary = summarize(g.x, g.xLimits);
        result.push_back(std::move(g));
    }
    return result;
}

std::string jsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char text[64];
    auto [ptr, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? std::string(text, ptr) : "null";
}

std::string jsonNumber(const std::optional<double>& value) {
    return value ? jsonNumber(*value) : "null";
}

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            // File contents and names are shown as Latin-1.
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out + "\"";
}

std::string statsJson(const std::vector<GroupStats>& groups) {
    std::string out = "{\"groups\": [";
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const GroupStats& g = groups[i];
        out += i ? ",\n  " : "\n  ";
        out += "{\"spindle\": " + std::to_string(g.spindle) +
               ", \"n\": " + std::to_string(g.ySummary.n) + ", \"y\": " + summaryJson(g.ySummary) +
               ", \"x\": " + summaryJson(g.xSummary) + "}";
    }
    out += groups.empty() ? "]}\n" : "\n]}\n";
    return out;
}

std::string statsText(const std::vector<GroupStats>& groups) {
    std::string out = padded("spindle", 8) + padded("quantity", 9) + padded("n", 6);
    for (const char* head : {"mean", "sd", "min", "max", "median", "cp", "cpk", "pp", "ppk"})
        out += std::string(12 - std::string(head).size(), ' ') + head;
    out += "\n";
    for (const GroupStats& g : groups) {
        for (int q = 0; q < 2; ++q) {
            const Summary& s = q == 0 ? g.ySummary : g.xSummary;
            const std::string name = q == 0 ? g.yName : g.xName;
            out += padded(std::to_string(g.spindle), 8) + padded(name, 9) +
                   padded(std::to_string(s.n), 6);
            for (auto value : {std::optional(s.mean), s.sd, std::optional(s.min),
                               std::optional(s.max), std::optional(s.median), s.cp, s.cpk, s.pp,
                               s.ppk})
                out += cell(s.n > 0 ? value : std::nullopt, 12);
            out += "\n";
        }
    }
    return out;
}

} // namespace plotwise::stats
