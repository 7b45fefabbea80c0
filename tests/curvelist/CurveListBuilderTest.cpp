#include "curvelist/CurveListBuilder.h"
#include "curvelist/SpindleColors.h"

#include <gtest/gtest.h>

using namespace plotwise;

namespace {

struct Fixture {
    CurveList list;
    LoadState state;
    SpindleColors colors = defaultSpindleColors();
    CurveListBuilder builder{list, state, colors};
};

} // namespace

// Names padded to 40 characters and the exact peak markers of spindle files
// are in the CLI golden files (scan-edge.txt).
TEST(SpindleEntry, Layouts) {
    EXPECT_EQ(spindleEntryText(false, 3, "48.62", false, "486.5"),
              "Spindle  3           Torque   48.62           Angle 486.5");
    EXPECT_EQ(spindleEntryText(false, 12, "123456789", true, "1.6"),
              "Spindle 12           Torque 3456789           Time 1.6");
    EXPECT_EQ(spindleEntryText(true, 2, "6.84", false, "12.31"),
              "Press  2           Load    6.84           Distance 12.31");
}

TEST(CurveListBuilder, MultiSpindleFileGetsColouredChildren) {
    Fixture f;
    f.builder.TreeAddMulti("dt\tB.NRACD\tSPNO\t2\t5\tYPeak\t1.5\t2.5\tXPeak\t10\t20", "WAVEF\t0");
    ASSERT_EQ(f.list.count(), 3);
    EXPECT_EQ(f.list.entry(0).text, "B.NRACD");
    EXPECT_EQ(f.list.entry(1).text, "Spindle  2           Torque     1.5           Angle 10");
    EXPECT_EQ(f.list.entry(2).parent, 0);
    EXPECT_EQ(f.list.entry(2).textColor, Pallet(5));
    EXPECT_EQ(f.list.fullPath(2), "B.NRACD\\" + f.list.entry(2).text);
    EXPECT_EQ(f.state.curveFileFamily, 1);
    EXPECT_TRUE(f.list.checkBoxes);
    EXPECT_FALSE(f.list.secondOption);
    Fixture g; // a file of no multi-spindle family gets no children
    g.state.curveFileFamily = 2;
    g.builder.TreeAddMulti("dt\tD.txt\tSPNO\t1\tYPeak\t5", "");
    EXPECT_EQ(g.list.count(), 1);
}

TEST(CurveListBuilder, CheckBoxesFollowTheLastCall) {
    Fixture f;
    int toggles = 0;
    f.builder.onToggleTag = [&](bool enabled, bool untick) { toggles += enabled + 2 * untick; };
    f.state.curveFormat = 7;
    f.builder.TreeAdd("dt\ta\t1\t2\tN/R", "");
    EXPECT_FALSE(f.list.checkBoxes);
    f.state.curveFormat = 8;
    f.builder.TreeAdd("dt\tb\t1\t2\tPress", "");
    EXPECT_TRUE(f.list.checkBoxes);
    f.builder.TreeAddTSV("r.TSV");
    EXPECT_FALSE(f.list.checkBoxes);
    EXPECT_TRUE(f.list.secondOption);
    EXPECT_EQ(f.list.entry(2).text, "r.TSV");
    EXPECT_EQ(toggles, 6);
}
