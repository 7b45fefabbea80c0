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


namespace plotwise {
namespace {

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
        EXPECT_EQ(table.load(test::optionalBytes(row[1])), row[2] == "1") << line;
        EXPECT_EQ(table[std::stoi(row[3])], test::bytesOf(row[4])) << line;
    }
}

TEST(PathCfg, TextAndParse) {
    EXPECT_EQ((PathCfg{"/", "/data/a"}.text()), "\"/\"\r\n\"/data/a\"\r\n");
    for (const auto& [line, row] : test::readCases(PLOTWISE_TESTDATA_DIR "/path_cfg.txt")) {
        const auto drive = test::optionalBytes(row[2]), folder = test::optionalBytes(row[3]);
        const auto read = PathCfg::parse(row[1] == "text" ? PathCfg{*drive, *folder}.text() : test::bytesOf(row[1]));
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
    std::string headings = "File Name\tSP #\tTorque\tAngle\tPoints";
    for (int i = 1; i <= 4000; ++i) headings += "\t" + std::to_string(i);
    EXPECT_EQ(loadedCurveTableText(table), headings + "\r\nA.nrcur" + std::string(6, '\t') + "0.5" +
                                               std::string(3998, '\t') + "\r\n" + std::string(5, '\t') +
                                               "1\t2" + std::string(3999, '\t') + "\r\n");
}

TEST(VersionDigits, FromTheRecord) {
    for (const auto& [line, row] : test::readCases(PLOTWISE_TESTDATA_DIR "/version_digits.txt")) {
        std::string record;
        for (std::size_t i = 2; i < row.size(); ++i)
            record += row[i].starts_with("w:") ? test::wide(row[i].substr(2)) : test::bytesOf(row[i]);
        const bool none = row.size() > 2 && row[2] == "(none)";
        EXPECT_EQ(versionDigits(none ? std::nullopt : std::optional(record)), row[1]) << line;
    }
}

} // namespace
} // namespace plotwise
