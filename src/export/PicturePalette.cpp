#include "PicturePalette.h"

#include <cstring>
#include <unordered_map>

namespace plotwise {
namespace {

constexpr std::size_t kMaxColors = 256;
constexpr std::size_t kListedColors = 16;

// Gives each pixel of an RGB32 picture its palette index, in order of first
// appearance, writing row y's indices through `rowOut(y)`. False when there
// are more than 256 colours. A plot is mostly runs of one colour and rows
// like the row above: such a row takes the indices of that row, a run is
// filled at once.
template <typename RowOut>
bool indexPixels(const QImage& rgb32, std::vector<QRgb>& palette, RowOut&& rowOut) {
    const int width = rgb32.width(), height = rgb32.height();
    // A plot has a handful of colours: those are looked up in the palette
    // itself, more in a map.
    std::unordered_map<QRgb, unsigned char> index;
    auto indexOf = [&](QRgb color) -> int {
        if (palette.size() <= kListedColors) {
            for (std::size_t i = 0; i < palette.size(); ++i)
                if (palette[i] == color) return int(i);
        } else if (const auto known = index.find(color); known != index.end()) {
            return known->second;
        }
        if (palette.size() == kMaxColors) return -1;
        if (palette.size() == kListedColors)
            for (std::size_t i = 0; i < palette.size(); ++i)
                index.emplace(palette[i], static_cast<unsigned char>(i));
        if (palette.size() >= kListedColors)
            index.emplace(color, static_cast<unsigned char>(palette.size()));
        palette.push_back(color);
        return int(palette.size() - 1);
    };
    const QRgb* above = nullptr;
    const unsigned char* aboveOut = nullptr;
    for (int y = 0; y < height; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
        unsigned char* out = rowOut(y);
        if (above && std::memcmp(row, above, std::size_t(width) * sizeof(QRgb)) == 0) {
            std::memcpy(out, aboveOut, std::size_t(width));
            continue;
        }
        for (int x = 0; x < width;) {
            const QRgb color = row[x] & 0xFFFFFF;
            const int at = indexOf(color);
            if (at < 0) return false;
            int end = x + 1;
            while (end < width && (row[end] & 0xFFFFFF) == color) ++end;
            std::memset(out + x, at, std::size_t(end - x));
            x = end;
        }
        above = row;
        aboveOut = out;
    }
    return true;
}

} // namespace

std::optional<IndexedPicture> exactPalette(const QImage& rgb32) {
    IndexedPicture out;
    const std::size_t width = std::size_t(rgb32.width());
    out.pixels.resize(width * std::size_t(rgb32.height()));
    unsigned char* pixels = out.pixels.data();
    if (!indexPixels(rgb32, out.palette, [pixels, width](int y) { return pixels + std::size_t(y) * width; }))
        return std::nullopt;
    return out;
}

} // namespace plotwise
