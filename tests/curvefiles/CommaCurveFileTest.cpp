#include "curvefiles/ByteReader.h"
#include "curvefiles/CommaCurveFile.h"

#include <gtest/gtest.h>

using namespace plotwise;

namespace {

std::string curFile(const std::string& head, int samples) {
    std::string out = head;
    for (int i = 1; i <= samples; ++i) out += std::to_string(i * 100) + (i % 10 ? "," : "\r\n");
    return out;
}

std::string quernaFile(bool partId, const std::string& exponent, int samples) {
    std::string out = partId ? "\"PART ID: 12345\",x,y," : "v0,v1,";
    out += exponent + ",skip,1523,12345,a,b,c\r\n";
    for (int i = 1; i <= samples; ++i) out += std::to_string(i) + "\r\n";
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

TEST(CurScan, PeakScaledByExponent) {
    auto summary = scanWith(comma::scanCur, curFile("2,1234,356\r\n", 2));
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->peakY, "12.34");
    EXPECT_EQ(summary->peakX, "356");
    EXPECT_EQ(summary->curveType, "N/R");
    EXPECT_FALSE(scanWith(comma::scanCur, "2,1234,356\r\n1"));
}

TEST(CurLoad, SamplesInHundredths) {
    CurveTrace trace;
    LoadState state;
    state.curveFormat = 7;
    ASSERT_TRUE(comma::loadCur(curFile("2,1234,356\r\n", 999), trace, state));
    EXPECT_EQ(trace[1], "2");
    EXPECT_EQ(trace[2], "1234");
    EXPECT_EQ(trace[12], "356");
    EXPECT_EQ(trace[18], " 1");
    EXPECT_EQ(trace[17 + 999], " 999");
    EXPECT_EQ(state.curveFormat, 0);
    EXPECT_EQ(state.peakXText, "356");
}

TEST(CurLoad, ShortFileFailsKeepingWhatWasRead) {
    CurveTrace trace;
    LoadState state;
    state.curveFormat = 7;
    EXPECT_FALSE(comma::loadCur(curFile("2,1234,356\r\n", 500), trace, state));
    EXPECT_EQ(trace[517], " 500");
    EXPECT_EQ(state.curveFormat, 7);
}

TEST(CurLoad, NonNumericSampleStaysAsReadAndFails) {
    CurveTrace trace;
    LoadState state;
    EXPECT_FALSE(comma::loadCur("2,1234,356\r\n100,abc,300\r\n", trace, state));
    EXPECT_EQ(trace[18], " 1");
    EXPECT_EQ(trace[19], "abc");
}

TEST(QuernaCur, BothLayouts) {
    auto plain = scanWith(comma::scanQuernaCur, quernaFile(false, "2", 1));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->peakY, "15.23");
    EXPECT_EQ(plain->peakX, "12.345");
    EXPECT_EQ(plain->curveType, "Press");
    auto part = scanWith(comma::scanQuernaCur, quernaFile(true, "0", 1));
    ASSERT_TRUE(part);
    EXPECT_EQ(part->peakY, "1523.00");
    EXPECT_FALSE(scanWith(comma::scanQuernaCur, "a,b,2,x,100,notanumber,c\r\n"));
}

TEST(QuernaCur, ExponentDecidesNewtonAndDivisor) {
    CurveTrace trace;
    LoadState state;
    ASSERT_TRUE(comma::loadQuernaCur(quernaFile(false, "0", 999), trace, state));
    EXPECT_TRUE(state.loadInNewton);
    EXPECT_EQ(trace[1], " 0");
    EXPECT_EQ(trace[2], "1523");
    EXPECT_EQ(trace[12], " 12.345");
    EXPECT_EQ(trace[18], " .01");
    EXPECT_EQ(state.curveFormat, 1);

    CurveTrace second;
    ASSERT_TRUE(comma::loadQuernaCur(quernaFile(true, "2", 999), second, state));
    EXPECT_FALSE(state.loadInNewton);
    EXPECT_EQ(second[1], " 2");
    EXPECT_EQ(second[18], " .001");
    EXPECT_EQ(second[17 + 999], " .999");
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
    EXPECT_EQ(trace[2], " 1.5");
    EXPECT_EQ(trace[12], " 12.5");
    EXPECT_FALSE(state.loadInNewton);
    EXPECT_EQ(state.curveFormat, 5);
    EXPECT_EQ(trace[18], "40");
    EXPECT_EQ(trace[21], "10");
    EXPECT_EQ(trace[1], "");
    EXPECT_EQ(state.peakXText, "");

    CurveTrace degree;
    ASSERT_TRUE(comma::loadCsv(csvFile(false, "12.34Nm", "356DEG", 2), degree, state));
    EXPECT_TRUE(state.loadInNewton);
    EXPECT_EQ(state.curveFormat, 4);
}

TEST(CsvLoad, UsesAtMost1024SampleLines) {
    CurveTrace trace;
    LoadState state;
    ASSERT_TRUE(comma::loadCsv(csvFile(false, "1500N", "12.5MM", 1100), trace, state));
    EXPECT_EQ(trace[17 + 1024], "10");
    EXPECT_EQ(trace[18], "10240");
    EXPECT_EQ(trace[17 + 1025], "");
}
