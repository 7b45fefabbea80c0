#include "curvefiles/CommaCurveFile.h"
#include "curvefiles/CommaField.h"
#include "curvefiles/LoadedCurveTable.h"
#include "curvefiles/NumberText.h"
#include "curvefiles/PackedDecimal.h"

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

// The table's parsed numbers follow every write of a cell.
TEST(LeadingNumber, TableCellsParsedOnceFollowTheirText) {
    LoadedCurveTable table;
    table.setRowCount(2);
    table.setText(1, 9, "12.5Nm");
    EXPECT_EQ(table.number(1, 9), 12.5);
    table.setText(1, 9, " -3 ");
    table.setText(1, 20, "7");
    EXPECT_EQ(table.number(1, 9), -3);
    EXPECT_EQ(table.number(1, 20), 7);
    table.setRowCount(1);
    table.setRowCount(2);
    EXPECT_EQ(table.number(1, 9), 0);
    EXPECT_EQ(table.number(5, 9), 0);
    EXPECT_EQ(table.number(1, LoadedCurveTable::kColumns), 0);
}

TEST(PackedDecimal, DecodesTwoAndThreeBytes) {
    for (const auto& [high, low, digits, expected] :
         {std::tuple{0x12, 0x34, 2, "12.34"}, {0x00, 0x07, 0, "    7"}, {0x8F, 0x8F, 0, "     "},
          {0x8F, 0x8F, 3, "     "}, {0x8F, 0x00, 0, "  800"}, {0x99, 0x99, 1, "999.9"},
          {0x99, 0x99, 7, " 9999"}, {0x12, 0x34, 3, "1.234"}, {0x00, 0x05, 2, " 0.05"},
          {0x1A, 0x00, 0, "  100"}, {0xF1, 0x23, 0, "   23"}, {0x99, 0x99, 2, "99.99"},
          {0x00, 0x00, 1, "  0.0"}, {0x12, 0x34, 255, " 1234"}})
        EXPECT_EQ(BCDASCII(std::uint8_t(high), std::uint8_t(low), digits), expected)
            << high << " " << low << " " << digits;
    // Three bytes: the high byte first, as in two.
    EXPECT_EQ(BCD3ASCII(0x01, 0x23, 0x45, 3), " 12.345");
    EXPECT_EQ(BCD3ASCII(0x00, 0x00, 0x00, 3), "  0.000");
    EXPECT_EQ(BCD3ASCII(0x8F, 0x8F, 0x8F, 3), "       ");
    EXPECT_EQ(BCD3ASCII(0x99, 0x99, 0x99, 0), " 999999");
    EXPECT_EQ(BCD3ASCII(0x99, 0x99, 0x99, 3), "999.999");
}

TEST(CommaField, PicksFieldsAndSplitsNumberFromUnit) {
    const std::string tens = "0,1,2,3,4,5,6,7,8,9,10";
    for (const auto& [line, field, expected] :
         {std::tuple{"a,b,c", 2, "c"}, {"a,b", 5, ""}, {tens.c_str(), 8, "8910"},
          {tens.c_str(), 9, ""}, {",,x", 2, "x"}, {"a,b", 10, ""}})
        EXPECT_EQ(LDATA(line, field), expected) << line << " " << field;
    // By character code: digits, signs, points and blanks are the number.
    for (const auto& [text, number, unit] :
         {std::tuple{"-3.2E+01Nm", "-3.2+01", "ENm"}, {"12.5 MM", "12.5 ", "MM"}}) {
        const auto split = comma::splitNumberAndUnit(text);
        EXPECT_EQ(std::pair(split.number, split.unit), std::pair(std::string(number), std::string(unit)));
    }
}
