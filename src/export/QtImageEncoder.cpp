#include "QtImageEncoder.h"

#include "PicturePalette.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <cerrno>

namespace plotwise {

int writeWithQt(const QImage& picture, QIODevice& device, const char* format, int quality) {
    // The encoder writes into memory, the file gets the finished bytes: Qt's
    // PNG writer leaks its row buffer when the device fails under it (a full
    // disk), and the file sees one write either way.
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, format);
    writer.setQuality(quality);
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

int writePng(const QImage& picture, QIODevice& device) {
    const QImage indexed = exactIndexedImage(picture.convertToFormat(QImage::Format_RGB32));
    return writeWithQt(indexed.isNull() ? picture : indexed, device, "png");
}

} // namespace plotwise
