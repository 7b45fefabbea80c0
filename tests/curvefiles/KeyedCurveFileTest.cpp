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

// Samples fill the slots from the count plus 17 down to 18; one surplus
// sample lands in slot 17; a count beyond the trace fails.
TEST(KeyedLoad, SampleSlotsFollowTheCount) {
    struct Row {
        const char* name;
        int count, lines;
        bool ok;
        std::initializer_list<int> at;
        Strings expected;
    } rows[] = {
        {"360 samples", 360, 360, true, {377, 378, 18, 17, 1, 2, 12},
         {"0.5000", "", numberedSamples(360).back(), "", "2", "25.34", "412.5"}},
        {"one surplus", 360, 361, true, {17, 16}, {numberedSamples(361).back(), ""}},
        {"two surplus", 360, 362, true, {17, 16}, {numberedSamples(361).back(), ""}},
        {"largest count", 4079, 4079, true, {4096}, {"0.5000"}},
        {"count beyond the trace", 4080, 5, false, {2}, {"25.34"}}, // written before, kept
        {"huge count", 10000, 5, false, {2}, {"25.34"}},
    };
    for (const auto& row : rows) {
        auto loaded = loadSingle(nrcur(row.count, row.lines));
        EXPECT_EQ(loaded.ok, row.ok) << row.name;
        EXPECT_EQ(test::slotTexts(loaded.trace, row.at), row.expected) << row.name;
    }
    auto loaded = loadSingle(nrcur(3, 3));
    EXPECT_EQ((std::vector<int>{loaded.state.curveUnit, loaded.state.curveFormat,
                                loaded.state.curveFileFamily}),
              (std::vector<int>{3, 6, 2}));
    EXPECT_EQ(loaded.state.peakXText, "412.5");
}

TEST(KeyedLoad, HeaderLinesAndValueSyntax) {
    EXPECT_FALSE(loadSingle("XPeak\t1\r\nWaveData\r\n").ok);            // header ends early
    EXPECT_FALSE(loadSingle(keyedSingleFile(10, {"XPeak"}, {"1"})).ok);    // key without a TAB
    EXPECT_TRUE(loadSingle(keyedSingleFile(10, {"XPeak\t"}, {"1"})).ok);
    // Values split at commas and lose their quotes.
    auto quoted = loadSingle(keyedSingleFile(10, {"WavePoint\t3"}, {" \"7\" , 8", "9"}));
    ASSERT_TRUE(quoted.ok);
    EXPECT_EQ(test::slotTexts(quoted.trace, {20, 19, 18}), (Strings{"7", "8", "9"}));
}

TEST(KeyedMultiLoad, PicksTheSpindleColumn) {
    struct Row {
        int spindle;
        Strings expected; // slots 2, 12, 20, 18
    } rows[] = {
        {5, {"49.10", "492.5", "5.1", "5.3"}},
        {2, {"", "471.0", "2.1", "2.3"}}, // a negative peak reads empty
        {9, {"", "", "", ""}},            // no such spindle
    };
    for (const auto& row : rows) {
        CurveTrace trace;
        LoadState state;
        ASSERT_TRUE(keyed::loadMulti(kMulti, row.spindle, trace, state));
        EXPECT_EQ(test::slotTexts(trace, {2, 12, 20, 18}), row.expected) << row.spindle;
        EXPECT_EQ((std::vector<int>{state.curveUnit, state.curveFormat, state.curveFileFamily}),
                  (std::vector<int>{1, 7, 1}));
    }
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
