#include "LanguageTable.h"

#include "TextLines.h"
#include "curvefiles/NumberText.h"
#include "curvefiles/TabFields.h"

#include <cctype>

namespace plotwise {
namespace {

constexpr std::string_view kBuiltIn[LanguageTable::kEntries] = {
    "MS Sans Serif",
    "0",
    "PLOTWISE",
    "File Name",
    "SP #",
    "Torque",
    "Angle",
    "Points",
    "PLOTWISE Version",
    " Linked with TAVRIN Userconsole Software",
    " Linked with MOSKEL Userconsole Software",
    "Save Picture As",
    "Degree",
    "mm",
    "FILE NAME",
    "TORQUE",
    "ANGLE",
    "LOAD",
    "DISTANCE",
    "Station Name",
    "UP",
    "Desktop",
    "My Document",
    "My Favorites",
    "Network Neighborhood",
    "Previous Folder",
    "Select Color",
    "Save Curve as Image file",
    "Save List as Text File",
    "Copy Curve to Clipboard",
    "Copy List to Clipboard",
    "Convert All Files to Picture",
    "",
    "",
    "",
    "DISPLAY ITEM SELECT",
    "NO CURVE FILE FOUND",
    "PREVIOUS",
    "NEXT",
    "LINES",
    "Press #",
    "Load",
    "Distance",
    " Linked with QUERNA Userconsole Software",
    "Seconds",
    "Convert All Curve as jpg Files",
    "Convert All Curve as png Files",
    "Convert All Curve as gif Files",
    "Convert All Curve as bmp Files",
    " -- Image Size = ",
    "",
};

bool hasBuiltIn(int entry) {
    return entry != 32 && entry != 33 && entry != 34 && entry != 50;
}

// True when the text starts with a decimal number (blanks and TABs skipped
// wherever they stand), so that a comment line is not taken for entry 0.
bool startsWithNumber(std::string_view text) {
    std::size_t i = 0;
    auto next = [&]() -> char {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        return i < text.size() ? text[i] : '\0';
    };
    char c = next();
    if (c == '+' || c == '-') ++i, c = next();
    if (c == '.') ++i, c = next();
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

constexpr std::size_t kFields = 10;

} // namespace

const std::string& LanguageTable::operator[](int entry) const {
    static const std::string empty;
    return entry >= 0 && entry < kEntries ? entries_[entry] : empty;
}

void LanguageTable::set(int entry, std::string text) {
    if (entry >= 0 && entry < kEntries) entries_[entry] = std::move(text);
}

std::string_view LanguageTable::builtIn(int entry) {
    return entry >= 0 && entry < kEntries ? kBuiltIn[entry] : std::string_view();
}

void LanguageTable::applyBuiltIn() {
    for (int i = 0; i < kEntries; ++i)
        if (hasBuiltIn(i)) entries_[i] = std::string(kBuiltIn[i]);
}

bool LanguageTable::load(const std::optional<std::string>& fileBytes) {
    if (!fileBytes || fileBytes->empty()) {
        applyBuiltIn();
        return false;
    }
    const std::string text = utf8Text(*fileBytes);
    TabFields fields;
    for (std::string_view line : textLineViews(text)) {
        if (line.empty()) continue;
        // Field 0 is looked at before the line is cut, so a long line of
        // text is never copied.
        if (!startsWithNumber(line.substr(0, line.find('\t')))) continue;
        fields.assign(line, kFields);
        double value = LeadingNumber(fields[0]);
        if (value > kEntries - 1) continue;
        std::int64_t entry = nearestInteger(value);
        if (entry < 0) {
            applyBuiltIn();
            return false;
        }
        set(static_cast<int>(entry), fields[1]);
    }
    return true;
}

} // namespace plotwise
