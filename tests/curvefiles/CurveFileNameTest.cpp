#include "curvefiles/CurveFileName.h"
#include "curvefiles/CurveFilePath.h"
#include "support/CaseFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace plotwise;

namespace {

using Fields = std::vector<std::string>;

std::string dataFile(const std::string& name) { return std::string(PLOTWISE_TESTDATA_DIR) + "/" + name; }

const ResultLineKey kKey{"2008/05/12", "09:07:03", "0", "", "3"};

} // namespace

TEST(CurveFileName, ReadsEveryConsolePatternAndRejectsOthers) {
    for (const auto& [line, row] : test::readCases(dataFile("curve_file_names.txt"))) {
        const auto parts = parseCurveFileName(row[0]);
        ASSERT_EQ(parts.has_value(), row.size() > 1) << line;
        if (!parts) continue;
        EXPECT_EQ((Fields{row[0], std::to_string(parts->family), parts->isoDateTime(), parts->day,
                          parts->id, parts->program, parts->spindle}),
                  row);
    }
}

TEST(CurveFileNames, ArchiveAndLiveCandidates) {
    for (const auto& [line, row] : test::readCases(dataFile("curve_file_candidates.txt"))) {
        ResultLineKey key = kKey;
        key.id = row[0];
        const int family = std::stoi(row[1]);
        const CurveFileNames names = curveFileNames(key, family, false);
        EXPECT_EQ((Fields{row[0], row[1], names.first, curveFileNames(key, family, true).first,
                          names.second, names.third}),
                  row)
            << line;
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
