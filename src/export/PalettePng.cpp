#include "PalettePng.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>

namespace plotwise {
namespace {

void appendBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// Length, type, data and the CRC of type and data.
void appendChunk(std::string& out, const char* type, const std::string& data) {
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.append(type, 4);
    out += data;
    const auto* bytes = reinterpret_cast<const Bytef*>(out.data() + start);
    appendBigEndian(out, static_cast<std::uint32_t>(
                             crc32(0, bytes, static_cast<uInt>(out.size() - start))));
}

int bitsPerPixel(std::size_t colors) {
    return colors <= 2 ? 1 : colors <= 4 ? 2 : colors <= 16 ? 4 : 8;
}

// Each row: the filter byte 0 (none), then the indices packed from the high bits down.
std::string packedRows(const IndexedPicture& picture, int width, int height, int bits) {
    const std::size_t rowBytes = (std::size_t(width) * std::size_t(bits) + 7) / 8;
    std::string rows(std::size_t(height) * (rowBytes + 1), '\0');
    const unsigned char* in = picture.pixels.data();
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<unsigned char*>(&rows[std::size_t(y) * (rowBytes + 1) + 1]);
        if (bits == 8) {
            std::copy(in, in + width, out);
        } else {
            for (int x = 0; x < width; ++x) {
                const int at = x * bits;
                out[at / 8] |= static_cast<unsigned char>(in[x] << (8 - bits - at % 8));
            }
        }
        in += width;
    }
    return rows;
}

} // namespace

bool appendPalettePng(const IndexedPicture& picture, int width, int height, int dotsPerMeterX,
                      int dotsPerMeterY, std::string& out) {
    const int bits = bitsPerPixel(picture.palette.size());
    const std::string rows = packedRows(picture, width, height, bits);
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(rows.data()), static_cast<uLong>(rows.size()),
                  Z_BEST_SPEED) != Z_OK)
        return false;
    packed.resize(packedSize);

    out.append("\x89PNG\r\n\x1A\n", 8);
    std::string header;
    appendBigEndian(header, static_cast<std::uint32_t>(width));
    appendBigEndian(header, static_cast<std::uint32_t>(height));
    header += {static_cast<char>(bits), 3, 0, 0, 0}; // palette colour, deflate, no filter, no interlace
    appendChunk(out, "IHDR", header);
    if (dotsPerMeterX > 0 && dotsPerMeterY > 0) {
        std::string size;
        appendBigEndian(size, static_cast<std::uint32_t>(dotsPerMeterX));
        appendBigEndian(size, static_cast<std::uint32_t>(dotsPerMeterY));
        size.push_back(1); // per metre
        appendChunk(out, "pHYs", size);
    }
    std::string palette;
    for (QRgb color : picture.palette)
        palette += {static_cast<char>(qRed(color)), static_cast<char>(qGreen(color)),
                    static_cast<char>(qBlue(color))};
    appendChunk(out, "PLTE", palette);
    appendChunk(out, "IDAT", packed);
    appendChunk(out, "IEND", std::string());
    return true;
}

} // namespace plotwise
