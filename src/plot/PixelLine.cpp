#include "PixelLine.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace plotwise {
namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) { // b > 0
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

class Pixels {
public:
    Pixels(QImage& image, QRgb color)
        : bits_(image.bits()), stride_(image.bytesPerLine()), width_(image.width()),
          height_(image.height()), color_(color | 0xff000000u) {}

    void set(std::int64_t x, std::int64_t y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
        row(static_cast<int>(y))[x] = color_;
    }

    // The pixels of column x from row y0 to row y1, both included.
    void span(int x, int y0, int y1) const {
        if (y0 > y1) std::swap(y0, y1);
        if (x < 0 || x >= width_) return;
        for (int y = std::max(y0, 0), end = std::min(y1, height_ - 1); y <= end; ++y)
            row(y)[x] = color_;
    }

    // Steps along the longer axis; the other coordinate is the nearest
    // whole pixel to the ideal line, halves rounded up. The ends are put in
    // order first, so either direction gives the same pixels.
    void segment(QPoint a, QPoint b) const {
        if (a.x() == b.x()) return span(a.x(), a.y(), b.y());
        const std::int64_t dx = std::int64_t(b.x()) - a.x(), dy = std::int64_t(b.y()) - a.y();
        const bool alongX = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
        if (alongX ? dx < 0 : dy < 0) std::swap(a, b);
        const std::int64_t major = alongX ? std::int64_t(b.x()) - a.x() : std::int64_t(b.y()) - a.y();
        const std::int64_t minor = alongX ? std::int64_t(b.y()) - a.y() : std::int64_t(b.x()) - a.x();
        const int from = alongX ? a.x() : a.y(), to = alongX ? b.x() : b.y();
        const int limit = (alongX ? width_ : height_) - 1;
        const std::int64_t start = std::max(from, 0), end = std::min(to, limit);
        if (start > end) return;
        // other = floor((2 minor (m - from) + major) / (2 major)), stepped
        // along with its remainder.
        const std::int64_t step = 2 * minor, whole = 2 * major;
        const std::int64_t numerator = step * (start - from) + major;
        std::int64_t other = floorDiv(numerator, whole), rest = numerator - other * whole;
        for (std::int64_t m = start;; ++m) {
            if (alongX)
                set(m, a.y() + other);
            else
                set(a.x() + other, m);
            if (m == end) break;
            rest += step; // |step| <= whole: one carry at most
            if (rest >= whole) rest -= whole, ++other;
            else if (rest < 0) rest += whole, --other;
        }
    }

private:
    QRgb* row(int y) const { return reinterpret_cast<QRgb*>(bits_ + std::ptrdiff_t(y) * stride_); }

    uchar* bits_;
    qsizetype stride_;
    int width_, height_;
    QRgb color_;
};

} // namespace

void drawPixelPolyline(QImage& image, const QPolygon& points, QRgb color) {
    if (points.isEmpty() || image.depth() != 32) return;
    const Pixels pixels(image, color);
    pixels.set(points.front().x(), points.front().y());
    for (qsizetype i = 1; i < points.size(); ++i)
        pixels.segment(points[i - 1], points[i]);
}

} // namespace plotwise
