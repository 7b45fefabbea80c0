#include "shell/VersionDigits.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

// Text as 16-bit little-endian characters, as a version record stores it.
std::string wide(const std::string& text) {
    std::string out;
    for (char c : text)
        out += std::string{c, '\0'};
    return out;
}

TEST(VersionDigits, Cases) {
    struct Case {
        const char* name;
        std::optional<std::string> record;
        std::string expected;
    } cases[] = {
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
    for (const Case& c : cases)
        EXPECT_EQ(versionDigits(c.record), c.expected) << c.name;
}

} // namespace
} // namespace plotwise
