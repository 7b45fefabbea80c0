#include "PalettePng.h"

#include <zlib.h>

#include <cstdint>
#include <cstring>

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

// One row's indices packed from the high bits down, 8 / Bits of them a byte.
template <int Bits> void packRow(const unsigned char* in, int width, unsigned char* out) {
    constexpr int perByte = 8 / Bits;
    int x = 0;
    for (; x + perByte <= width; x += perByte) {
        unsigned value = 0;
        for (int k = 0; k < perByte; ++k)
            value = (value << Bits) | in[x + k];
        *out++ = static_cast<unsigned char>(value);
    }
    if (x == width) return;
    unsigned value = 0;
    for (int k = 0; k < perByte; ++k)
        value = (value << Bits) | (x + k < width ? in[x + k] : 0u);
    *out = static_cast<unsigned char>(value);
}

// Each row: the filter byte, then the packed indices. A row that shares the
// indices of the row above (most of a plot) is written as that row (filter
// 2, "up": every byte 0), which zlib packs in a fraction of the time; the
// others unfiltered.
std::string packedRows(const IndexedPicture& picture, int width, int height, int bits) {
    const std::size_t rowBytes = (std::size_t(width) * std::size_t(bits) + 7) / 8;
    std::string rows(std::size_t(height) * (rowBytes + 1), '\0');
    auto* out = reinterpret_cast<unsigned char*>(rows.data()) + 1;
    for (int y = 0; y < height; ++y, out += rowBytes + 1) {
        const unsigned char* in = picture.row(y);
        if (picture.sharesRowAbove(y)) {
            out[-1] = 2;
            continue;
        }
        switch (bits) {
        case 1: packRow<1>(in, width, out); break;
        case 2: packRow<2>(in, width, out); break;
        case 4: packRow<4>(in, width, out); break;
        default: std::memcpy(out, in, std::size_t(width)); break;
        }
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
    header += {static_cast<char>(bits), 3, 0, 0, 0}; // palette colour, deflate, filtered by row, no interlace
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
