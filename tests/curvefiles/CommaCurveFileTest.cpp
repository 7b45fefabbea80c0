#include "curvefiles/ByteReader.h"
#include "curvefiles/CommaCurveFile.h"
#include "support/CurveFileText.h"

#include <gtest/gtest.h>

using namespace plotwise;
using plotwise::test::Strings;

namespace {

std::string curFile(const std::string& head, int samples) {
    std::string out = head;
    for (int i = 1; i <= samples; ++i) out += std::to_string(i * 100) + (i % 10 ? "," : "\r\n");
    return out;
}

std::string csvFile(bool dataId, const std::string& peak, const std::string& position, int samples) {
    std::string out = dataId ? "DATA ID 7\r\n" : "";
    out += "HEAD\r\nSTATION 3\r\nPEAK,Y," + peak + "\r\nPEAK,X," + position + "\r\nx\r\nx\r\nx\r\n";
    for (int i = 1; i <= samples; ++i) out += "S," + std::to_string(i) + "," + std::to_string(i * 10) + "\r\n";
    return out;
}

std::optional<SingleCurveSummary> scanWith(std::optional<SingleCurveSummary> (*scan)(ByteReader&),
                                           const std::string& bytes) {
    ByteReader reader(bytes);
    return scan(reader);
}

} // namespace

TEST(CurFiles, ScanAndLoadInHundredths) {
    auto summary = scanWith(comma::scanCur, curFile("2,1234,356\r\n", 2));
    ASSERT_TRUE(summary);
    EXPECT_EQ((Strings{summary->peakY, summary->peakX, summary->curveType}), (Strings{"12.34", "356", "N/R"}));
    EXPECT_FALSE(scanWith(comma::scanCur, "2,1234,356\r\n1"));
    struct Row {
        const char* name;
        std::string bytes;
        bool ok;
        std::initializer_list<int> at;
        Strings expected;
        int format; // 7 before the load: kept when it fails
    } rows[] = {
        {"999 samples", curFile("2,1234,356\r\n", 999), true, {1, 2, 12, 18, 17 + 999},
         {"2", "1234", "356", " 1", " 999"}, 0},
        {"short file keeps what was read", curFile("2,1234,356\r\n", 500), false, {517}, {" 500"}, 7},
        {"non-numeric sample stays as read", "2,1234,356\r\n100,abc,300\r\n", false, {18, 19},
         {" 1", "abc"}, 7},
    };
    for (const auto& row : rows) {
        CurveTrace trace;
        LoadState state;
        state.curveFormat = 7;
        EXPECT_EQ(comma::loadCur(row.bytes, trace, state), row.ok) << row.name;
        EXPECT_EQ(test::slotTexts(trace, row.at), row.expected) << row.name;
        EXPECT_EQ(state.curveFormat, row.format) << row.name;
    }
}

// Both layouts load as the CLI golden files show; a head without a number is no curve.
TEST(QuernaCur, HeadWithoutANumberIsNoCurve) {
    EXPECT_FALSE(scanWith(comma::scanQuernaCur, "a,b,2,x,100,notanumber,c\r\n"));
}

TEST(CsvScan, UnitCases) {
    struct Row {
        bool dataId;
        const char* peak;
        const char* position;
        bool listed;
        const char* y;
        const char* x;
        const char* type;
    };
    const Row rows[] = {
        {false, "1500N", "12.5MM", true, "1500.00", "12.500", "Press"},
        {false, "1.5KN", "12.5MM", true, "0.00", "12.500", "Press"},
        {true, "12.34Nm", "356.25DEG", true, "12.34", "356.250", "N/R"},
        {false, "12.34Nm", "356deg", true, "12.34", "356.000", "N/R"},
        {false, "1500N", "12.5mm", true, "1500.00", "12.500", "Press"},
        {false, "1500N", "12.5MMX", false, "", "", ""},
        {false, "1.5kN", "12.5MM", false, "", "", ""},
        {false, "1500N", "12.5INCH", false, "", "", ""},
        {false, "1500N", "MM", true, "1500.00", "", "Press"},
    };
    for (const auto& row : rows) {
        auto summary = scanWith(comma::scanCsv, csvFile(row.dataId, row.peak, row.position, 3));
        ASSERT_EQ(summary.has_value(), row.listed) << row.peak << " " << row.position;
        if (!summary) continue;
        EXPECT_EQ(summary->peakY, row.y) << row.peak;
        EXPECT_EQ(summary->peakX, row.x) << row.position;
        EXPECT_EQ(summary->curveType, row.type);
    }
    EXPECT_FALSE(scanWith(comma::scanCsv, "a\r\nb\r\n"));
}

TEST(CsvLoad, ReversesSamplesAndReadsUnits) {
    CurveTrace trace;
    LoadState state;
    ASSERT_TRUE(comma::loadCsv(csvFile(true, "1.5KN", "12.5MM", 4), trace, state));
    EXPECT_EQ(test::slotTexts(trace, {2, 12, 18, 21, 1}), (Strings{" 1.5", " 12.5", "40", "10", ""}));
    EXPECT_FALSE(state.loadInNewton);
    EXPECT_EQ(state.curveFormat, 5);
    EXPECT_EQ(state.peakXText, "");
    // At most 1024 sample lines are used.
    CurveTrace many;
    ASSERT_TRUE(comma::loadCsv(csvFile(false, "1500N", "12.5MM", 1100), many, state));
    EXPECT_EQ(test::slotTexts(many, {17 + 1024, 18, 17 + 1025}), (Strings{"10", "10240", ""}));
}
