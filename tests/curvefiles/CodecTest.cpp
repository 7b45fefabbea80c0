#include "curvefiles/CommaCurveFile.h"
#include "curvefiles/CommaField.h"
#include "curvefiles/PackedDecimal.h"

#include <gtest/gtest.h>

using namespace plotwise;

TEST(PackedDecimal, DecodesTwoAndThreeBytes) {
    struct Row {
        std::uint8_t high, low;
        int digits;
        const char* expected;
    };
    const Row rows[] = {
        {0x12, 0x34, 2, "12.34"}, {0x00, 0x07, 0, "    7"}, {0x8F, 0x8F, 0, "     "},
        {0x8F, 0x8F, 3, "     "}, {0x8F, 0x00, 0, "  800"}, {0x99, 0x99, 1, "999.9"},
        {0x99, 0x99, 7, " 9999"}, {0x12, 0x34, 3, "1.234"}, {0x00, 0x05, 2, " 0.05"},
        {0x1A, 0x00, 0, "  100"}, {0xF1, 0x23, 0, "   23"}, {0x99, 0x99, 2, "99.99"},
        {0x00, 0x00, 1, "  0.0"}, {0x12, 0x34, 255, " 1234"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(BCDASCII(row.high, row.low, row.digits), row.expected)
            << int(row.high) << " " << int(row.low) << " " << row.digits;
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
