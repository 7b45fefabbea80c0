#include "PlotCanvas.h"

#include "PixelLine.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace plotwise {
namespace {

// 96 dots per inch: one point of type is 20 twips, one pixel 15.
constexpr int kDotsPerMeter = 3780;

QImage blankImage(int width, int height) {
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(Qt::white);
    return image;
}

} // namespace

PlotCanvas::PlotCanvas() : image_(blankImage(1, 1)) {}

void PlotCanvas::resize(int widthPixels, int heightPixels) {
    image_ = blankImage(widthPixels, heightPixels);
}

void PlotCanvas::setFont(const QFont& font) {
    font_ = font;
}

void PlotCanvas::setFontSize(int points) {
    font_.setPointSize(std::max(points, 1));
}

void PlotCanvas::paint(const std::function<void(QPainter&)>& draw) {
    if (outer_) {
        outer_->save();
        draw(*outer_);
        outer_->restore();
        return;
    }
    QPainter painter(&image_);
    draw(painter);
}

void PlotCanvas::clear() {
    paint([this](QPainter& p) { p.fillRect(QRect(0, 0, image_.width(), image_.height()), Qt::white); });
}

void PlotCanvas::line(double x1, double y1, double x2, double y2, const QColor& color,
                      int widthPixels) {
    const QLine pixels(toPixel(x1), toPixel(y1), toPixel(x2), toPixel(y2));
    paint([&](QPainter& p) {
        p.setPen(QPen(color, widthPixels, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(pixels);
    });
}

void PlotCanvas::box(double x1, double y1, double x2, double y2, const QColor& color,
                     int widthPixels) {
    const QRect rect(QPoint(toPixel(std::min(x1, x2)), toPixel(std::min(y1, y2))),
                     QPoint(toPixel(std::max(x1, x2)), toPixel(std::max(y1, y2))));
    paint([&](QPainter& p) {
        p.setPen(QPen(color, widthPixels, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect.adjusted(0, 0, -1, -1).normalized());
    });
}

void PlotCanvas::polyline(const QPolygon& pixels, const QColor& color) {
    if (!outer_) return drawPixelPolyline(image_, pixels, color.rgb());
    if (pixels.size() < 2) return;
    paint([&](QPainter& p) {
        p.setPen(QPen(color, 1));
        p.drawPolyline(pixels);
    });
}

void PlotCanvas::invertDottedBox(double x1, double y1, double x2, double y2) {
    if (outer_) return;
    const int left = toPixel(std::min(x1, x2)), right = toPixel(std::max(x1, x2));
    const int top = toPixel(std::min(y1, y2)), bottom = toPixel(std::max(y1, y2));
    auto invert = [this](int x, int y) {
        if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        row[x] = (row[x] ^ 0x00ffffff) | 0xff000000;
    };
    // Every outline pixel is visited once, so a second call restores them.
    const int xFrom = std::max(left, -1), xTo = std::min(right, image_.width());
    for (int x = xFrom; x <= xTo; ++x) {
        if ((x - left) % 2 != 0) continue;
        invert(x, top);
        if (bottom != top) invert(x, bottom);
    }
    const int yFrom = std::max(top + 1, -1), yTo = std::min(bottom - 1, image_.height());
    for (int y = yFrom; y <= yTo; ++y) {
        if ((y - top) % 2 != 0) continue;
        invert(left, y);
        if (right != left) invert(right, y);
    }
}

double PlotCanvas::textWidth(const std::string& latin1Text) const {
    QFontMetricsF metrics(font_, &image_);
    return metrics.horizontalAdvance(QString::fromLatin1(latin1Text)) * kTwipsPerPixel;
}

double PlotCanvas::lineHeight() const {
    return QFontMetricsF(font_, &image_).height() * kTwipsPerPixel;
}

void PlotCanvas::print(const std::string& latin1Text, const QColor& color) {
    print(QString::fromLatin1(latin1Text), color);
}

void PlotCanvas::print(const QString& text, const QColor& color) {
    QFontMetricsF metrics(font_, &image_);
    const QPointF origin(std::floor(currentX / kTwipsPerPixel),
                         std::floor(currentY / kTwipsPerPixel) + metrics.ascent());
    paint([&](QPainter& p) {
        p.setFont(font_);
        p.setPen(color);
        p.drawText(origin, text);
    });
    currentX += metrics.horizontalAdvance(text) * kTwipsPerPixel;
}

void PlotCanvas::nextZone() {
    QFontMetricsF metrics(font_, &image_);
    const double zone = 14 * metrics.averageCharWidth() * kTwipsPerPixel;
    if (zone <= 0) return;
    currentX = (std::floor(currentX / zone) + 1) * zone;
}

} // namespace plotwise
