// The shell's text and path rules that need no window: drives, the language
// table, PATH.CFG, the loaded-curve table as text and the version digits.
#include "CoreFixture.h"
#include "shell/DriveRules.h"
#include "shell/LanguageTable.h"
#include "shell/PathCfg.h"
#include "shell/TableText.h"
#include "shell/VersionDigits.h"
#include "support/CaseFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace plotwise {
namespace {

// The bytes a case field spells: \r \n \t and \xNN stand for their bytes, a
// backslash before any other character for that character.
std::string bytesOf(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = field[i] == '\\' && i + 1 < field.size() ? field[++i] : '\0';
        if (c == 'x') out += static_cast<char>(std::stoi(field.substr(i + 1, 2), nullptr, 16)), i += 2;
        else out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c ? c : field[i];
    }
    return out;
}

std::optional<std::string> optionalBytes(const std::string& field) {
    return field == "(none)" ? std::nullopt : std::optional(bytesOf(field));
}

#ifndef _WIN32
TEST(DriveRules, VolumesRootsAndPathParts) {
    DriveRules rules({{"/", "/"}, {"/media/usb", "/media/usb [STICK]"}, {"/mnt/data", "/mnt/data"}});
    for (const auto& [line, row] : test::readCases(PLOTWISE_TESTDATA_DIR "/drive_rules.txt")) {
        EXPECT_EQ(rules.driveOf(row[0]), row[1]) << line;
        EXPECT_EQ(rules.isDriveRoot(row[0]), row[2] == "1") << line;
    }
    EXPECT_EQ(rules.find("/media/usb [STICK]")->root, "/media/usb");
    EXPECT_EQ(rules.find("/media/usb/")->text, "/media/usb [STICK]");
    EXPECT_FALSE(rules.find("/media/other [X]") || rules.find(""));
    // Edges of the path helpers that the navigation tests do not reach.
    EXPECT_EQ(normalizeFolder("//"), "/");
    EXPECT_EQ(upToLastSeparator("/"), "/");
    EXPECT_EQ(upToLastSeparator("name"), "");
    EXPECT_EQ(lastPathPart("Console"), "Console");
    EXPECT_EQ(pathChain("/", "/"), (std::vector<std::string>{"/"}));
}
#endif

TEST(LanguageTable, LoadRules) {
    for (const auto& [line, row] : test::readCases(PLOTWISE_TESTDATA_DIR "/language_table.txt")) {
        LanguageTable table;
        EXPECT_EQ(table.load(optionalBytes(row[1])), row[2] == "1") << line;
        EXPECT_EQ(table[std::stoi(row[3])], bytesOf(row[4])) << line;
    }
}

TEST(PathCfg, TextAndParse) {
    EXPECT_EQ((PathCfg{"/", "/data/a"}.text()), "\"/\"\r\n\"/data/a\"\r\n");
    for (const auto& [line, row] : test::readCases(PLOTWISE_TESTDATA_DIR "/path_cfg.txt")) {
        const auto drive = optionalBytes(row[2]), folder = optionalBytes(row[3]);
        const auto read = PathCfg::parse(row[1] == "text" ? PathCfg{*drive, *folder}.text() : bytesOf(row[1]));
        EXPECT_EQ(read ? std::optional(read->drive) : std::nullopt, drive) << line;
        EXPECT_EQ(read ? std::optional(read->folder) : std::nullopt, folder) << line;
    }
}

TEST(TableText, EveryLineHasAllColumns) {
    LoadedCurveTable table;
    table.setHeadings("File Name", "SP #", "Torque", "Angle", "Points");
    table.setText(table.appendRow(), 0, "A.nrcur");
    table.setText(1, 6, "0.5");
    table.setText(table.appendRow(), 5, "1\t2"); // a tab inside a cell is written unchanged
    const std::string text = loadedCurveTableText(table);
    ASSERT_TRUE(text.ends_with("\r\n"));
    std::vector<std::string> lines;
    for (std::size_t start = 0, at; (at = text.find("\r\n", start)) != std::string::npos;
         start = at + 2)
        lines.push_back(text.substr(start, at - start));
    ASSERT_EQ(lines.size(), 3u);
    const long tabs[] = {4004, 4004, 4005};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), '\t'), tabs[i]) << i;
    EXPECT_TRUE(lines[0].starts_with("File Name\tSP #\tTorque\tAngle\tPoints\t1\t2\t"));
    EXPECT_TRUE(lines[0].ends_with("\t3999\t4000"));
    EXPECT_TRUE(lines[1].starts_with("A.nrcur\t\t\t\t\t\t0.5\t"));
}

TEST(VersionDigits, FromTheRecord) {
    for (const auto& [line, row] : test::readCases(PLOTWISE_TESTDATA_DIR "/version_digits.txt")) {
        std::string record;
        for (std::size_t i = 2; i < row.size(); ++i)
            record += row[i].starts_with("w:") ? test::wide(row[i].substr(2)) : bytesOf(row[i]);
        const bool none = row.size() > 2 && row[2] == "(none)";
        EXPECT_EQ(versionDigits(none ? std::nullopt : std::optional(record)), row[1]) << line;
    }
}

} // namespace
} // namespace plotwise
