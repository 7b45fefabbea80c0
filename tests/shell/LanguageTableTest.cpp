#include "shell/LanguageTable.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

TEST(LanguageTable, BuiltInTableWhenFileMissingOrEmpty) {
    for (const std::optional<std::string>& file :
         {std::optional<std::string>(), std::optional<std::string>("")}) {
        LanguageTable table;
        EXPECT_FALSE(table.load(file));
        EXPECT_EQ(table[0], "MS Sans Serif");
        EXPECT_EQ(table[8], "PLOTWISE Version");
        EXPECT_EQ(table[9], " Linked with TAVRIN Userconsole Software");
        EXPECT_EQ(table[43], " Linked with QUERNA Userconsole Software");
        EXPECT_EQ(table[49], " -- Image Size = ");
        EXPECT_EQ(table[32], "");
        EXPECT_EQ(table[50], "");
    }
}

TEST(LanguageTable, ConvertAllTextsDiffer) {
    for (int a = 45; a <= 48; ++a)
        for (int b = a + 1; b <= 48; ++b)
            EXPECT_NE(LanguageTable::builtIn(a), LanguageTable::builtIn(b));
}

struct LoadCase {
    const char* name;
    std::string file;
    bool loaded;
    int entry;
    std::string expected;
};

class LanguageLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LanguageLoad, SetsEntry) {
    LanguageTable table;
    EXPECT_EQ(table.load(GetParam().file), GetParam().loaded);
    EXPECT_EQ(table[GetParam().entry], GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageLoad,
    ::testing::Values(
        LoadCase{"SetsText", "8\tVERSION\r\n", true, 8, "VERSION"},
        LoadCase{"UnsetEntriesStayEmpty", "8\tVERSION\r\n", true, 36, ""},
        LoadCase{"FurtherFieldsIgnored", "3\tName\tcomment\r\n", true, 3, "Name"},
        LoadCase{"LeadingBlankKept", "9\t Linked\r\n", true, 9, " Linked"},
        LoadCase{"HalfRoundsToEven", "7.5\tseven-and-half\r\n", true, 8, "seven-and-half"},
        LoadCase{"HalfAboveRoundsToEven", "8.5\teight-and-half\r\n", true, 8, "eight-and-half"},
        LoadCase{"Entry51Skipped", "51\tx\r\n0\tArial\r\n", true, 0, "Arial"},
        LoadCase{"CommentLineSkipped", "; translated by hand\tnot a font\r\n0\tArial\r\n", true, 0,
                 "Arial"},
        LoadCase{"CommentDoesNotTouchFont", "0\tArial\r\nword\tcomment\r\n", true, 0, "Arial"},
        LoadCase{"LastLineWithoutEnd", "5\tLoad", true, 5, "Load"},
        LoadCase{"LaterLineWins", "5\tA\r\n5\tB\r\n", true, 5, "B"},
        LoadCase{"NegativeFallsBack", "8\tmine\r\n-1\tx\r\n", false, 8, "PLOTWISE Version"},
        LoadCase{"FallbackKeepsUnlistedEntries", "32\tkept\r\n-1\tx\r\n", false, 32, "kept"},
        LoadCase{"Latin1Read", std::string("3\tNom du fichier \xE9\r\n"), true, 3,
                 "Nom du fichier \xC3\xA9"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LanguageTable, PartialFileLeavesLaterEntriesEmpty) {
    std::string file;
    for (int i = 0; i <= 30; ++i)
        file += std::to_string(i) + "\tT" + std::to_string(i) + "\r\n";
    LanguageTable table;
    EXPECT_TRUE(table.load(file));
    EXPECT_EQ(table[30], "T30");
    for (int i = 31; i <= 50; ++i)
        EXPECT_EQ(table[i], "") << i;
}

} // namespace
} // namespace plotwise
