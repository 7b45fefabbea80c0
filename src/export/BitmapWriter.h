#pragma once
#include "ImageWriteError.h"

#include <optional>
#include <string>

class QByteArray;
class QImage;

namespace plotwise {

inline constexpr const char* BitmapWriterSource = "SaveBitmap";

// Writes the picture as a Windows BMP file (24 bits per pixel), replacing the
// file only when the whole of it was written. Errors carry the picture
// writer's numbers: 5 for a missing picture, then the file errors.
std::optional<ImageWriteError> saveBitmap(const QImage& picture, const std::string& fileName);
// The same bitmap into memory; nullopt on success.
std::optional<ImageWriteError> encodeBitmap(const QImage& picture, QByteArray& bytes);

} // namespace plotwise
