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
    bytes.replace(14, 5, std::string{char(peakHigh), char(peakLow), 0x04, 0x12, 0x50});
    bytes[variant && variant->press ? 21 : 20] = static_cast<char>(digits);
    std::size_t at = variant ? static_cast<std::size_t>(variant->headerLength) : 22;
    for (int raw : raws)
        for (int k = 0; k < 3; ++k) bytes[at++] = char("\x30\xA0\x50"[k] | ((raw >> 4 * k) & 0xF));
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
        const auto v = bin::variantForLength(row.length);
        EXPECT_EQ(std::tuple(v.has_value(), v && v->press, v ? v->samples : 0),
                  std::tuple(row.known, row.press, row.samples))
            << row.length;
    }
}

// Real files of each kind, a file without a peak among them, are in the CLI golden files.
TEST(BinLoad, PressValuesFoldNegativeAndUnknownLengthsFail) {
    using Slots = std::vector<std::string>; // slots 2, 18, 19, 20
    for (const auto& [bytes, ok, expected, format] :
         {std::tuple{binFile(301, 0x10, 0x00, 0, {0xFFF, 1000, 500}), true,
                     Slots{" 1000", "-1", " 1000", " 500"}, 3},
          // An unknown length writes nothing and keeps the format (7 before the load).
          {std::string(295, '\x12'), false, Slots{"", "", "", ""}, 7}}) {
        CurveTrace trace;
        LoadState state;
        state.curveFormat = 7;
        EXPECT_EQ(bin::load(bytes, trace, state), ok);
        EXPECT_EQ((Slots{trace[2], trace[18], trace[19], trace[20]}), expected);
        EXPECT_EQ(state.curveFormat, format);
    }
}
