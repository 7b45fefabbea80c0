#include "BitmapWriter.h"

#include "AtomicFile.h"
#include "QtImageEncoder.h"

#include <QBuffer>
#include <QImage>

namespace plotwise {

std::optional<ImageWriteError> saveBitmap(const QImage& picture, const std::string& fileName) {
    if (picture.isNull())
        return imageWriteError(ImageErrorNumber::InvalidArgument, BitmapWriterSource);
    // Qt writes RGB32 as a 24-bit BMP whatever format the picture came in.
    const QImage bitmap = picture.convertToFormat(QImage::Format_RGB32);
    auto write = [&bitmap](QIODevice& device) { return writeWithQt(bitmap, device, "bmp"); };
    if (auto failure = writeFileAtomically(fileName, write))
        return imageWriteError(*failure, BitmapWriterSource);
    return std::nullopt;
}

std::optional<ImageWriteError> encodeBitmap(const QImage& picture, QByteArray& bytes) {
    if (picture.isNull())
        return imageWriteError(ImageErrorNumber::InvalidArgument, BitmapWriterSource);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (const int status = writeWithQt(picture.convertToFormat(QImage::Format_RGB32), buffer, "bmp"))
        return imageWriteError(ImageErrorNumber::SaveFailed, BitmapWriterSource, status);
    return std::nullopt;
}

} // namespace plotwise
