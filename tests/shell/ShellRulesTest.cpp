// The shell's text and path rules that need no window: drives, the language
// table, PATH.CFG, the loaded-curve table as text and the version digits.
#include "CoreFixture.h"
#include "shell/DriveRules.h"
#include "shell/LanguageTable.h"
#include "shell/PathCfg.h"
#include "shell/TableText.h"
#include "shell/VersionDigits.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace plotwise {
namespace {

#ifndef _WIN32
TEST(DriveRules, VolumesRootsAndPathParts) {
    DriveRules rules(
        {{"/", "/"}, {"/media/usb", "/media/usb [STICK]"}, {"/mnt/data", "/mnt/data"}});
    struct Row {
        std::string path, drive;
        bool root;
    } rows[] = {
        {"/", "/", true},
        {"/home/x", "/", false},
        {"/media", "/", false},
        {"/ab", "/", false}, // three characters, still not a drive
        {"/media/usb", "/media/usb", true},
        {"/media/usb/", "/media/usb", true},
        {"/media/usb/curves/a", "/media/usb", false},
        {"/media/usbstick", "/", false},
        {"/mnt/data2/x", "/", false},
        {"relative/path", "", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(rules.driveOf(row.path), row.drive) << row.path;
        EXPECT_EQ(rules.isDriveRoot(row.path), row.root) << row.path;
    }
    EXPECT_EQ(rules.find("/media/usb [STICK]")->root, "/media/usb");
    EXPECT_EQ(rules.find("/media/usb/")->text, "/media/usb [STICK]");
    EXPECT_FALSE(rules.find("/media/other [X]"));
    EXPECT_FALSE(rules.find(""));
    // Edges of the path helpers that the navigation tests do not reach.
    EXPECT_EQ(normalizeFolder("//"), "/");
    EXPECT_EQ(upToLastSeparator("/"), "/");
    EXPECT_EQ(upToLastSeparator("name"), "");
    EXPECT_EQ(lastPathPart("Console"), "Console");
    EXPECT_EQ(pathChain("/", "/"), (std::vector<std::string>{"/"}));
}
#endif

TEST(LanguageTable, LoadRules) {
    struct Row {
        const char* name;
        std::optional<std::string> file;
        bool loaded;
        int entry;
        std::string expected;
    } rows[] = {
        {"missing file: built-in", std::nullopt, false, 8, "PLOTWISE Version"},
        {"empty file: built-in", "", false, 0, "MS Sans Serif"},
        {"sets text", "8\tVERSION\r\n", true, 8, "VERSION"},
        {"unset entries stay empty", "8\tVERSION\r\n", true, 36, ""},
        {"further fields ignored", "3\tName\tcomment\r\n", true, 3, "Name"},
        {"leading blank kept", "9\t Linked\r\n", true, 9, " Linked"},
        {"7.5 sets entry 8", "7.5\tseven-and-half\r\n", true, 8, "seven-and-half"},
        {"8.5 sets entry 8", "8.5\teight-and-half\r\n", true, 8, "eight-and-half"},
        {"entry 51 skipped", "51\tx\r\n0\tArial\r\n", true, 0, "Arial"},
        {"comment line skipped", "0\tArial\r\n; by hand\tnot a font\r\n", true, 0, "Arial"},
        {"last line without end", "5\tLoad", true, 5, "Load"},
        {"later line wins", "5\tA\r\n5\tB\r\n", true, 5, "B"},
        {"-1 falls back", "8\tmine\r\n-1\tx\r\n", false, 8, "PLOTWISE Version"},
        {"fallback keeps unlisted entries", "32\tkept\r\n-1\tx\r\n", false, 32, "kept"},
        {"Latin-1 read", "3\tNom \xE9\r\n", true, 3, "Nom \xC3\xA9"},
    };
    for (const Row& row : rows) {
        LanguageTable table;
        EXPECT_EQ(table.load(row.file), row.loaded) << row.name;
        EXPECT_EQ(table[row.entry], row.expected) << row.name;
    }
}

TEST(PathCfg, TextAndParse) {
    EXPECT_EQ((PathCfg{"/", "/data/a"}.text()), "\"/\"\r\n\"/data/a\"\r\n");
    struct Row {
        const char* name;
        std::string bytes;
        std::optional<PathCfg> expected;
    } rows[] = {
        {"commas kept", PathCfg{"/ [root]", "/data/line 3, station 2"}.text(),
         PathCfg{"/ [root]", "/data/line 3, station 2"}},
        {"only commas", PathCfg{"/", "/x,y,z"}.text(), PathCfg{"/", "/x,y,z"}},
        {"unquoted lines", "c: [SYS]\r\nC:\\Data, old\r\n", PathCfg{"c: [SYS]", "C:\\Data, old"}},
        {"LF only", "\"/\"\n\"/tmp\"\n", PathCfg{"/", "/tmp"}},
        {"no line end at the end", "\"/\"\r\n\"/tmp\"", PathCfg{"/", "/tmp"}},
        {"one pair removed only", "\"\"/\"\"\r\n\"/a\"\r\n", PathCfg{"\"/\"", "/a"}},
        {"lone quote kept", "\"/\r\n/a\"\r\n", PathCfg{"\"/", "/a\""}},
        {"one line", "\"/\"\r\n", std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const Row& row : rows) {
        auto read = PathCfg::parse(row.bytes);
        ASSERT_EQ(read.has_value(), row.expected.has_value()) << row.name;
        if (!read) continue;
        EXPECT_EQ(read->drive, row.expected->drive) << row.name;
        EXPECT_EQ(read->folder, row.expected->folder) << row.name;
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
    using test::wide;
    struct Row {
        const char* name;
        std::optional<std::string> record;
        std::string expected;
    } rows[] = {
        {"no record", std::nullopt, ""},
        {"empty record", std::string(), ""},
        {"wide key and value",
         std::string("\x01\x02", 2) + wide("Assembly Version") + std::string(4, '\0') +
             wide("1.0.3.0") + wide("Product"),
         "1.030"},
        {"fixed positions", wide("Assembly Version") + wide("2.10.4.1"), "2.1.."},
        {"no key", wide("FileVersion") + wide("1.0.3.0"), ""},
        {"key case matters", wide("assembly version") + wide("1.0.3.0"), ""},
        {"first key wins", wide("Assembly Version1.2.3.4Assembly Version9.9.9.9"), "1.234"},
        {"short value", "Assembly Version1.0", "1.0"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(versionDigits(row.record), row.expected) << row.name;
}

} // namespace
} // namespace plotwise
