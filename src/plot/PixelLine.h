#pragma once
#include <QImage>
#include <QPolygon>

namespace plotwise {

// Draws a polyline of 1-pixel crisp lines straight into a 32-bit image: each
// segment sets every pixel it passes, one per step along its longer axis,
// both ends included, clipped to the image. A segment's pixels depend on its
// two ends alone (not on the segment before, nor on the direction it is
// drawn in), so a polyline's pixels are the union of its segments' pixels.
// A polyline of one point sets that pixel.
void drawPixelPolyline(QImage& image, const QPolygon& points, QRgb color);

} // namespace plotwise
