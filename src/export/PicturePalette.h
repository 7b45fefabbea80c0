#pragma once
#include <QImage>

#include <optional>
#include <vector>

namespace plotwise {

// A picture as one palette index a pixel, and its palette. A row may share
// the indices of the row above (most rows of a plot): `rows` tells where each
// row's indices start in `pixels`.
struct IndexedPicture {
    std::vector<unsigned char> pixels;
    std::vector<std::size_t> rows;
    std::vector<QRgb> palette; // 0x00RRGGBB

    unsigned char* row(int y) { return pixels.data() + rows[std::size_t(y)]; }
    const unsigned char* row(int y) const { return pixels.data() + rows[std::size_t(y)]; }
    bool sharesRowAbove(int y) const { return y > 0 && rows[std::size_t(y)] == rows[std::size_t(y) - 1]; }
};

// Every colour of an RGB32 picture in order of first appearance, or nullopt
// when there are more than 256. The plot draws few colours, so this usually
// keeps them all exact.
std::optional<IndexedPicture> exactPalette(const QImage& rgb32);

} // namespace plotwise
