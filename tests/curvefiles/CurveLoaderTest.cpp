#include "curvefiles/CurveLoader.h"
#include "support/CurveFileText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace plotwise;
using plotwise::test::TempFolder;

TEST(CurveLoader, DispatchesByEndingAndResolvesPaths) {
    TempFolder folder;
    const auto keyedBytes = test::keyedSingleFile(10, {"YPeak\t4", "WavePoint\t1", "Unit\t2"}, {"7"});
    const std::string elsewhere = folder.write("other/deep.NRCUR", keyedBytes);
    folder.write("x.cur", "2,1234,356\r\n");
    LocalFileSystem fs;
    LoadState state;
    CurveTrace trace;

    state.curveFileName = "X.TSV";
    state.curveUnit = 3;
    EXPECT_TRUE(CURVELOAD(trace, 1, state, {fs, folder.path(), false}));
    EXPECT_EQ(state.curveUnit, 0);
    EXPECT_EQ(trace[1], "");

    state.curveFileName = elsewhere; // a full path while the result table is shown
    ASSERT_TRUE(CURVELOAD(trace, 1, state, {fs, folder.path(), true}));
    EXPECT_EQ(trace[18], "7");
    EXPECT_EQ(state.curveUnit, 2);
    EXPECT_FALSE(CURVELOAD(trace, 1, state, {fs, folder.path(), false}));

    state.curveFileName = folder.path("x.cur"); // old formats always live in the folder
    EXPECT_FALSE(CURVELOAD(trace, 1, state, {fs, folder.path(), true}));
    state.curveFileName = "missing.nracd";
    EXPECT_FALSE(CURVELOAD(trace, 1, state, {fs, folder.path(), false}));
    state.curveFileName = "x.spacd";
    EXPECT_TRUE(CURVELOAD(trace, 1, state, {fs, folder.path(), false}));
}
