#include "PicturePalette.h"

#include <cstring>
#include <unordered_map>

namespace plotwise {
namespace {

constexpr std::size_t kMaxColors = 256;
constexpr std::size_t kListedColors = 16;

// Gives each pixel of an RGB32 picture its palette index, in order of first
// appearance. False when there are more than 256 colours. A plot is mostly
// runs of one colour and rows like the row above: such a row shares the
// indices of that row, a run is filled at once.
bool indexPixels(const QImage& rgb32, IndexedPicture& out) {
    const int width = rgb32.width(), height = rgb32.height();
    std::vector<QRgb>& palette = out.palette;
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
    out.rows.resize(std::size_t(height));
    const QRgb* above = nullptr;
    for (int y = 0; y < height; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
        if (above && std::memcmp(row, above, std::size_t(width) * sizeof(QRgb)) == 0) {
            out.rows[std::size_t(y)] = out.rows[std::size_t(y) - 1];
            continue;
        }
        out.rows[std::size_t(y)] = out.pixels.size();
        out.pixels.resize(out.pixels.size() + std::size_t(width));
        unsigned char* indices = out.row(y);
        for (int x = 0; x < width;) {
            const QRgb color = row[x] & 0xFFFFFF;
            const int at = indexOf(color);
            if (at < 0) return false;
            int end = x + 1;
            while (end < width && (row[end] & 0xFFFFFF) == color) ++end;
            std::memset(indices + x, at, std::size_t(end - x));
            x = end;
        }
        above = row;
    }
    return true;
}

} // namespace

std::optional<IndexedPicture> exactPalette(const QImage& rgb32) {
    IndexedPicture out;
    out.pixels.reserve(std::size_t(rgb32.width()) * std::size_t(rgb32.height()));
    if (!indexPixels(rgb32, out)) return std::nullopt;
    return out;
}

} // namespace plotwise
