#include "curvefiles/LoadedCurveTable.h"
#include "curvefiles/NumberText.h"

#include <gtest/gtest.h>

#include <limits>

using namespace plotwise;

TEST(LeadingNumber, ReadsTheLongestLeadingNumber) {
    struct Row {
        const char* text;
        double expected;
    };
    const Row rows[] = {
        {"12.5Nm", 12.5},      {"DEG", 0},           {"", 0},
        {" 12.50 KN", 12.5},   {"-.5", -0.5},        {"x1", 0},
        {"1 234", 1234},       {"1\t2\n3", 123},     {"12e", 12},
        {"12e+", 12},          {"1.5e3x", 1500},     {"1E-2", 0.01},
        {"+7", 7},             {"- 5", -5},          {"1.2.3", 1.2},
        {".", 0},              {"-", 0},             {"0012", 12},
        {"-3.2+01", -3.2},     {"\r5", 0},           {"1e999", std::numeric_limits<double>::infinity()},
        {"1e-999", 0},
    };
    for (const auto& row : rows) EXPECT_EQ(LeadingNumber(row.text), row.expected) << row.text;
}

TEST(StrictNumber, AcceptsOnlyWholeNumbers) {
    EXPECT_EQ(strictNumber(" 12.5 "), 12.5);
    EXPECT_EQ(strictNumber("-1e3"), -1000);
    EXPECT_EQ(strictNumber(".25"), 0.25);
    for (const char* bad : {"", " ", "12a", "a12", "1 2", "--1", ".", "1e999", "1,5"})
        EXPECT_FALSE(strictNumber(bad).has_value()) << bad;
}

TEST(NumberToText, WritesShortestPlainForm) {
    struct Row {
        double value;
        const char* expected;
    };
    const Row rows[] = {
        {12.5, " 12.5"}, {0.25, " .25"}, {-3, "-3"},       {0, " 0"},          {-0.0, " 0"},
        {-0.5, "-.5"},   {360, " 360"},  {1e21, " 1000000000000000000000"}, {1e-7, " .0000001"},
        {0.1 + 0.2, " .30000000000000004"},
    };
    for (const auto& row : rows) EXPECT_EQ(numberToText(row.value), row.expected) << row.value;
    EXPECT_EQ(numberToText(12.34f), " 12.34");
    EXPECT_EQ(numberToText(static_cast<float>(1.0 / 3.0)), " .33333334");
}

TEST(FormatDecimals, RoundsHalvesAwayFromZero) {
    struct Row {
        double value;
        int decimals;
        const char* expected;
    };
    const Row rows[] = {
        {12.345, 2, "12.35"},  {-12.345, 2, "-12.35"}, {2.675, 2, "2.68"},   {1.005, 2, "1.01"},
        {0.0015, 3, "0.002"},  {12.5, 0, "13"},        {13.5, 0, "14"},      {-0.5, 0, "-1"},
        {9.995, 2, "10.00"},   {0, 2, "0.00"},         {1500, 2, "1500.00"}, {0.0015, 2, "0.00"},
        {1e21, 1, "1000000000000000000000.0"},         {12.5, 1, "12.5"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(formatDecimals(row.value, row.decimals), row.expected) << row.value;
    EXPECT_EQ(formatDecimals(999.9f, 1), "999.9");
    EXPECT_EQ(formatDecimals(12.345f, 3), "12.345");
}

TEST(NearestInteger, RoundsHalvesToEven) {
    EXPECT_EQ(nearestInteger(7.5), 8);
    EXPECT_EQ(nearestInteger(8.5), 8);
    EXPECT_EQ(nearestInteger(-2.5), -2);
    EXPECT_EQ(nearestInteger(2.6), 3);
    EXPECT_EQ(nearestInteger(std::numeric_limits<double>::quiet_NaN()), 0);
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
