#include "PicturePalette.h"

#include <unordered_map>

namespace plotwise {
namespace {

constexpr std::size_t kMaxColors = 256;

} // namespace

std::optional<IndexedPicture> exactPalette(const QImage& rgb32) {
    IndexedPicture out;
    out.pixels.reserve(std::size_t(rgb32.width()) * std::size_t(rgb32.height()));
    std::unordered_map<QRgb, unsigned char> index;
    // Runs of one colour are the rule: the last colour is checked first.
    QRgb lastColor = 0;
    unsigned char lastIndex = 0;
    bool any = false;
    for (int y = 0; y < rgb32.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
        for (int x = 0; x < rgb32.width(); ++x) {
            const QRgb color = row[x] & 0xFFFFFF;
            if (!any || color != lastColor) {
                auto [it, added] = index.try_emplace(color, static_cast<unsigned char>(out.palette.size()));
                if (added) {
                    if (out.palette.size() == kMaxColors) return std::nullopt;
                    out.palette.push_back(color);
                }
                lastColor = color;
                lastIndex = it->second;
                any = true;
            }
            out.pixels.push_back(lastIndex);
        }
    }
    return out;
}

QImage exactIndexedImage(const QImage& rgb32) {
    const std::optional<IndexedPicture> indexed = exactPalette(rgb32);
    if (!indexed) return {};
    QImage image(rgb32.width(), rgb32.height(), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (QRgb color : indexed->palette)
        table.push_back(0xFF000000 | color);
    image.setColorTable(table);
    for (int y = 0; y < image.height(); ++y)
        std::copy_n(indexed->pixels.data() + std::size_t(y) * std::size_t(image.width()),
                    image.width(), image.scanLine(y));
    image.setDotsPerMeterX(rgb32.dotsPerMeterX());
    image.setDotsPerMeterY(rgb32.dotsPerMeterY());
    return image;
}

} // namespace plotwise
