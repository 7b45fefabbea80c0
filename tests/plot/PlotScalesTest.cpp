// The plot's number rules: Y full scale, convenient scales, labels, margins
// and the read-out.
#include "plot/PlotScales.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

TEST(PlotScales, YFullScaleFromPeakOrManualText) {
    struct Row {
        const char* name;
        double peak;
        const char* text1;
        double expected;
    } rows[] = {
        {"just below one", 0.995, "AUTO", 1.19}, {"one", 1.0, "AUTO", 1.2},
        {"tiny peak draws nothing", 0.004, "AUTO", 0}, {"half", 0.5, "AUTO", 0.6},
        {"whole part raised", 12.7, "AUTO", 14.4}, {"large", 250, "AUTO", 300},
        {"manual overrides", 3000, "25", 25}, {"empty is auto", 10, "", 12},
        {"manual with unit text", 1, "7.5Nm", 7.5},
    };
    for (const Row& row : rows)
        EXPECT_NEAR(TQ2(row.peak, row.text1), row.expected, 1e-5) << row.name;
}

TEST(PlotScales, ConvenientScaleRaisesToTheNextStep) {
    struct Row {
        const char* s;
        const char* expected;
    } rows[] = {
        {"0.004", " .005"}, {"0.05", " .06"}, {"0.5", " .6"},    {"7.2", " 8"},
        {"55", " 60"},      {"120", " 200"},  {"3500", " 4000"}, {"12000", " 10000"},
        {"10", " 20"},      {"", " .001"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TQSCALE("AUTO", row.s), row.expected) << row.s;
    EXPECT_EQ(TQSCALE("25", "7.2"), "25") << "a manual scale is returned unchanged";
}

TEST(PlotScales, YLabelFormatAndValues) {
    EXPECT_EQ(yLabelDecimals(9.99), 3);
    EXPECT_EQ(yLabelDecimals(10), 2);
    EXPECT_EQ(yLabelDecimals(999), 1);
    EXPECT_EQ(yLabelDecimals(1000), 0);
    // A manual full scale of 25: 0, 2.50, ... 25.00.
    EXPECT_EQ(yLabelText(25, 0, 0), "    0.00");
    EXPECT_EQ(yLabelText(25, 0, 1), "    2.50");
    EXPECT_EQ(yLabelText(25, 0, 10), "   25.00");
    // VS = 50 on a full scale of 20: -5.00, -3.00, ... 15.00.
    EXPECT_EQ(yLabelText(20, 50, 0), "   -5.00");
    EXPECT_EQ(yLabelText(20, 50, 1), "   -3.00");
    EXPECT_EQ(yLabelText(20, 50, 10), "   15.00");
}

TEST(PlotScales, XLabelsSpanTheScaleAroundHS) {
    const double span = xScale(0).labelSpanTorque;
    EXPECT_EQ(xLabelText(span, 100, 0), "   55");
    EXPECT_EQ(xLabelText(span, 100, 9), "  100");
    EXPECT_EQ(xLabelText(span, 100, 10), "  105");
    EXPECT_EQ(xLabelText(span, 0, 0), "  -45");
    EXPECT_EQ(xLabelText(span, 0, 10), "    5");
    EXPECT_EQ(xLabelText(xScale(5).labelSpanTorque, 5000, 0), " 3920");
}

TEST(PlotScales, LeftMarginStaysAboutTwelveHundredPictureUnits) {
    struct Row {
        double width;
        int x0;
    } rows[] = {{6195, 1200}, {12390, 600}, {12000, 619}, {24000, 309}, {3098, 2399}};
    for (const Row& row : rows) {
        const PlotGeometry g = PlotGeometry::of(row.width, 5775);
        EXPECT_EQ(g.x0, row.x0) << row.width;
        EXPECT_NEAR(g.x0 * g.sx, 1200, g.sx + 1e-9) << row.width;
    }
}

TEST(PlotScales, ReadOutOfAPoint) {
    ReadOutInputs in;
    in.geometry = PlotGeometry::of(6195, 5775);
    in.xReadScale = 0.02;
    in.hsValue = 100;
    in.yPerUnit = 20.0 / 5000;
    in.plotBottom = 5115 + 210;
    // The HS position (X0 + 4530) reads the HS value.
    EXPECT_EQ(readOutText(in, 1200 + 4530, 5115 + 210), " X: 100.0 Degree Y: 0.000 Nm");
    // The zero grid line lies 15 design units above the frame's bottom.
    EXPECT_NEAR(readOutY(in, 5100 + 210), 15 * in.yPerUnit, 1e-9);
    in.torque = false;
    in.xReadScale = 0.08;
    EXPECT_EQ(readOutText(in, 1200 + 4530 + 125, 5115 + 210), " X: 101.000 mm Y: 0.000 KN");
    in.loadInNewton = true;
    EXPECT_EQ(readOutText(in, 1200 + 4530, 5115 + 210), " X: 100.000 mm Y: 0.000 N");
}

} // namespace
} // namespace plotwise
