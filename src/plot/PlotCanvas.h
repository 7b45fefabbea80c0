#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPolygon>

#include <cmath>
#include <functional>
#include <string>

class QPainter;

namespace plotwise {

// The plot picture: a persistent image that the plot draws into, addressed in
// picture units (twips, 15 per pixel) as the picture's scale area. Lines are
// crisp, without antialiasing; text is printed with its top-left corner at
// the print position, which then moves past the text. Drawing goes to the
// picture's own image, or to an outside painter (a PDF page) of the same size.
class PlotCanvas {
public:
    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kBorderTwips = 60; // two pixels of border on each side

    PlotCanvas();

    // Size of the scale area in pixels; the image is cleared.
    void resize(int widthPixels, int heightPixels);
    int widthPixels() const { return image_.width(); }
    int heightPixels() const { return image_.height(); }
    double scaleWidth() const { return image_.width() * double(kTwipsPerPixel); }
    double scaleHeight() const { return image_.height() * double(kTwipsPerPixel); }
    double outerWidth() const { return scaleWidth() + kBorderTwips; }

    const QImage& image() const { return image_; }
    // Draw onto this painter (already scaled to pixels of this picture)
    // instead of the image until it is reset with nullptr.
    void setOuterPainter(QPainter* painter) { outer_ = painter; }

    void setFont(const QFont& font);
    const QFont& font() const { return font_; }
    int fontSize() const { return font_.pointSize(); }
    void setFontSize(int points);

    void clear();
    void line(double x1, double y1, double x2, double y2, const QColor& color, int widthPixels = 1);
    void box(double x1, double y1, double x2, double y2, const QColor& color, int widthPixels = 1);
    // A polyline whose points are already in pixels. On the image its
    // segments are drawn pixel by pixel (see drawPixelPolyline), so the
    // pixels do not depend on the order of the segments; an outside painter
    // draws it as a line of its own.
    void polyline(const QPolygon& pixels, const QColor& color);
    // Inverts the pixels of a dotted outline; drawing it twice restores them.
    void invertDottedBox(double x1, double y1, double x2, double y2);

    double currentX = 0;
    double currentY = 0;
    void print(const std::string& latin1Text, const QColor& color);
    void print(const QString& text, const QColor& color);
    // Moves the print position to the next print zone (14 average character
    // widths apart, counted from the picture's left edge).
    void nextZone();
    double textWidth(const std::string& latin1Text) const;
    // The height of one line of text, in picture units.
    double lineHeight() const;

    // Picture units to the pixel they fall in (kept within a sane range).
    static int toPixel(double twips) {
        const double pixels = std::floor(twips / kTwipsPerPixel);
        return static_cast<int>(pixels < -1.0e6 ? -1.0e6 : (pixels > 1.0e6 ? 1.0e6 : pixels));
    }

private:
    void paint(const std::function<void(QPainter&)>& draw);

    QImage image_;
    QPainter* outer_ = nullptr;
    QFont font_;
};

} // namespace plotwise
