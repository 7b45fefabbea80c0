#include "PicSave.h"

#include "AtomicFile.h"
#include "GifEncoder.h"
#include "QtImageEncoder.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace plotwise {
namespace {

constexpr int OutOfMemory = 3; // the status a failed bitmap copy reports

bool validArguments(const QImage& picture, int format, int quality) {
    return !picture.isNull() && format >= ImageFormatCode::Gif && format <= ImageFormatCode::Png &&
           quality >= 1 && quality <= 100;
}

FileFiller encoderFor(const QImage& bitmap, int format, int quality) {
    switch (format) {
    case ImageFormatCode::Gif:
        return [&bitmap](QIODevice& device) { return writeGif(bitmap, device); };
    case ImageFormatCode::Jpeg:
        return [&bitmap, quality](QIODevice& device) {
            return writeWithQt(bitmap, device, "jpeg", quality);
        };
    default:
        return [&bitmap](QIODevice& device) { return writePng(bitmap, device); };
    }
}

} // namespace

PicSave& PicSave::instance() {
    static PicSave writer;
    return writer;
}

PicSave::PicSave() : PicSave(QImageWriter::supportedImageFormats()) {}

PicSave::PicSave(const QList<QByteArray>& encoders) {
    if (encoders.contains("jpeg") && encoders.contains("png")) startToken_ = 1;
}

std::optional<ImageWriteError> PicSave::prepare(const QImage& picture, int format, int quality,
                                                QImage& bitmap) const {
    if (!started()) return imageWriteError(ImageErrorNumber::StartFailed, SourceName);
    if (!validArguments(picture, format, quality))
        return imageWriteError(ImageErrorNumber::InvalidArgument, SourceName);
    bitmap = picture.convertToFormat(QImage::Format_RGB32);
    if (bitmap.isNull())
        return imageWriteError(ImageErrorNumber::BitmapFailed, SourceName, OutOfMemory);
    return std::nullopt;
}

std::optional<ImageWriteError> PicSave::savePicture(const QImage& picture,
                                                    const std::string& fileName, int format,
                                                    int quality) const {
    QImage bitmap;
    if (auto error = prepare(picture, format, quality, bitmap)) return error;
    if (auto failure = writeFileAtomically(fileName, encoderFor(bitmap, format, quality)))
        return imageWriteError(*failure, SourceName);
    return std::nullopt;
}

std::optional<ImageWriteError> PicSave::encodePicture(const QImage& picture, int format,
                                                      int quality, QByteArray& bytes) const {
    QImage bitmap;
    if (auto error = prepare(picture, format, quality, bitmap)) return error;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (const int status = encoderFor(bitmap, format, quality)(buffer); status != 0)
        return imageWriteError(ImageErrorNumber::SaveFailed, SourceName, status);
    return std::nullopt;
}

} // namespace plotwise
