#include "QtImageEncoder.h"

#include "PicturePalette.h"

#include <QImage>
#include <QImageWriter>

namespace plotwise {

int writeWithQt(const QImage& picture, QIODevice& device, const char* format, int quality) {
    QImageWriter writer(&device, format);
    writer.setQuality(quality);
    if (writer.write(picture)) return 0;
    // UnknownError is 0; a failure never reports 0.
    int status = int(writer.error());
    return status != 0 ? status : 1;
}

// On Qt's 0..100 scale, zlib's fastest level: a plot is mostly runs of
// white, which that level packs nearly as well in half the time.
constexpr int kPngCompression = 20;

int writePng(const QImage& picture, QIODevice& device) {
    const QImage indexed = exactIndexedImage(picture.convertToFormat(QImage::Format_RGB32));
    QImageWriter writer(&device, "png");
    writer.setCompression(kPngCompression);
    if (writer.write(indexed.isNull() ? picture : indexed)) return 0;
    const int status = int(writer.error());
    return status != 0 ? status : 1;
}

} // namespace plotwise
