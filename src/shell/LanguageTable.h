#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace plotwise {

// The 51 user-interface texts (entries 0..50): font name, character set,
// captions, tips, headings. Filled from CURVELANG.TXT or the built-in English
// table.
class LanguageTable {
public:
    static constexpr int kEntries = 51;
    // Entry numbers the window uses by name.
    enum Entry : int {
        FontName = 0,
        Charset = 1,
        HeadingFileName = 3,
        HeadingSpindle = 4,
        HeadingTorque = 5,
        HeadingAngle = 6,
        HeadingPoints = 7,
        CaptionPrefix = 8,
        LinkTavrin = 9,
        LinkMoskel = 10,
        Degree = 12,
        FolderTipFirst = 20,
        ExportTipFirst = 26,
        DisplayItemSelect = 35,
        NoCurveFile = 36,
        Previous = 37,
        Next = 38,
        Lines = 39,
        LinkQuerna = 43,
        ConvertAllJpg = 45,
        ImageSize = 49,
    };

    // Entry text; "" for a number outside 0..50.
    const std::string& operator[](int entry) const;
    void set(int entry, std::string text);

    // Sets the built-in text of every entry that has one (32..34 and 50 keep
    // what they hold).
    void applyBuiltIn();
    // The built-in text of an entry ("" for 32..34, 50 and out-of-range numbers).
    static std::string_view builtIn(int entry);

    // Loads the language file's bytes (nullopt when it could not be read).
    // Returns true when the file was read to its end; otherwise the built-in
    // table applies and the result is false.
    bool load(const std::optional<std::string>& fileBytes);

private:
    std::array<std::string, kEntries> entries_{};
};

} // namespace plotwise
