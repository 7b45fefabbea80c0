#include "shell/PathCfg.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

TEST(PathCfg, TextQuotesBothLinesWithCrLf) {
    EXPECT_EQ((PathCfg{"/", "/data/a"}.text()), "\"/\"\r\n\"/data/a\"\r\n");
}

TEST(PathCfg, RoundTripKeepsCommasAndBlanks) {
    for (const std::string folder :
         {"/data/line 3, station 2", "/x,y,z", "/plain", "C:\\Kurven, alt"}) {
        PathCfg saved{"/ [root]", folder};
        auto read = PathCfg::parse(saved.text());
        ASSERT_TRUE(read) << folder;
        EXPECT_EQ(read->drive, "/ [root]");
        EXPECT_EQ(read->folder, folder);
    }
}

TEST(PathCfg, ParseCases) {
    struct Case {
        const char* name;
        std::string bytes;
        std::optional<PathCfg> expected;
    } cases[] = {
        {"unquoted lines", "c: [SYS]\r\nC:\\Data\r\n", PathCfg{"c: [SYS]", "C:\\Data"}},
        {"LF only", "\"/\"\n\"/tmp\"\n", PathCfg{"/", "/tmp"}},
        {"no line end at the end", "\"/\"\r\n\"/tmp\"", PathCfg{"/", "/tmp"}},
        {"one pair removed only", "\"\"/\"\"\r\n\"/a\"\r\n", PathCfg{"\"/\"", "/a"}},
        {"lone quote kept", "\"/\r\n/a\"\r\n", PathCfg{"\"/", "/a\""}},
        {"one line", "\"/\"\r\n", std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const Case& c : cases) {
        auto read = PathCfg::parse(c.bytes);
        ASSERT_EQ(read.has_value(), c.expected.has_value()) << c.name;
        if (!read) continue;
        EXPECT_EQ(read->drive, c.expected->drive) << c.name;
        EXPECT_EQ(read->folder, c.expected->folder) << c.name;
    }
}

} // namespace
} // namespace plotwise
