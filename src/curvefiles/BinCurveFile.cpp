#include "BinCurveFile.h"

#include "NumberText.h"
#include "PackedDecimal.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace plotwise::bin {
namespace {

constexpr std::size_t kPeakOffset = 14;
constexpr std::size_t kPositionOffset = 16;
constexpr std::size_t kNutrunnerDigitsOffset = 20;
constexpr std::size_t kPressDigitsOffset = 21;
constexpr int kNegativeFrom = 2048;

std::uint8_t byteAt(std::string_view bytes, std::size_t offset) {
    return static_cast<std::uint8_t>(bytes[offset]);
}

std::size_t digitsOffset(const Variant& v) {
    return v.press ? kPressDigitsOffset : kNutrunnerDigitsOffset;
}

std::string peakPosition(std::string_view bytes, const Variant& v) {
    if (v.press)
        return BCD3ASCII(byteAt(bytes, 16), byteAt(bytes, 17), byteAt(bytes, 18), 3);
    return BCDASCII(byteAt(bytes, kPositionOffset), byteAt(bytes, kPositionOffset + 1), 0);
}

// 12-bit sample stored low digit first in the low nibbles of three bytes.
int rawSample(std::string_view bytes, std::size_t offset, bool press) {
    int raw = (byteAt(bytes, offset + 2) & 0x0F) * 256 + (byteAt(bytes, offset + 1) & 0x0F) * 16 +
              (byteAt(bytes, offset) & 0x0F);
    return press && raw >= kNegativeFrom ? raw - 4096 : raw;
}

} // namespace

std::optional<Variant> variantForLength(std::size_t length) {
    switch (length) {
    case 293: case 294: return Variant{false, 90, 22};
    case 563: case 564: return Variant{false, 180, 22};
    case 1103: case 1104: return Variant{false, 360, 22};
    case 301: return Variant{true, 90, 30};
    case 571: return Variant{true, 180, 30};
    case 1111: return Variant{true, 360, 30};
    default: return std::nullopt;
    }
}

std::optional<SingleCurveSummary> scan(std::string_view bytes) {
    auto variant = variantForLength(bytes.size());
    if (!variant) return std::nullopt;
    int digits = byteAt(bytes, digitsOffset(*variant));
    return SingleCurveSummary{
        BCDASCII(byteAt(bytes, kPeakOffset), byteAt(bytes, kPeakOffset + 1), digits),
        peakPosition(bytes, *variant), variant->press ? "Press" : "N/R"};
}

bool load(std::string_view bytes, CurveTrace& trace, LoadState& state) {
    auto variant = variantForLength(bytes.size());
    if (!variant) return false;
    state.curveFormat = variant->press ? CurveFormat::BinPress : CurveFormat::BinNutrunner;
    int digits = byteAt(bytes, digitsOffset(*variant));
    trace.set(CurveTrace::kScaleDigits, numberToText(static_cast<double>(digits)));
    trace.set(CurveTrace::kPeakY, BCDASCII(byteAt(bytes, kPeakOffset), byteAt(bytes, kPeakOffset + 1), 0));
    trace.set(CurveTrace::kPeakX, peakPosition(bytes, *variant));
    state.peakXText = trace[CurveTrace::kPeakX];

    std::vector<int> raw(static_cast<std::size_t>(variant->samples), 0);
    int maxRaw = 0;
    for (int k = 0; k + 1 < variant->samples; ++k) {
        auto offset = static_cast<std::size_t>(variant->headerLength + 3 * k);
        raw[static_cast<std::size_t>(k)] = rawSample(bytes, offset, variant->press);
        int value = raw[static_cast<std::size_t>(k)];
        if (value < kNegativeFrom && value > maxRaw) maxRaw = value;
    }
    float factor = maxRaw != 0
        ? static_cast<float>(LeadingNumber(trace[CurveTrace::kPeakY]) / maxRaw) : 0.0f;
    float divisor = static_cast<float>(std::pow(10.0, digits));
    for (int k = 0; k < variant->samples; ++k) {
        float product = factor * static_cast<float>(raw[static_cast<std::size_t>(k)]);
        trace.set(CurveTrace::kFirstSample + k, numberToText(product / divisor));
    }
    state.curveFileFamily = 0;
    return true;
}

} // namespace plotwise::bin
