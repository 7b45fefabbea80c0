#pragma once
#include "ImageWriteError.h"

#include <optional>
#include <string>
#include <string_view>

class QByteArray;
class QImage;

namespace plotwise {

// The four ways the plot picture is written to a file.
enum class PictureWriter { Jpeg, Png, Gif, Bitmap };

// The writer for a file name by its ending ".jpg", ".png", ".gif" or ".bmp",
// compared in lower case; nullopt for any other name.
std::optional<PictureWriter> writerForFileName(std::string_view fileName);

// The extension a convert-all run gives its files: "jpg", "png", "gif", and
// "BMP" in upper case for the bitmap writer.
std::string_view convertAllExtension(PictureWriter writer);

// Writes the picture with the writer, JPEG at quality 100, through the
// program's PicSave or the bitmap writer. nullopt on success.
std::optional<ImageWriteError> writePicture(const QImage& picture, const std::string& fileName,
                                            PictureWriter writer);
// The file writePicture would write, into memory; nullopt on success.
std::optional<ImageWriteError> encodePicture(const QImage& picture, PictureWriter writer,
                                             QByteArray& bytes);
// The source its errors name: the PicSave class or the bitmap writer.
const char* pictureWriterSource(PictureWriter writer);

} // namespace plotwise
