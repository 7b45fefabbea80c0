#include "curvefiles/ByteReader.h"
#include "curvefiles/KeyedCurveFile.h"
#include "curvefiles/TabFields.h"
#include "support/CurveFileText.h"

#include <gtest/gtest.h>

using namespace plotwise;
using plotwise::test::numberedSamples;
using Strings = std::vector<std::string>;

namespace {

// A single-spindle file with `count` samples.
std::string nrcur(int count) {
    return test::keyedSingleFile(10,
                                 {"SPNO\t1", "XPeak\t412.5", "YPeak\t25.34", "WAVEFormat\t0",
                                  "WavePoint\t" + std::to_string(count), "Unit\t3", "Interval\t1"},
                                 numberedSamples(count));
}

const std::string kMulti = "SPNO\t1\t2\t5\r\nYPeak\t48.62\t-3.5\t49.10\r\nXPeak\t486.5\t471.0\t492.5\r\n"
                           "WAVEFormat\t0\t0\t0\r\nWavePoint\t3\t3\t3\r\nUnit\t1\t1\t1\r\n"
                           "Interval\t0\t1\t2\r\nWaveData\r\n"
                           "1\t1.1\t2.1\t5.1\r\n2\t1.2\t2.2\t5.2\r\n3\t1.3\t2.3\t5.3\r\n";

} // namespace

TEST(KeyedScan, SummariesOfSingleAndMultiSpindleFiles) {
    std::string wave = "old";
    auto single = [&](const std::string& bytes, bool press) {
        ByteReader reader(bytes);
        const auto summary = keyed::scanSingle(reader, press, wave);
        return Strings{summary.peakY, summary.peakX, summary.curveType, wave};
    };
    EXPECT_EQ(single(nrcur(5), false), (Strings{"25.34", "412.5", "N/R", "WAVEFormat\t0"}));
    // Keys are found in any case; a key line without a TAB leaves the value.
    EXPECT_EQ(single("xpeak\t1.25\r\nypeak\t2.005\r\nXPEA\r\nYPEAK\r\n", true),
              (Strings{"2.01", "1.3", "Press", "WAVEFormat\t0"}));
    ByteReader multi(kMulti);
    const auto lines = keyed::scanMulti(multi, wave);
    EXPECT_EQ((Strings{lines.spindleLine, lines.peakYLine, lines.peakXLine, wave}),
              (Strings{"SPNO\t1\t2\t5", "YPeak\t48.62\t-3.5\t49.10", "XPeak\t486.5\t471.0\t492.5",
                       "WAVEFormat\t0\t0\t0"}));
}

// The loads of single- and multi-spindle files, their sample slots, counts,
// header lines and value syntax, are in the CLI golden files (data/edge/).

TEST(SingleFileLoad, CopiesLinesAndEndsWithTheInterval) {
    LoadedCurveTable table;
    const int row = table.appendRow();
    LoadState state;
    ASSERT_TRUE(keyed::SINGLEFILELOAD(nrcur(3), "x.nrcur", table, row, state));
    EXPECT_EQ((Strings{table.text(row, 1), table.text(row, 4), table.text(row, 5), table.text(row, 6),
                       table.text(row, 7)}),
              (Strings{"1", "3", "1", numberedSamples(3)[1], numberedSamples(3)[2]}));
    EXPECT_EQ(std::pair(state.curveUnit, state.curveFormat), std::pair(3, 6));
    ASSERT_TRUE(keyed::SINGLEFILELOAD(nrcur(3), "Y.SPCUR", table, row, state));
    EXPECT_EQ(state.curveFormat, 8);
    // Keys are case-sensitive here: no unit, no interval.
    state = {};
    ASSERT_TRUE(keyed::SINGLEFILELOAD("unit\t4\r\nSPNO\t2\r\nwavedata\r\nWaveData\r\n7\r\n", "x.ncur",
                                      table, row, state));
    EXPECT_EQ(state.curveUnit, 0);
    EXPECT_EQ((Strings{table.text(row, 1), table.text(row, 5)}), (Strings{"2", ""}));
    // More than 4000 sample lines fail.
    std::string bytes = "WaveData\r\n";
    for (int i = 0; i < 4001; ++i) bytes += "1\r\n";
    EXPECT_FALSE(keyed::SINGLEFILELOAD(bytes, "x.nrcur", table, row, state));
    EXPECT_EQ(table.text(row, 4004), "1");
}

TEST(MultiFileLoad, WritesMappedSpindlesOnly) {
    // Column 1 to row 1 and column 3 (spindle 5) to row 2, or spindle 5 to
    // row 1 and spindle 2 (column 2) to row 2; cells (1,4) (1,5) (1,6) (2,4) (2,5) (2,6) (2,7).
    for (const auto& [by, first, second, expected] :
         {std::tuple{keyed::SpindleRowsBy::Column, 0, 2, Strings{" 3", "0", "1.2", " 3", "2", "5.2", "5.3"}},
          {keyed::SpindleRowsBy::SpindleNumber, 4, 1, Strings{" 3", "2", "5.2", " 3", "1", "2.2", "2.3"}}}) {
        LoadedCurveTable table;
        table.setRowCount(3);
        std::array<int, 32> rowOf{};
        rowOf[first] = 1, rowOf[second] = 2;
        LoadState state;
        // The one-TAB line at the end is not counted.
        ASSERT_TRUE(keyed::MULTIFILELOAD(kMulti + "\t\r\n", "a.NRACD", table, rowOf, state, by));
        EXPECT_EQ((Strings{table.text(1, 4), table.text(1, 5), table.text(1, 6), table.text(2, 4),
                           table.text(2, 5), table.text(2, 6), table.text(2, 7)}),
                  expected);
        EXPECT_EQ(state.curveFormat, 7);
    }
    // No row mapped: nothing written, the state set all the same.
    LoadedCurveTable table;
    LoadState state;
    ASSERT_TRUE(keyed::MULTIFILELOAD(kMulti, "b.spacd", table, {}, state));
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(std::pair(state.curveUnit, state.curveFormat), std::pair(1, 9));
}

// One field list cuts the lines of a file in turn: a shorter line after a
// longer one shows none of the longer line's fields.
TEST(TabFields, ReusedStorageShowsOnlyTheCurrentLine) {
    TabFields fields;
    EXPECT_EQ(fields.size(), 0u);
    // The fields, and one past the last, which reads empty.
    auto all = [](const TabFields& f) {
        Strings out;
        for (std::size_t i = 0; i <= f.size(); ++i) out.push_back(f[i]);
        return out;
    };
    for (const auto& [line, most, expected] :
         {std::tuple{"1\t2.5\t3.5\t4.5", std::string_view::npos, Strings{"1", "2.5", "3.5", "4.5", ""}},
          {"7\t\t8", std::string_view::npos, Strings{"7", "", "8", ""}},
          {"", std::string_view::npos, Strings{"", ""}},
          // At most two fields: the TABs beyond are dropped, the rest joins the last.
          {"Key\ta\tb\tc", std::size_t{2}, Strings{"Key", "abc", ""}}}) {
        fields.assign(line, most);
        EXPECT_EQ(all(fields), expected) << line;
    }
    EXPECT_EQ(all(TabFields("x\ty", 0)), (Strings{"xy", ""}));
}
