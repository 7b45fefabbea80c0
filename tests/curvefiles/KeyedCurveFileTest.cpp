#include "curvefiles/ByteReader.h"
#include "curvefiles/KeyedCurveFile.h"
#include "curvefiles/TabFields.h"
#include "support/CurveFileText.h"

#include <gtest/gtest.h>

using namespace plotwise;
using plotwise::test::keyedSingleFile;
using plotwise::test::numberedSamples;

namespace {

std::string nrcur(int count, int sampleLines, const std::string& unit = "Unit\t3") {
    return keyedSingleFile(10,
                           {"SPNO\t1", "XPeak\t412.5", "YPeak\t25.34", "WAVEFormat\t0",
                            "WavePoint\t" + std::to_string(count), unit, "Interval\t1"},
                           numberedSamples(sampleLines));
}

struct Loaded {
    bool ok;
    CurveTrace trace;
    LoadState state;
};

Loaded loadSingle(const std::string& bytes, int headerLines = keyed::kNrCurHeaderLines) {
    Loaded out{};
    out.ok = keyed::loadSingle(bytes, headerLines, out.trace, out.state);
    return out;
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

TEST(KeyedScan, SingleSpindleSummary) {
    std::string wave = "old";
    const std::string bytes = nrcur(5, 5);
    ByteReader reader(bytes);
    auto summary = keyed::scanSingle(reader, false, wave);
    EXPECT_EQ(summary.peakY, "25.34");
    EXPECT_EQ(summary.peakX, "412.5");
    EXPECT_EQ(summary.curveType, "N/R");
    EXPECT_EQ(wave, "WAVEFormat\t0");

    ByteReader lower(std::string_view("xpeak\t1.25\r\nypeak\t2.005\r\nXPEA\r\n"));
    std::string untouched = "keep";
    summary = keyed::scanSingle(lower, true, untouched);
    EXPECT_EQ(summary.peakX, "1.3");
    EXPECT_EQ(summary.peakY, "2.01");
    EXPECT_EQ(summary.curveType, "Press");
    EXPECT_EQ(untouched, "keep");
}

TEST(KeyedScan, ShortKeyLineLeavesValueAlone) {
    std::string wave;
    ByteReader reader(std::string_view("YPeak\t7\r\nYPEAK\r\n"));
    EXPECT_EQ(keyed::scanSingle(reader, false, wave).peakY, "7.00");
}

TEST(KeyedScan, MultiSpindleSummaryKeepsWholeLines) {
    std::string wave;
    ByteReader reader(kMulti);
    auto summary = keyed::scanMulti(reader, wave);
    EXPECT_EQ(summary.spindleLine, "SPNO\t1\t2\t5");
    EXPECT_EQ(summary.peakYLine, "YPeak\t48.62\t-3.5\t49.10");
    EXPECT_EQ(summary.peakXLine, "XPeak\t486.5\t471.0\t492.5");
    EXPECT_EQ(wave, "WAVEFormat\t0\t0\t0");
}

TEST(KeyedLoad, FillsSlotsFromCountPlus17DownTo18) {
    auto loaded = loadSingle(nrcur(360, 360));
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.trace[377], "0.5000");
    EXPECT_EQ(loaded.trace[18], numberedSamples(360).back());
    EXPECT_EQ(loaded.trace[378], "");
    EXPECT_EQ(loaded.trace[17], "");
    EXPECT_EQ(loaded.trace[1], "2");
    EXPECT_EQ(loaded.trace[2], "25.34");
    EXPECT_EQ(loaded.trace[12], "412.5");
    EXPECT_EQ(loaded.state.peakXText, "412.5");
    EXPECT_EQ(loaded.state.curveUnit, 3);
    EXPECT_EQ(loaded.state.curveFormat, 6);
    EXPECT_EQ(loaded.state.curveFileFamily, 2);
}

TEST(KeyedLoad, SurplusSampleLandsInSlot17) {
    auto loaded = loadSingle(nrcur(360, 361));
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.trace[17], numberedSamples(361).back());
    loaded = loadSingle(nrcur(360, 362));
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.trace[17], numberedSamples(361).back());
    EXPECT_EQ(loaded.trace[16], "");
}

TEST(KeyedLoad, SampleCountIsTheNumberAfterTheTab) {
    for (int count : {5, 42, 99, 4079}) {
        auto loaded = loadSingle(nrcur(count, count));
        ASSERT_TRUE(loaded.ok) << count;
        EXPECT_EQ(loaded.trace[count + 17], "0.5000") << count;
        EXPECT_EQ(loaded.trace[count + 18], "") << count;
    }
}

TEST(KeyedLoad, CountBeyondTheTraceFails) {
    auto loaded = loadSingle(nrcur(10000, 5));
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.trace[2], "25.34"); // written before the failure, kept
    EXPECT_FALSE(loadSingle(nrcur(4080, 5)).ok);
}

TEST(KeyedLoad, FailsOnShortHeaderOrShortKeyLine) {
    EXPECT_FALSE(loadSingle("XPeak\t1\r\nWaveData\r\n").ok);
    EXPECT_FALSE(loadSingle(keyedSingleFile(10, {"XPeak"}, {"1"})).ok);
    EXPECT_TRUE(loadSingle(keyedSingleFile(10, {"XPeak\t"}, {"1"})).ok);
}

TEST(KeyedLoad, SpcurHasSixteenHeaderLines) {
    auto bytes = keyedSingleFile(16, {"XPeak\t18.4", "YPeak\t24.87", "WavePoint\t3"}, {"1", "2", "3"});
    auto loaded = loadSingle(bytes, keyed::kSpCurHeaderLines);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.trace[20], "1");
    EXPECT_EQ(loaded.trace[18], "3");
    EXPECT_EQ(loaded.state.curveFormat, 8);
    EXPECT_EQ(loaded.state.curveFileFamily, 3);
}

TEST(KeyedLoad, ValuesSplitAtCommasAndLoseQuotes) {
    auto bytes = keyedSingleFile(10, {"WavePoint\t3"}, {" \"7\" , 8", "9"});
    auto loaded = loadSingle(bytes);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.trace[20], "7");
    EXPECT_EQ(loaded.trace[19], "8");
    EXPECT_EQ(loaded.trace[18], "9");
}

TEST(KeyedMultiLoad, PicksTheSpindleColumn) {
    CurveTrace trace;
    LoadState state;
    ASSERT_TRUE(keyed::loadMulti(kMulti, 5, trace, state));
    EXPECT_EQ(trace[2], "49.10");
    EXPECT_EQ(trace[12], "492.5");
    EXPECT_EQ(trace[20], "5.1");
    EXPECT_EQ(trace[18], "5.3");
    EXPECT_EQ(trace[1], "2");
    EXPECT_EQ(state.curveUnit, 1);
    EXPECT_EQ(state.curveFormat, 7);
    EXPECT_EQ(state.curveFileFamily, 1);
}

TEST(KeyedMultiLoad, NegativePeakAndMissingSpindleReadEmpty) {
    CurveTrace trace;
    LoadState state;
    ASSERT_TRUE(keyed::loadMulti(kMulti, 2, trace, state));
    EXPECT_EQ(trace[2], "");
    EXPECT_EQ(trace[20], "2.1");
    CurveTrace none;
    ASSERT_TRUE(keyed::loadMulti(kMulti, 9, none, state));
    EXPECT_EQ(none[2], "");
    EXPECT_EQ(none[12], "");
}

TEST(KeyedMultiLoad, TooManyFieldsFail) {
    std::string wide = "SPNO";
    for (int i = 0; i < 40; ++i) wide += "\t1";
    CurveTrace trace;
    LoadState state;
    EXPECT_FALSE(keyed::loadMulti(wide + "\r\nWaveData\r\n", 1, trace, state));
    EXPECT_FALSE(keyed::loadMulti("SPNO\t1\r\n", 1, trace, state)); // header ends early
}

TEST(SingleFileLoad, CopiesLinesAndEndsWithTheInterval) {
    LoadedCurveTable table;
    int row = table.appendRow();
    LoadState state;
    ASSERT_TRUE(keyed::SINGLEFILELOAD(nrcur(3, 3), "x.nrcur", table, row, state));
    EXPECT_EQ(table.text(row, 1), "1");
    EXPECT_EQ(table.text(row, 4), "3");
    EXPECT_EQ(table.text(row, 5), "1");
    EXPECT_EQ(table.text(row, 6), numberedSamples(3)[1]);
    EXPECT_EQ(table.text(row, 7), numberedSamples(3)[2]);
    EXPECT_EQ(state.curveUnit, 3);
    EXPECT_EQ(state.curveFormat, 6);
    ASSERT_TRUE(keyed::SINGLEFILELOAD(nrcur(3, 3), "Y.SPCUR", table, row, state));
    EXPECT_EQ(state.curveFormat, 8);
}

TEST(SingleFileLoad, KeysAreCaseSensitive) {
    LoadedCurveTable table;
    int row = table.appendRow();
    LoadState state;
    auto bytes = "unit\t4\r\nSPNO\t2\r\nwavedata\r\nWaveData\r\n7\r\n";
    ASSERT_TRUE(keyed::SINGLEFILELOAD(bytes, "x.ncur", table, row, state));
    EXPECT_EQ(state.curveUnit, 0);
    EXPECT_EQ(table.text(row, 1), "2");
    EXPECT_EQ(table.text(row, 5), ""); // interval column, no "Interval" line
}

TEST(SingleFileLoad, MoreThan4000LinesFail) {
    LoadedCurveTable table;
    int row = table.appendRow();
    LoadState state;
    std::string bytes = "WaveData\r\n";
    for (int i = 0; i < 4001; ++i) bytes += "1\r\n";
    EXPECT_FALSE(keyed::SINGLEFILELOAD(bytes, "x.nrcur", table, row, state));
    EXPECT_EQ(table.text(row, 4004), "1");
}

TEST(MultiFileLoad, WritesMappedSpindlesOnly) {
    LoadedCurveTable table;
    table.setRowCount(3);
    std::array<int, 32> rows{};
    rows[0] = 1; // column 1 = spindle 1
    rows[2] = 2; // column 3 = spindle 5
    LoadState state;
    ASSERT_TRUE(keyed::MULTIFILELOAD(kMulti + "\t\r\n", "a.NRACD", table, rows, state));
    EXPECT_EQ(table.text(1, 5), "0");
    EXPECT_EQ(table.text(2, 5), "2");
    EXPECT_EQ(table.text(1, 6), "1.2");
    EXPECT_EQ(table.text(2, 7), "5.3");
    EXPECT_EQ(table.text(1, 4), " 3"); // the one-TAB line is not counted
    EXPECT_EQ(state.curveUnit, 1);
    EXPECT_EQ(state.curveFormat, 7);
}

TEST(MultiFileLoad, AllZeroRowsWriteNothingButSetState) {
    LoadedCurveTable table;
    LoadState state;
    ASSERT_TRUE(keyed::MULTIFILELOAD(kMulti, "b.spacd", table, {}, state));
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(state.curveFormat, 9);
    EXPECT_EQ(state.curveUnit, 1);
}

TEST(MultiFileLoad, RowsBySpindleNumberFollowTheSpnoLine) {
    LoadedCurveTable table;
    table.setRowCount(3);
    std::array<int, 32> rows{};
    rows[4] = 1; // spindle 5, the file's third column
    rows[1] = 2; // spindle 2, the second column
    LoadState state;
    ASSERT_TRUE(keyed::MULTIFILELOAD(kMulti, "a.nracd", table, rows, state,
                                     keyed::SpindleRowsBy::SpindleNumber));
    EXPECT_EQ(table.text(1, 6), "5.2");
    EXPECT_EQ(table.text(1, 5), "2");
    EXPECT_EQ(table.text(2, 6), "2.2");
    EXPECT_EQ(table.text(2, 4), " 3");
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
