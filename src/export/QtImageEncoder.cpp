#include "QtImageEncoder.h"

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

} // namespace plotwise
