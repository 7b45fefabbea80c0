#include "curvefiles/ByteReader.h"
#include "curvefiles/KeyedCurveFile.h"
#include "curvefiles/TabFields.h"
#include "support/CurveFileText.h"

#include <gtest/gtest.h>

using namespace plotwise;
using plotwise::test::keyedSingleFile;
using plotwise::test::numberedSamples;
using plotwise::test::Strings;

namespace {

std::string nrcur(int count, int sampleLines, const std::string& unit = "Unit\t3") {
    return keyedSingleFile(10,
                           {"SPNO\t1", "XPeak\t412.5", "YPeak\t25.34", "WAVEFormat\t0",
                            "WavePoint\t" + std::to_string(count), unit, "Interval\t1"},
                           numberedSamples(sampleLines));
}

const std::string kMulti =
    "SPNO\t1\t2\t5\r\n"
    "YPeak\t48.62\t-3.5\t49.10\r\n"
    "XPeak\t486.5\t471.0\t492.5\r\n"
    "WAVEFormat\t0\t0\t0\r\n"
    "WavePoint\t3\t3\t3\r\n"
    "Unit\t1\t1\t1\r\n"
    "Interval\t0\t1\t2\r\n"
    "WaveData\r\n"
    "1\t1.1\t2.1\t5.1\r\n"
    "2\t1.2\t2.2\t5.2\r\n"
    "3\t1.3\t2.3\t5.3\r\n";

} // namespace

TEST(KeyedScan, SummariesOfSingleAndMultiSpindleFiles) {
    std::string wave = "old";
    const std::string bytes = nrcur(5, 5);
    ByteReader reader(bytes);
    auto summary = keyed::scanSingle(reader, false, wave);
    EXPECT_EQ((Strings{summary.peakY, summary.peakX, summary.curveType, wave}),
              (Strings{"25.34", "412.5", "N/R", "WAVEFormat\t0"}));
    // Keys are found in any case; a key line without a TAB leaves the value.
    ByteReader lower(std::string_view("xpeak\t1.25\r\nypeak\t2.005\r\nXPEA\r\nYPEAK\r\n"));
    summary = keyed::scanSingle(lower, true, wave);
    EXPECT_EQ((Strings{summary.peakY, summary.peakX, summary.curveType, wave}),
              (Strings{"2.01", "1.3", "Press", "WAVEFormat\t0"}));
    ByteReader multi(kMulti);
    auto lines = keyed::scanMulti(multi, wave);
    EXPECT_EQ((Strings{lines.spindleLine, lines.peakYLine, lines.peakXLine, wave}),
              (Strings{"SPNO\t1\t2\t5", "YPeak\t48.62\t-3.5\t49.10", "XPeak\t486.5\t471.0\t492.5",
                     "WAVEFormat\t0\t0\t0"}));
}

// The loads of single- and multi-spindle files, their sample slots, counts,
// header lines and value syntax, are in the CLI golden files (data/edge/).

TEST(SingleFileLoad, CopiesLinesAndEndsWithTheInterval) {
    LoadedCurveTable table;
    int row = table.appendRow();
    LoadState state;
    ASSERT_TRUE(keyed::SINGLEFILELOAD(nrcur(3, 3), "x.nrcur", table, row, state));
    EXPECT_EQ((Strings{table.text(row, 1), table.text(row, 4), table.text(row, 5), table.text(row, 6),
                     table.text(row, 7)}),
              (Strings{"1", "3", "1", numberedSamples(3)[1], numberedSamples(3)[2]}));
    EXPECT_EQ(state.curveUnit, 3);
    EXPECT_EQ(state.curveFormat, 6);
    ASSERT_TRUE(keyed::SINGLEFILELOAD(nrcur(3, 3), "Y.SPCUR", table, row, state));
    EXPECT_EQ(state.curveFormat, 8);
    // Keys are case-sensitive here: no unit, no interval.
    state = {};
    auto lower = "unit\t4\r\nSPNO\t2\r\nwavedata\r\nWaveData\r\n7\r\n";
    ASSERT_TRUE(keyed::SINGLEFILELOAD(lower, "x.ncur", table, row, state));
    EXPECT_EQ(state.curveUnit, 0);
    EXPECT_EQ(table.text(row, 1), "2");
    EXPECT_EQ(table.text(row, 5), "");
    // More than 4000 sample lines fail.
    std::string bytes = "WaveData\r\n";
    for (int i = 0; i < 4001; ++i) bytes += "1\r\n";
    EXPECT_FALSE(keyed::SINGLEFILELOAD(bytes, "x.nrcur", table, row, state));
    EXPECT_EQ(table.text(row, 4004), "1");
}

TEST(MultiFileLoad, WritesMappedSpindlesOnly) {
    struct Row {
        const char* name;
        keyed::SpindleRowsBy by;
        Strings expected; // (1,4) (1,5) (1,6) (2,4) (2,5) (2,6) (2,7)
    } rows[] = {
        // Column 1 to row 1, column 3 (spindle 5) to row 2.
        {"by column", keyed::SpindleRowsBy::Column, {" 3", "0", "1.2", " 3", "2", "5.2", "5.3"}},
        // Spindle 5 (column 3) to row 1, spindle 2 (column 2) to row 2.
        {"by spindle number", keyed::SpindleRowsBy::SpindleNumber,
         {" 3", "2", "5.2", " 3", "1", "2.2", "2.3"}},
    };
    for (const auto& row : rows) {
        LoadedCurveTable table;
        table.setRowCount(3);
        std::array<int, 32> rowOf{};
        if (row.by == keyed::SpindleRowsBy::Column) rowOf[0] = 1, rowOf[2] = 2;
        else rowOf[4] = 1, rowOf[1] = 2;
        LoadState state;
        // The one-TAB line at the end is not counted.
        ASSERT_TRUE(keyed::MULTIFILELOAD(kMulti + "\t\r\n", "a.NRACD", table, rowOf, state, row.by));
        EXPECT_EQ((Strings{table.text(1, 4), table.text(1, 5), table.text(1, 6), table.text(2, 4),
                         table.text(2, 5), table.text(2, 6), table.text(2, 7)}),
                  row.expected)
            << row.name;
        EXPECT_EQ(state.curveFormat, 7);
    }
    // No row mapped: nothing written, the state set all the same.
    LoadedCurveTable table;
    LoadState state;
    ASSERT_TRUE(keyed::MULTIFILELOAD(kMulti, "b.spacd", table, {}, state));
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(state.curveFormat, 9);
    EXPECT_EQ(state.curveUnit, 1);
}

namespace plotwise {
namespace {

// One field list cuts the lines of a file in turn: a shorter line after a
// longer one shows none of the longer line's fields.
TEST(TabFields, ReusedStorageShowsOnlyTheCurrentLine) {
    TabFields fields;
    EXPECT_EQ(fields.size(), 0u);
    fields.assign("1\t2.5\t3.5\t4.5");
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_EQ(fields[3], "4.5");
    fields.assign("7\t\t8");
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[0], "7");
    EXPECT_EQ(fields[1], "");
    EXPECT_EQ(fields[2], "8");
    EXPECT_EQ(fields[3], "");
    fields.assign("");
    EXPECT_EQ(fields.size(), 1u);
    EXPECT_EQ(fields[0], "");
    // At most two fields: the TABs beyond are dropped, the rest joins the last.
    fields.assign("Key\ta\tb\tc", 2);
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[1], "abc");
    EXPECT_EQ(TabFields("x\ty", 0).size(), 1u);
    EXPECT_EQ(TabFields("x\ty", 0)[0], "xy");
}

} // namespace
} // namespace plotwise
