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

int writePng(const QImage& picture, QIODevice& device) {
    const QImage indexed = exactIndexedImage(picture.convertToFormat(QImage::Format_RGB32));
    return writeWithQt(indexed.isNull() ? picture : indexed, device, "png");
}

} // namespace plotwise
