#include "QtImageEncoder.h"

#include "PalettePng.h"
#include "PicturePalette.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <cerrno>
#include <functional>
#include <optional>
#include <string>

namespace plotwise {
namespace {

// The encoder writes into memory, the file gets the finished bytes: Qt's PNG
// writer leaks its row buffer when the device fails under it (a full disk),
// and the file sees one write either way.
int writeEncoded(const QImage& picture, QIODevice& device, const char* format,
                 const std::function<void(QImageWriter&)>& configure) {
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, format);
    configure(writer);
    if (!writer.write(picture)) {
        // UnknownError is 0; a failure never reports 0.
        int status = int(writer.error());
        return status != 0 ? status : 1;
    }
    const QByteArray& bytes = encoded.data();
    errno = 0;
    if (device.write(bytes) == bytes.size()) return 0;
    return errno != 0 ? errno : 1;
}

// On Qt's 0..100 scale, zlib's fastest level: a plot is mostly runs of
// white, which that level packs nearly as well in half the time.
constexpr int kPngCompression = 20;

} // namespace

int writeWithQt(const QImage& picture, QIODevice& device, const char* format, int quality) {
    return writeEncoded(picture, device, format,
                        [quality](QImageWriter& writer) { writer.setQuality(quality); });
}

// A picture of at most 256 colours (every plot) is written by the palette
// writer, any other through Qt.
int writePng(const QImage& picture, QIODevice& device) {
    const std::optional<IndexedPicture> indexed =
        exactPalette(picture.convertToFormat(QImage::Format_RGB32));
    if (!indexed)
        return writeEncoded(picture, device, "png",
                            [](QImageWriter& writer) { writer.setCompression(kPngCompression); });
    std::string bytes;
    if (!appendPalettePng(*indexed, picture.width(), picture.height(), picture.dotsPerMeterX(),
                          picture.dotsPerMeterY(), bytes))
        return 1;
    errno = 0;
    if (device.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size())) return 0;
    return errno != 0 ? errno : 1;
}

} // namespace plotwise
