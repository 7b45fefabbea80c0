#include "curvefiles/CurveFileName.h"

#include <gtest/gtest.h>

using namespace plotwise;

TEST(CurveFileName, ReadsEveryConsolePatternAndRejectsOthers) {
    using Fields = std::vector<std::string>;
    // Name, family, date-time ("" when only the day is known), day, id, program, spindle.
    const Fields rows[] = {
        {"20080512_090703_0_01.nrcur", "2", "2008-05-12T09:07:03", "12", "", "", "01"},
        {"20261105_090703_0_02.NRCUR", "2", "2026-11-05T09:07:03", "05", "", "", "02"},
        {"12_090703_01_ANGLE.nrcur", "2", "", "12", "", "", "01"},
        {"20080512_090703_3_ANG_0.nrcur", "2", "2008-05-12T09:07:03", "12", "", "3", "01"},
        {"ENG_47_11_20080512_090703_003_ANG_1.nrcur", "2", "2008-05-12T09:07:03", "12", "ENG_47_11",
         "003", "01"},
        {"BRK0816_05_091145_ANGLE.nrcur", "2", "", "05", "BRK0816", "", "01"},
        {"_12_090703_ANGLE.nrcur", "2", "", "12", "", "", "01"},
        {"20261105_080211_0.nracd", "1", "2026-11-05T08:02:11", "05", "", "", "01"},
        {"12_090703_ANGLE.nracd", "1", "", "12", "", "", "01"},
        {"ENG4711_20261105_080502_009_ANG_0.nracd", "1", "2026-11-05T08:05:02", "05", "ENG4711",
         "009", "01"},
        {"ENG4712_05_080627_ANGLE.nracd", "1", "", "05", "ENG4712", "", "01"},
        {"20261105_102005_0.spacd", "3", "2026-11-05T10:20:05", "05", "", "", "01"},
        {"HUB-A17_20261105_102301_023_DIS_0.spacd", "3", "2026-11-05T10:23:01", "05", "HUB-A17",
         "023", "01"},
        {"12_090703_ANGLE.spacd", "3", "", "12", "", "", "01"},
    };
    for (const Fields& row : rows) {
        const auto parts = parseCurveFileName(row[0]);
        ASSERT_TRUE(parts.has_value()) << row[0];
        EXPECT_EQ((Fields{row[0], std::to_string(parts->family), parts->isoDateTime(), parts->day,
                          parts->id, parts->program, parts->spindle}),
                  row);
    }
    // Wrong words, impossible dates and times, wrong tools and endings.
    for (const char* name :
         {"20080512_090703_3_DIS_0.nrcur", "ID_12_090703_ANGLE.spacd", "20080230_090703_0.nracd",
          "20080512_250703_0.nracd", "20080512_090703_2.nracd", "2008051_090703_0.nracd",
          "20080512_090703_0_33.nrcur", "_20080512_090703_3_ANG_0.nrcur", "32_090703_ANGLE.nracd",
          "20080512_090703_0.nrcur", "20080512_090703_0.cur", "M8_bolt_spindle1.nrcur", ".nrcur"})
        EXPECT_FALSE(parseCurveFileName(name)) << name;
}
