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

TEST(CurFiles, PeakScaledByTheExponent) {
    auto summary = scanWith(comma::scanCur, curFile("2,1234,356\r\n", 2));
    ASSERT_TRUE(summary);
    EXPECT_EQ((Strings{summary->peakY, summary->peakX, summary->curveType}), (Strings{"12.34", "356", "N/R"}));
    EXPECT_FALSE(scanWith(comma::scanCur, "2,1234,356\r\n1"));
    // Loads, whole, cut short or with a non-numeric sample, are in the CLI golden files.
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

// Loads, the 1024-line limit among them, are in the CLI golden files.
