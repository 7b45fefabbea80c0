#pragma once
class QIODevice;
class QImage;

namespace plotwise {

// Writes the picture to the device as a GIF. A picture of at most 256 colours
// keeps every colour exact; one of more is mapped to a fixed 6x7x6 colour
// cube. Returns 0, or a non-zero giflib error code.
int writeGif(const QImage& picture, QIODevice& device);

} // namespace plotwise
