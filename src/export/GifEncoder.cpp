#include "GifEncoder.h"

#include "PicturePalette.h"

#include <QIODevice>
#include <QImage>
#include <gif_lib.h>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace plotwise {
namespace {

constexpr int MaxColors = 256;
constexpr int MaxSide = 65535; // GIF sizes are 16-bit

// Nearest of `levels` evenly spaced levels over 0..255.
int level(int value, int levels) {
    return (value * (levels - 1) + 127) / 255;
}
int levelValue(int step, int levels) {
    return (step * 255 + (levels - 1) / 2) / (levels - 1);
}

// The picture mapped to a 6x7x6 cube (green gets the extra level).
IndexedPicture cubeColors(const QImage& picture) {
    IndexedPicture out;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 7; ++g)
            for (int b = 0; b < 6; ++b)
                out.palette.push_back(qRgb(levelValue(r, 6), levelValue(g, 7), levelValue(b, 6)));
    out.pixels.reserve(std::size_t(picture.width()) * std::size_t(picture.height()));
    for (int y = 0; y < picture.height(); ++y) {
        out.rows.push_back(out.pixels.size());
        for (int x = 0; x < picture.width(); ++x) {
            QRgb c = reinterpret_cast<const QRgb*>(picture.constScanLine(y))[x];
            int i = (level(qRed(c), 6) * 7 + level(qGreen(c), 7)) * 6 + level(qBlue(c), 6);
            out.pixels.push_back(static_cast<unsigned char>(i));
        }
    }
    return out;
}

struct ColorMapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColorMap = std::unique_ptr<ColorMapObject, ColorMapDeleter>;

// A GIF colour map holds a power of two entries, at least two; the rest black.
ColorMap colorMap(const std::vector<QRgb>& palette) {
    int size = 2;
    while (size < int(palette.size()))
        size *= 2;
    std::vector<GifColorType> colors(std::size_t(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.size(); ++i)
        colors[i] = GifColorType{GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                                 GifByteType(qBlue(palette[i]))};
    return ColorMap(GifMakeMapObject(size, colors.data()));
}

int writeToDevice(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* device = static_cast<QIODevice*>(gif->UserData);
    return int(device->write(reinterpret_cast<const char*>(bytes), length));
}

// Screen, image descriptor and rows; false with gif->Error set on failure.
bool putImage(GifFileType* gif, IndexedPicture& indexed, int width, int height) {
    ColorMap map = colorMap(indexed.palette);
    if (!map) {
        gif->Error = E_GIF_ERR_NOT_ENOUGH_MEM;
        return false;
    }
    if (EGifPutScreenDesc(gif, width, height, 8, 0, map.get()) == GIF_ERROR) return false;
    if (EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_ERROR) return false;
    for (int y = 0; y < height; ++y) {
        if (EGifPutLine(gif, indexed.row(y), width) == GIF_ERROR) return false;
    }
    return true;
}

} // namespace

int writeGif(const QImage& picture, QIODevice& device) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull()) return E_GIF_ERR_NOT_ENOUGH_MEM;
    if (rgb.width() > MaxSide || rgb.height() > MaxSide) return E_GIF_ERR_DATA_TOO_BIG;
    std::optional<IndexedPicture> exact = exactPalette(rgb);
    IndexedPicture indexed = exact ? std::move(*exact) : cubeColors(rgb);

    int error = 0;
    GifFileType* gif = EGifOpen(&device, writeToDevice, &error);
    if (!gif) return error != 0 ? error : E_GIF_ERR_OPEN_FAILED;
    int status = 0;
    if (!putImage(gif, indexed, rgb.width(), rgb.height()))
        status = gif->Error != 0 ? gif->Error : E_GIF_ERR_WRITE_FAILED;
    // Closing writes the trailer and frees the handle, also after a failure.
    if (EGifCloseFile(gif, &error) == GIF_ERROR && status == 0) status = error;
    return status;
}

} // namespace plotwise
