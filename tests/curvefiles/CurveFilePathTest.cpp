#include "curvefiles/CurveFilePath.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace plotwise;
using plotwise::test::TempFolder;

namespace {

const ResultLineKey kKey{"2008/05/12", "09:07:03", "0", "", "3"};

} // namespace

TEST(CurveFileNames, ArchiveAndLiveCandidates) {
    auto names = curveFileNames(kKey, 2, false);
    EXPECT_EQ(names.first, "20080512_090703_0_01.nrcur");
    EXPECT_EQ(names.second, "20080512_090703_3_ANG_0.nrcur");
    EXPECT_EQ(names.third, "_12_090703_ANGLE.nrcur");
    EXPECT_EQ(curveFileNames(kKey, 2, true).first, "12_090703_01_ANGLE.nrcur");

    ResultLineKey withId = kKey;
    withId.id = "ENG4711";
    names = curveFileNames(withId, 1, false);
    EXPECT_EQ(names.first, "20080512_090703_0.nracd");
    EXPECT_EQ(names.second, "ENG4711_20080512_090703_3_ANG_0.nracd");
    EXPECT_EQ(names.third, "ENG4711_12_090703_ANGLE.nracd");
    EXPECT_EQ(curveFileNames(withId, 1, true).first, "12_090703_ANGLE.nracd");

    names = curveFileNames(withId, 3, false);
    EXPECT_EQ(names.first, "20080512_090703_0.spacd");
    EXPECT_EQ(names.second, "ENG4711_20080512_090703_3_DIS_0.spacd");
    EXPECT_EQ(names.third, "");
    EXPECT_EQ(curveFileNames(kKey, 3, true).first, "12_090703_ANGLE.spacd");
    EXPECT_EQ(curveFileNames(kKey, 0, false).first, "");
}

// Only the day folder's subfolders are searched; a later one wins, and case matters.
TEST(CurveFilePath, LaterSubfolderWinsAndCaseMatters) {
    TempFolder root;
    root.makeFolder("data/RESULT/200805");
    root.write("data/CURVE/200805/20080512/a/20080512_090703_0_01.nrcur", "x");
    root.write("data/CURVE/200805/20080512/B/20080512_090703_3_ANG_0.nrcur", "x");
    root.write("data/CURVE/200805/20080512/c/20080512_090703_0_01.NRCUR", "x");
    root.write("data/CURVE/200805/20080512/20080512_090703_0_01.nrcur", "x"); // not searched
    LocalFileSystem fs;
    CurveFolders folders{root.path("data/RESULT/200805"), "", ""};
    EXPECT_EQ(CF_Curve_Path(kKey, 2, folders, fs),
              root.path("data/CURVE/200805/20080512/B/20080512_090703_3_ANG_0.nrcur"));
}
