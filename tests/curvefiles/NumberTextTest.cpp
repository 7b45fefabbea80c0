#include "curvefiles/NumberText.h"

#include <gtest/gtest.h>

#include <limits>

using namespace plotwise;

TEST(LeadingNumber, ReadsTheLongestLeadingNumber) {
    for (const auto& [text, expected] :
         {std::pair{"12.5Nm", 12.5}, {"DEG", 0},     {"", 0},          {" 12.50 KN", 12.5},
          {"-.5", -0.5},            {"x1", 0},      {"1 234", 1234},  {"1\t2\n3", 123},
          {"12e", 12},              {"12e+", 12},   {"1.5e3x", 1500}, {"1E-2", 0.01},
          {"+7", 7},                {"- 5", -5},    {"1.2.3", 1.2},   {".", 0},
          {"-", 0},                 {"0012", 12},   {"-3.2+01", -3.2}, {"\r5", 0},
          {"1e999", std::numeric_limits<double>::infinity()},         {"1e-999", 0}})
        EXPECT_EQ(LeadingNumber(text), expected) << text;
}

TEST(StrictNumber, AcceptsOnlyWholeNumbers) {
    for (const auto& [text, expected] : {std::pair{" 12.5 ", 12.5}, {"-1e3", -1000}, {".25", 0.25}})
        EXPECT_EQ(strictNumber(text), expected) << text;
    for (const char* bad : {"", " ", "12a", "a12", "1 2", "--1", ".", "1e999", "1,5"})
        EXPECT_FALSE(strictNumber(bad).has_value()) << bad;
}

TEST(NumberToText, WritesShortestPlainForm) {
    for (const auto& [value, expected] :
         {std::pair{12.5, " 12.5"}, {0.25, " .25"}, {-3, "-3"}, {0, " 0"}, {-0.0, " 0"},
          {-0.5, "-.5"}, {360, " 360"}, {1e21, " 1000000000000000000000"}, {1e-7, " .0000001"},
          {0.1 + 0.2, " .30000000000000004"}})
        EXPECT_EQ(numberToText(value), expected) << value;
    EXPECT_EQ(numberToText(12.34f), " 12.34");
    EXPECT_EQ(numberToText(static_cast<float>(1.0 / 3.0)), " .33333334");
}

TEST(FormatDecimals, RoundsHalvesAwayFromZero) {
    for (const auto& [value, decimals, expected] :
         {std::tuple{12.345, 2, "12.35"}, {-12.345, 2, "-12.35"}, {2.675, 2, "2.68"},
          {1.005, 2, "1.01"}, {0.0015, 3, "0.002"}, {12.5, 0, "13"}, {13.5, 0, "14"},
          {-0.5, 0, "-1"}, {9.995, 2, "10.00"}, {0, 2, "0.00"}, {1500, 2, "1500.00"},
          {0.0015, 2, "0.00"}, {1e21, 1, "1000000000000000000000.0"}, {12.5, 1, "12.5"}})
        EXPECT_EQ(formatDecimals(value, decimals), expected) << value;
    EXPECT_EQ(formatDecimals(999.9f, 1), "999.9");
    EXPECT_EQ(formatDecimals(12.345f, 3), "12.345");
}

TEST(NearestInteger, RoundsHalvesToEven) {
    for (const auto& [value, expected] : {std::pair{7.5, 8}, {8.5, 8}, {-2.5, -2}, {2.6, 3},
                                          {std::numeric_limits<double>::quiet_NaN(), 0}})
        EXPECT_EQ(nearestInteger(value), expected) << value;
    EXPECT_GT(nearestInteger(1e300), 0);
}
