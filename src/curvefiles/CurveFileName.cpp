#include "CurveFileName.h"

#include <vector>

namespace plotwise {
namespace {

bool digits(std::string_view text, std::size_t count) {
    if (text.size() != count) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

int number(std::string_view text) {
    int value = 0;
    for (char c : text) value = value * 10 + (c - '0');
    return value;
}

bool validDay(std::string_view dd) { return digits(dd, 2) && number(dd) >= 1 && number(dd) <= 31; }

bool validDate(std::string_view d8) {
    if (!digits(d8, 8)) return false;
    const int year = number(d8.substr(0, 4)), month = number(d8.substr(4, 2));
    const int day = number(d8.substr(6, 2));
    if (month < 1 || month > 12 || day < 1) return false;
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (month == 2 && day == 29) return leap;
    return day <= kDays[month - 1];
}

bool validTime(std::string_view t6) {
    return digits(t6, 6) && number(t6.substr(0, 2)) < 24 && number(t6.substr(2, 2)) < 60 &&
           number(t6.substr(4, 2)) < 60;
}

bool validSec(std::string_view s) { return s == "0" || s == "1"; }

bool validSpindle(std::string_view s) { return digits(s, 2) && number(s) >= 1 && number(s) <= 32; }

bool validProgram(std::string_view p) {
    if (p.empty() || p.size() > 9) return false;
    return digits(p, p.size());
}

std::vector<std::string_view> tokens(std::string_view stem) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t cut = stem.find('_', start);
        out.push_back(stem.substr(start, cut == std::string_view::npos ? cut : cut - start));
        if (cut == std::string_view::npos) return out;
        start = cut + 1;
    }
}

std::string joined(const std::vector<std::string_view>& parts, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) {
        if (i) out += '_';
        out += parts[i];
    }
    return out;
}

// The parts a pattern's fixed places give, read from the end of the name;
// nullopt when the name is too short for the pattern.
std::optional<CurveNameParts> readPattern(const std::vector<std::string_view>& t, int family,
                                          CurveNamePattern pattern) {
    const std::size_t n = t.size();
    CurveNameParts p;
    p.family = family;
    p.pattern = pattern;
    switch (pattern) {
    case CurveNamePattern::Archive:
        if (n != (family == 2 ? 4u : 3u)) return std::nullopt;
        p.date = t[0], p.time = t[1], p.sec = t[2];
        if (family == 2) p.spindle = t[3];
        break;
    case CurveNamePattern::Live:
        if (n != (family == 2 ? 4u : 3u)) return std::nullopt;
        p.day = t[0], p.time = t[1];
        if (family == 2) p.spindle = t[2];
        break;
    case CurveNamePattern::Program:
        if (n < 5) return std::nullopt;
        p.sec = t[n - 1], p.program = t[n - 3], p.time = t[n - 4], p.date = t[n - 5];
        p.id = joined(t, n - 5);
        break;
    case CurveNamePattern::IdDay:
        if (n < 4) return std::nullopt;
        p.time = t[n - 2], p.day = t[n - 3];
        p.id = joined(t, n - 3);
        break;
    }
    if (!p.date.empty()) p.day = p.date.size() == 8 ? p.date.substr(6, 2) : "";
    const bool valid = validTime(p.time) && validDay(p.day) && (p.date.empty() || validDate(p.date)) &&
                       (p.sec.empty() || validSec(p.sec)) &&
                       (p.program.empty() || validProgram(p.program)) && validSpindle(p.spindle);
    if (!valid) return std::nullopt;
    return p;
}

} // namespace

std::string CurveNameParts::isoDateTime() const {
    if (date.size() != 8 || time.size() != 6) return {};
    return date.substr(0, 4) + "-" + date.substr(4, 2) + "-" + date.substr(6, 2) + "T" +
           time.substr(0, 2) + ":" + time.substr(2, 2) + ":" + time.substr(4, 2);
}

const char* curveNameExtension(int family) {
    switch (family) {
    case 1: return ".nracd";
    case 2: return ".nrcur";
    case 3: return ".spacd";
    default: return "";
    }
}

int curveNameFamily(std::string_view name) {
    for (int family = 1; family <= 3; ++family) {
        const std::string_view ext = curveNameExtension(family);
        if (name.size() < ext.size()) continue;
        const std::string_view tail = name.substr(name.size() - ext.size());
        bool same = true;
        for (std::size_t i = 0; i < ext.size() && same; ++i) {
            char c = tail[i];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            same = c == ext[i];
        }
        if (same) return family;
    }
    return 0;
}

std::string formatCurveFileName(const CurveNameParts& p) {
    const std::string ext = curveNameExtension(p.family);
    if (ext.empty()) return {};
    const bool nutrunner = p.family != 3;
    const std::string single = p.family == 2 ? "_" + p.spindle : "";
    switch (p.pattern) {
    case CurveNamePattern::Archive: return p.date + "_" + p.time + "_" + p.sec + single + ext;
    case CurveNamePattern::Live: return p.day + "_" + p.time + single + "_ANGLE" + ext;
    case CurveNamePattern::Program:
        return (p.id.empty() ? "" : p.id + "_") + p.date + "_" + p.time + "_" + p.program +
               (nutrunner ? "_ANG_" : "_DIS_") + p.sec + ext;
    case CurveNamePattern::IdDay:
        return nutrunner ? p.id + "_" + p.day + "_" + p.time + "_ANGLE" + ext : "";
    }
    return {};
}

std::optional<CurveNameParts> parseCurveFileName(std::string_view name) {
    const int family = curveNameFamily(name);
    if (family == 0) return std::nullopt;
    const std::size_t extLength = std::string_view(curveNameExtension(family)).size();
    const std::string_view stem = name.substr(0, name.size() - extLength);
    const auto parts = tokens(stem);
    for (auto pattern : {CurveNamePattern::Program, CurveNamePattern::Archive,
                         CurveNamePattern::Live, CurveNamePattern::IdDay}) {
        auto read = readPattern(parts, family, pattern);
        if (!read) continue;
        // A reading counts only when it builds the same name back.
        const std::string built = formatCurveFileName(*read);
        if (!built.empty() && std::string_view(built).substr(0, stem.size()) == stem &&
            built.size() == name.size())
            return read;
    }
    return std::nullopt;
}

} // namespace plotwise
