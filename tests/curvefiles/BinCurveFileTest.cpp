#include "curvefiles/BinCurveFile.h"
#include "support/CurveFileText.h"

#include <gtest/gtest.h>

using namespace plotwise;
using plotwise::test::Strings;

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

// Real files of each kind, a file without a peak among them, are in the CLI golden files.
TEST(BinLoad, PressValuesFoldNegativeAndUnknownLengthsFail) {
    struct Row {
        const char* name;
        std::string bytes;
        bool ok;
        Strings expected; // slots 2, 18, 19, 20
        int format;     // 7 before the load
    } rows[] = {
        {"press values fold negative", binFile(301, 0x10, 0x00, 0, {0xFFF, 1000, 500}), true,
         {" 1000", "-1", " 1000", " 500"}, 3},
        {"unknown length writes nothing", std::string(295, '\x12'), false, {"", "", "", ""}, 7},
    };
    for (const auto& row : rows) {
        CurveTrace trace;
        LoadState state;
        state.curveFormat = 7;
        EXPECT_EQ(bin::load(row.bytes, trace, state), row.ok) << row.name;
        EXPECT_EQ(test::slotTexts(trace, {2, 18, 19, 20}), row.expected) << row.name;
        EXPECT_EQ(state.curveFormat, row.format) << row.name;
    }
}
