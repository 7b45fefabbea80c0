#include "PictureWriter.h"

#include "BitmapWriter.h"
#include "PicSave.h"

#include <algorithm>
#include <array>
#include <utility>

namespace plotwise {
namespace {

constexpr int JpegQuality = 100;

constexpr std::array<std::pair<std::string_view, PictureWriter>, 4> Endings{{
    {".jpg", PictureWriter::Jpeg},
    {".png", PictureWriter::Png},
    {".gif", PictureWriter::Gif},
    {".bmp", PictureWriter::Bitmap},
}};

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return out;
}

} // namespace

std::optional<PictureWriter> writerForFileName(std::string_view fileName) {
    const std::string lower = lowerAscii(fileName);
    for (const auto& [ending, writer] : Endings)
        if (lower.ends_with(ending)) return writer;
    return std::nullopt;
}

std::string_view convertAllExtension(PictureWriter writer) {
    switch (writer) {
    case PictureWriter::Jpeg:
        return "jpg";
    case PictureWriter::Png:
        return "png";
    case PictureWriter::Gif:
        return "gif";
    case PictureWriter::Bitmap:
        break;
    }
    return "BMP";
}

std::optional<ImageWriteError> writePicture(const QImage& picture, const std::string& fileName,
                                            PictureWriter writer) {
    const PicSave& picSave = PicSave::instance();
    switch (writer) {
    case PictureWriter::Jpeg:
        return picSave.savePicture(picture, fileName, ImageFormatCode::Jpeg, JpegQuality);
    case PictureWriter::Png:
        return picSave.savePicture(picture, fileName, ImageFormatCode::Png, JpegQuality);
    case PictureWriter::Gif:
        return picSave.savePicture(picture, fileName, ImageFormatCode::Gif, JpegQuality);
    case PictureWriter::Bitmap:
        break;
    }
    return saveBitmap(picture, fileName);
}

std::optional<ImageWriteError> encodePicture(const QImage& picture, PictureWriter writer,
                                             QByteArray& bytes) {
    const PicSave& picSave = PicSave::instance();
    switch (writer) {
    case PictureWriter::Jpeg:
        return picSave.encodePicture(picture, ImageFormatCode::Jpeg, JpegQuality, bytes);
    case PictureWriter::Png:
        return picSave.encodePicture(picture, ImageFormatCode::Png, JpegQuality, bytes);
    case PictureWriter::Gif:
        return picSave.encodePicture(picture, ImageFormatCode::Gif, JpegQuality, bytes);
    case PictureWriter::Bitmap:
        break;
    }
    return encodeBitmap(picture, bytes);
}

const char* pictureWriterSource(PictureWriter writer) {
    return writer == PictureWriter::Bitmap ? BitmapWriterSource : PicSave::SourceName;
}

} // namespace plotwise
