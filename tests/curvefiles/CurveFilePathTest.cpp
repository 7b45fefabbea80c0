#include "curvefiles/CurveFilePath.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace plotwise;

namespace {

const ResultLineKey kKey{"2008/05/12", "09:07:03", "0", "", "3"};

} // namespace

TEST(CurveFileNames, ArchiveAndLiveCandidates) {
    ResultLineKey withId = kKey;
    withId.id = "ENG4711";
    using Names = std::vector<std::string>;
    // The first candidate in the archive and on a live console, then the second and third.
    for (const auto& [key, family, expected] : {
             std::tuple{kKey, 2, Names{"20080512_090703_0_01.nrcur", "12_090703_01_ANGLE.nrcur",
                                       "20080512_090703_3_ANG_0.nrcur", "_12_090703_ANGLE.nrcur"}},
             {withId, 1, Names{"20080512_090703_0.nracd", "12_090703_ANGLE.nracd",
                               "ENG4711_20080512_090703_3_ANG_0.nracd", "ENG4711_12_090703_ANGLE.nracd"}},
             {withId, 3, Names{"20080512_090703_0.spacd", "12_090703_ANGLE.spacd",
                               "ENG4711_20080512_090703_3_DIS_0.spacd", ""}},
             {kKey, 0, Names{"", "", "", ""}}}) {
        const CurveFileNames names = curveFileNames(key, family, false);
        EXPECT_EQ((Names{names.first, curveFileNames(key, family, true).first, names.second,
                         names.third}),
                  expected);
    }
}

// Only the day folder's subfolders are searched; a later one wins, and case matters.
TEST(CurveFilePath, LaterSubfolderWinsAndCaseMatters) {
    test::TempFolder root;
    root.makeFolder("data/RESULT/200805");
    const std::string day = "data/CURVE/200805/20080512/";
    for (const char* file : {"a/20080512_090703_0_01.nrcur", "B/20080512_090703_3_ANG_0.nrcur",
                             "c/20080512_090703_0_01.NRCUR", "20080512_090703_0_01.nrcur"})
        root.write(day + file, "x"); // the last one lies in the day folder: not searched
    EXPECT_EQ(CF_Curve_Path(kKey, 2, {root.path("data/RESULT/200805"), "", ""}, LocalFileSystem()),
              root.path(day + "B/20080512_090703_3_ANG_0.nrcur"));
}
