#include "curvefiles/BinCurveFile.h"

#include <gtest/gtest.h>

using namespace plotwise;

namespace {

// A .BIN file of the given length with the peak bytes, the digit byte and
// samples given as raw 12-bit values (stored low digit first, junk high nibbles).
std::string binFile(std::size_t length, std::uint8_t peakHigh, std::uint8_t peakLow,
                    std::uint8_t digits, const std::vector<int>& raws) {
    auto variant = bin::variantForLength(length);
    std::string bytes(length, '\0');
    bytes[14] = static_cast<char>(peakHigh);
    bytes[15] = static_cast<char>(peakLow);
    bytes[16] = 0x04;
    bytes[17] = 0x12;
    bytes[18] = 0x50;
    bytes[variant && variant->press ? 21 : 20] = static_cast<char>(digits);
    std::size_t offset = variant ? static_cast<std::size_t>(variant->headerLength) : 22;
    for (int raw : raws) {
        bytes[offset] = static_cast<char>(0x30 | (raw & 0xF));
        bytes[offset + 1] = static_cast<char>(0xA0 | ((raw >> 4) & 0xF));
        bytes[offset + 2] = static_cast<char>(0x50 | ((raw >> 8) & 0xF));
        offset += 3;
    }
    return bytes;
}

} // namespace

TEST(BinVariants, LengthDecidesKindAndSampleCount) {
    struct Row {
        std::size_t length;
        bool known, press;
        int samples;
    };
    const Row rows[] = {{293, true, false, 90},   {294, true, false, 90},  {295, false, false, 0},
                        {563, true, false, 180},  {564, true, false, 180}, {1103, true, false, 360},
                        {1104, true, false, 360}, {301, true, true, 90},   {571, true, true, 180},
                        {1111, true, true, 360},  {0, false, false, 0},    {1112, false, false, 0}};
    for (const auto& row : rows) {
        auto v = bin::variantForLength(row.length);
        ASSERT_EQ(v.has_value(), row.known) << row.length;
        if (!v) continue;
        EXPECT_EQ(v->press, row.press);
        EXPECT_EQ(v->samples, row.samples);
    }
}

TEST(BinScan, SummaryFromPackedHeader) {
    auto summary = bin::scan(binFile(294, 0x12, 0x34, 2, {}));
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->peakY, "12.34");
    EXPECT_EQ(summary->peakX, "  412");
    EXPECT_EQ(summary->curveType, "N/R");
    summary = bin::scan(binFile(571, 0x05, 0x00, 1, {}));
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->peakY, " 50.0");
    EXPECT_EQ(summary->peakX, " 41.250");
    EXPECT_EQ(summary->curveType, "Press");
    EXPECT_FALSE(bin::scan(std::string(295, '\0')));
}

TEST(BinLoad, ScalesSamplesToThePeak) {
    std::vector<int> raws = {4000, 1000, 0x524, 2047, 4095, 77};
    CurveTrace trace;
    LoadState state;
    ASSERT_TRUE(bin::load(binFile(293, 0x12, 0x34, 2, raws), trace, state));
    EXPECT_EQ(trace[1], " 2");
    EXPECT_EQ(trace[2], " 1234");
    EXPECT_EQ(trace[12], "  412");
    EXPECT_EQ(state.peakXText, "  412");
    EXPECT_EQ(state.curveFormat, 2);
    EXPECT_EQ(state.curveFileFamily, 0);
    // 2047 is the largest raw value below 2048, so it loads as the peak.
    EXPECT_EQ(trace[21], " 12.34");
    float factor = static_cast<float>(1234.0 / 2047);
    EXPECT_FLOAT_EQ(std::stof(trace[20]), factor * 1316.0f / 100.0f);
    EXPECT_FLOAT_EQ(std::stof(trace[22]), factor * 4095.0f / 100.0f);
    EXPECT_EQ(trace[17 + 90], " 0"); // the earliest sample always loads as 0
    EXPECT_EQ(trace[18 + 90], "");
}

TEST(BinLoad, PressValuesFoldNegative) {
    std::vector<int> raws = {0xFFF, 1000, 500};
    CurveTrace trace;
    LoadState state;
    ASSERT_TRUE(bin::load(binFile(301, 0x10, 0x00, 0, raws), trace, state));
    EXPECT_EQ(state.curveFormat, 3);
    EXPECT_EQ(trace[19], " 1000");
    EXPECT_EQ(trace[20], " 500");
    EXPECT_EQ(trace[18], "-1");
}

TEST(BinLoad, NoPeakGivesAFlatCurve) {
    CurveTrace trace;
    LoadState state;
    ASSERT_TRUE(bin::load(binFile(563, 0x8F, 0x8F, 2, {100, 200}), trace, state));
    EXPECT_EQ(trace[2], "     ");
    EXPECT_EQ(trace[18], " 0");
    EXPECT_EQ(trace[19], " 0");
}

TEST(BinLoad, UnknownLengthFailsWithoutWriting) {
    CurveTrace trace;
    LoadState state;
    state.curveFormat = 2;
    EXPECT_FALSE(bin::load(std::string(295, '\x12'), trace, state));
    EXPECT_EQ(trace[2], "");
    EXPECT_EQ(state.curveFormat, 2);
}
