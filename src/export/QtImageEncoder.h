#pragma once
class QIODevice;
class QImage;

namespace plotwise {

// Writes the picture to the device through Qt's encoder of `format` ("jpeg",
// "png", "bmp"); quality -1 leaves the encoder's default. Returns 0, or a
// non-zero status on failure.
int writeWithQt(const QImage& picture, QIODevice& device, const char* format, int quality = -1);

} // namespace plotwise
