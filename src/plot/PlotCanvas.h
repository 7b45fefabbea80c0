#pragma once
#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QLine>
#include <QPolygon>
#include <QRect>
#include <QString>

#include <cmath>
#include <deque>
#include <functional>
#include <string>
#include <vector>

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
    // Starts the picture's background (its frame, grid and labels) on a
    // cleared picture; endBackground() ends it. On the picture's own image
    // the drawing in between is recorded; at each keepBackground() the
    // picture drawn so far is taken from one of the last few kept when that
    // one was drawn by the very same steps, else drawn (and kept the second
    // time the same steps come).
    void beginBackground();
    void keepBackground();
    void endBackground();
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
    // One recorded drawing step.
    struct Step {
        enum class Kind { Clear, Line, Box, Text };
        Kind kind = Kind::Clear;
        QLine line;
        QRect rect;
        QPointF origin;
        QString text;
        QFont font;
        QColor color;
        int width = 1;
        bool operator==(const Step& other) const;
    };
    struct Background {
        QSize size;
        std::vector<Step> steps;
        QImage image; // null until drawn a second time
    };
    // The measures of one font, and the widths of the texts measured in it.
    struct FontMeasures {
        QFont font;
        double ascent = 0;
        double height = 0;
        double averageCharWidth = 0;
        QHash<QString, double> widths;
    };

    void paint(const std::function<void(QPainter&)>& draw);
    void draw(QPainter& painter, const Step& step) const;
    // Records the step while a background is recorded, else draws it.
    void apply(Step step);
    void drawRecorded(); // the recorded steps not yet on the image
    void own();          // a picture no one else holds, before drawing on it
    QImage freeImage(int width, int height);
    void retire(QImage image);

    FontMeasures& measures() const;
    double advance(const QString& text) const;

    QImage image_;
    QPainter* outer_ = nullptr;
    QFont font_;
    bool recording_ = false;
    std::vector<Step> steps_;  // since the background began
    std::size_t drawnSteps_ = 0; // of which on the image
    std::deque<Background> backgrounds_; // the newest first
    std::deque<QImage> spares_;
    mutable std::vector<FontMeasures> fonts_;
    mutable int fontIndex_ = -1; // font_'s entry in fonts_, -1 when not looked up
};

} // namespace plotwise
