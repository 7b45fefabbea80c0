// Bad bytes in the program's and the console's small files: the language
// file, PATH.CFG, IP.SYS / MONI.SYS / WAVE.SYS and version records.
#include "BadBytes.h"
#include "shell/ConsoleSettings.h"
#include "shell/LanguageTable.h"
#include "shell/PathCfg.h"
#include "shell/VersionDigits.h"
#include "support/MemoryFileSystem.h"
#include "support/SizePlatform.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

// Of the bad inputs only "one byte" has an entry number (7), only the twelve
// 1 MiB lines are more than one line, none holds a version key, and unknown
// console lines keep every setting.
TEST(SettingsBadInput, EveryFileGivenEveryBadInput) {
    for (const auto& [name, bytes] : test::badInputs()) {
        SCOPED_TRACE(name);
        LanguageTable table;
        table.applyBuiltIn();
        EXPECT_EQ(table.load(bytes), !bytes.empty());
        EXPECT_EQ(table[LanguageTable::HeadingFileName], "File Name");
        EXPECT_EQ(PathCfg::parse(bytes).has_value(), name == "1 MiB lines");
        EXPECT_EQ(versionDigits(bytes), "");
        for (const char* file : {"IP.SYS", "MONI.SYS", "WAVE.SYS"}) {
            test::MemoryFileSystem fs;
            fs.put(file, bytes);
            ShellState shell;
            shell.consoleSettingsFolder = "/console";
            shell.rSaveFolder = shell.waveAutoSavePath = "/kept";
            shell.stationName = "kept";
            readConsoleSettings(shell, fs, test::SizePlatform(fs));
            EXPECT_EQ((std::vector<std::string>{shell.rSaveFolder, shell.stationName, shell.waveAutoSavePath}),
                      (std::vector<std::string>{"/kept", "kept", "/kept"})) << file;
        }
    }
}

TEST(LanguageFileBadInput, MissingFileAndEntryNumbersOutsideTheTable) {
    LanguageTable missing;
    EXPECT_FALSE(missing.load(std::nullopt));
    EXPECT_EQ(missing[LanguageTable::NoCurveFile], "NO CURVE FILE FOUND");
    // Text, loaded, entry 3 afterwards; a negative number ends the load.
    for (const auto& [text, loaded, entry3] :
         {std::tuple{"3\tName\r\n51\tToo far\r\n", true, "Name"}, {"3\tName\r\n1e308\tHuge\r\n", true, "Name"},
          {"3\tName\r\nnan\tx\r\n", true, "Name"}, {"3\tName\r\n-1\tNegative\r\n", false, "File Name"},
          {"3\tName\rCR only\r", true, "Name"}, {"3\t\r\n", true, ""}}) {
        LanguageTable table;
        EXPECT_EQ(table.load(std::string(text)), loaded) << text;
        EXPECT_EQ(table[3], entry3) << text;
    }
}

TEST(PathCfgAndVersionBadInput, ShortAndOddLines) {
    EXPECT_FALSE(PathCfg::parse("\"/data\""));
    EXPECT_EQ(PathCfg::parse("\"/\"\r\"/data\"")->folder, "/data");
    EXPECT_EQ(PathCfg::parse("\"\r\n\"\r\n")->drive, "\"");
    EXPECT_EQ(versionDigits(std::string("Assembly Version")), "");
    EXPECT_EQ(versionDigits(std::string("Assembly Version1.")), "1.");
    EXPECT_EQ(versionDigits(std::nullopt), "");
}

} // namespace
} // namespace plotwise
