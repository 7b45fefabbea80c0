#pragma once
#include <QImage>

#include <optional>
#include <vector>

namespace plotwise {

// A picture as one palette index a pixel, rows packed, and its palette.
struct IndexedPicture {
    std::vector<unsigned char> pixels;
    std::vector<QRgb> palette; // 0x00RRGGBB
};

// Every colour of an RGB32 picture in order of first appearance, or nullopt
// when there are more than 256. The plot draws few colours, so this usually
// keeps them all exact.
std::optional<IndexedPicture> exactPalette(const QImage& rgb32);

} // namespace plotwise
