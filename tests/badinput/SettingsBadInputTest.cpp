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

namespace bad = test::bad;

struct Case {
    const char* name;
    const std::string& (*bytes)();
};

const Case kCommon[] = {
    {"empty", bad::empty},           {"one byte", bad::oneByte},
    {"random bytes", bad::randomBytes}, {"NULs", bad::nuls},
    {"50 MiB line without an end", bad::hugeLine}, {"1 MiB lines", bad::megabyteLines},
    {"5000 TABs", bad::manyTabs},    {"5000 commas", bad::manyCommas},
};

// No entry number in any of the common cases but "one byte" (entry 7): the
// built-in texts stay where the file names none.
TEST(LanguageFileBadInput, CommonCases) {
    for (const Case& c : kCommon) {
        SCOPED_TRACE(c.name);
        LanguageTable table;
        table.applyBuiltIn();
        EXPECT_EQ(table.load(c.bytes()), !c.bytes().empty());
        EXPECT_EQ(table[LanguageTable::HeadingFileName], "File Name");
    }
    LanguageTable missing;
    EXPECT_FALSE(missing.load(std::nullopt));
    EXPECT_EQ(missing[LanguageTable::NoCurveFile], "NO CURVE FILE FOUND");
}

TEST(LanguageFileBadInput, EntryNumbersOutsideTheTable) {
    struct Row {
        const char* text;
        bool loaded;
        std::string entry3;
    };
    const Row rows[] = {
        {"3\tName\r\n51\tToo far\r\n", true, "Name"},
        {"3\tName\r\n1e308\tHuge\r\n", true, "Name"},
        {"3\tName\r\nnan\tx\r\n", true, "Name"},
        {"3\tName\r\n-1\tNegative\r\n", false, "File Name"}, // a negative number ends the load
        {"3\tName\rCR only\r", true, "Name"},
        {"3\t\r\n", true, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        LanguageTable table;
        EXPECT_EQ(table.load(std::string(row.text)), row.loaded);
        EXPECT_EQ(table[3], row.entry3);
    }
}

TEST(PathCfgBadInput, FewerThanTwoLinesIsNoSetting) {
    for (const Case& c : kCommon) {
        SCOPED_TRACE(c.name);
        // Of these only the twelve 1 MiB lines are more than one line.
        EXPECT_EQ(PathCfg::parse(c.bytes()).has_value(), c.bytes() == bad::megabyteLines());
    }
    EXPECT_FALSE(PathCfg::parse("\"/data\""));
    EXPECT_EQ(PathCfg::parse("\"/\"\r\"/data\"")->folder, "/data");
    EXPECT_EQ(PathCfg::parse("\"\r\n\"\r\n")->drive, "\"");
}

TEST(ConsoleSettingsBadInput, UnknownLinesKeepEverySetting) {
    for (const Case& c : kCommon) {
        for (const char* name : {"IP.SYS", "MONI.SYS", "WAVE.SYS"}) {
            SCOPED_TRACE(std::string(c.name) + " in " + name);
            test::MemoryFileSystem fs;
            fs.put(name, c.bytes());
            ShellState shell;
            shell.consoleSettingsFolder = "/console";
            shell.rSaveFolder = "/kept";
            shell.stationName = "kept";
            shell.waveAutoSavePath = "/kept";
            readConsoleSettings(shell, fs, test::SizePlatform(fs));
            EXPECT_EQ(shell.rSaveFolder, "/kept");
            EXPECT_EQ(shell.stationName, "kept");
            EXPECT_EQ(shell.waveAutoSavePath, "/kept");
        }
    }
}

TEST(VersionRecordBadInput, NoKeyGivesNoVersion) {
    for (const Case& c : kCommon) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(versionDigits(c.bytes()), "");
    }
    EXPECT_EQ(versionDigits(std::string("Assembly Version")), "");
    EXPECT_EQ(versionDigits(std::string("Assembly Version1.")), "1.");
    EXPECT_EQ(versionDigits(std::nullopt), "");
}

} // namespace
} // namespace plotwise
