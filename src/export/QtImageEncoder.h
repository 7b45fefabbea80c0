#pragma once
class QIODevice;
class QImage;

namespace plotwise {

// Writes the picture to the device through Qt's encoder of `format` ("jpeg",
// "png", "bmp"); quality -1 leaves the encoder's default. Returns 0, or a
// non-zero status on failure.
int writeWithQt(const QImage& picture, QIODevice& device, const char* format, int quality = -1);

// A PNG: a picture of at most 256 colours is written with its exact palette,
// which is smaller and quicker to write than full colour.
int writePng(const QImage& picture, QIODevice& device);

} // namespace plotwise
