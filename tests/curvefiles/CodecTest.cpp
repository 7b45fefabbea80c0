#include "curvefiles/CommaCurveFile.h"
#include "curvefiles/CommaField.h"
#include "curvefiles/PackedDecimal.h"

#include <gtest/gtest.h>

using namespace plotwise;

TEST(PackedDecimal, DecodesTwoBytes) {
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
}

TEST(PackedDecimal, DecodesThreeBytes) {
    EXPECT_EQ(BCD3ASCII(0x01, 0x23, 0x45, 3), " 12.345");
    EXPECT_EQ(BCD3ASCII(0x00, 0x00, 0x00, 3), "  0.000");
    EXPECT_EQ(BCD3ASCII(0x8F, 0x8F, 0x8F, 3), "       ");
    EXPECT_EQ(BCD3ASCII(0x99, 0x99, 0x99, 0), " 999999");
    EXPECT_EQ(BCD3ASCII(0x99, 0x99, 0x99, 3), "999.999");
}

TEST(CommaField, PicksFields) {
    EXPECT_EQ(LDATA("a,b,c", 2), "c");
    EXPECT_EQ(LDATA("a,b", 5), "");
    EXPECT_EQ(LDATA("0,1,2,3,4,5,6,7,8,9,10", 8), "8910");
    EXPECT_EQ(LDATA("0,1,2,3,4,5,6,7,8,9,10", 9), "");
    EXPECT_EQ(LDATA(",,x", 2), "x");
    EXPECT_EQ(LDATA("a,b", 10), "");
}

TEST(NumberAndUnit, SplitsByCharacterCode) {
    auto split = comma::splitNumberAndUnit("-3.2E+01Nm");
    EXPECT_EQ(split.number, "-3.2+01");
    EXPECT_EQ(split.unit, "ENm");
    split = comma::splitNumberAndUnit("12.5 MM");
    EXPECT_EQ(split.number, "12.5 ");
    EXPECT_EQ(split.unit, "MM");
}
