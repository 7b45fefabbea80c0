#include "PlotCanvas.h"

#include "PixelLine.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>

namespace plotwise {
namespace {

// 96 dots per inch: one point of type is 20 twips, one pixel 15.
constexpr int kDotsPerMeter = 3780;
// Backgrounds kept for reuse (a plot at a few scales), fonts and texts measured.
constexpr std::size_t kKeptBackgrounds = 4;
constexpr std::size_t kKeptFonts = 16;
constexpr qsizetype kKeptWidths = 4096;
// Pictures handed to writers (convert all keeps eight under way), and of
// those let go again the ones kept for the next drawings.
constexpr std::size_t kSparePictures = 12;
constexpr std::size_t kFreeSpares = 2;

// A picture whose pixels are still to be written.
QImage newImage(int width, int height) {
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    return image;
}

QImage blankImage(int width, int height) {
    QImage image = newImage(width, height);
    image.fill(Qt::white);
    return image;
}

} // namespace

PlotCanvas::PlotCanvas() : image_(blankImage(1, 1)) {}

void PlotCanvas::resize(int widthPixels, int heightPixels) {
    endBackground();
    image_ = blankImage(widthPixels, heightPixels);
    // Pictures of the old size are of no more use.
    backgrounds_.clear();
    spares_.clear();
}

void PlotCanvas::setFont(const QFont& font) {
    font_ = font;
    fontIndex_ = -1;
}

void PlotCanvas::setFontSize(int points) {
    font_.setPointSize(std::max(points, 1));
    fontIndex_ = -1;
}

// Measuring a text shapes it each time: the measures are kept per font.
PlotCanvas::FontMeasures& PlotCanvas::measures() const {
    if (fontIndex_ >= 0) return fonts_[std::size_t(fontIndex_)];
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        if (fonts_[i].font != font_) continue;
        fontIndex_ = int(i);
        return fonts_[i];
    }
    if (fonts_.size() >= kKeptFonts) fonts_.clear();
    const QFontMetricsF metrics(font_, &image_);
    fonts_.push_back(FontMeasures{font_, metrics.ascent(), metrics.height(),
                                  metrics.averageCharWidth(), {}});
    fontIndex_ = int(fonts_.size() - 1);
    return fonts_.back();
}

double PlotCanvas::advance(const QString& text) const {
    FontMeasures& font = measures();
    if (const auto known = font.widths.constFind(text); known != font.widths.cend())
        return known.value();
    if (font.widths.size() >= kKeptWidths) font.widths.clear();
    const double width = QFontMetricsF(font_, &image_).horizontalAdvance(text);
    font.widths.insert(text, width);
    return width;
}

void PlotCanvas::paint(const std::function<void(QPainter&)>& draw) {
    if (outer_) {
        outer_->save();
        draw(*outer_);
        outer_->restore();
        return;
    }
    own();
    QPainter painter(&image_);
    draw(painter);
}

// A picture shared with a kept background or a writer is copied before it is
// drawn on, into a spare one when the writers have let one go.
void PlotCanvas::own() {
    if (image_.isDetached()) return;
    QImage copy = freeImage(image_.width(), image_.height());
    if (copy.isNull()) return; // no memory: Qt's own copy fails as well, and draws nothing
    std::memcpy(copy.bits(), image_.constBits(), std::size_t(image_.sizeInBytes()));
    retire(std::exchange(image_, std::move(copy)));
}

QImage PlotCanvas::freeImage(int width, int height) {
    for (auto spare = spares_.begin(); spare != spares_.end(); ++spare) {
        if (spare->width() != width || spare->height() != height || !spare->isDetached()) continue;
        // The last other holder let it go on its own thread.
        std::atomic_thread_fence(std::memory_order_acquire);
        QImage image = std::move(*spare);
        spares_.erase(spare);
        return image;
    }
    return newImage(width, height); // every pixel is written next
}

// Pictures the canvas no longer draws on, kept to be drawn on again once no
// one else holds them: a new picture costs the system fresh pages each time.
// A kept background is not one of them, and of the pictures no one holds any
// more only a few stay (after convert all, the writers let go of eight).
void PlotCanvas::retire(QImage image) {
    if (image.isNull()) return;
    for (const Background& kept : backgrounds_)
        if (kept.image.cacheKey() == image.cacheKey()) return;
    spares_.push_back(std::move(image));
    std::size_t free = 0;
    for (auto spare = spares_.begin(); spare != spares_.end();) {
        if (spare->isDetached() && ++free > kFreeSpares)
            spare = spares_.erase(spare);
        else
            ++spare;
    }
    if (spares_.size() > kSparePictures) spares_.pop_front();
}

bool PlotCanvas::Step::operator==(const Step& other) const {
    return kind == other.kind && line == other.line && rect == other.rect &&
           origin == other.origin && color == other.color && width == other.width &&
           text == other.text && font == other.font;
}

void PlotCanvas::draw(QPainter& p, const Step& step) const {
    switch (step.kind) {
    case Step::Kind::Clear:
        p.fillRect(step.rect, Qt::white);
        break;
    case Step::Kind::Line:
        p.setPen(QPen(step.color, step.width, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(step.line);
        break;
    case Step::Kind::Box:
        p.setPen(QPen(step.color, step.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(step.rect);
        break;
    case Step::Kind::Text:
        p.setFont(step.font);
        p.setPen(step.color);
        p.drawText(step.origin, step.text);
        break;
    }
}

void PlotCanvas::apply(Step step) {
    if (recording_) {
        steps_.push_back(std::move(step));
        return;
    }
    paint([&](QPainter& p) { draw(p, step); });
}

void PlotCanvas::clear() {
    Step step;
    step.rect = QRect(0, 0, image_.width(), image_.height());
    apply(std::move(step));
}

void PlotCanvas::beginBackground() {
    endBackground();
    recording_ = !outer_;
    steps_.clear();
    drawnSteps_ = 0;
    clear();
}

// A background drawn by the same steps on a picture of the same size has the
// same pixels: the kept one is shared, and the picture copied only when drawn
// on again. A background is kept the second time it is drawn, so a picture
// drawn once (a render) copies nothing.
void PlotCanvas::keepBackground() {
    if (!recording_) return;
    const QSize size = image_.size();
    for (auto kept = backgrounds_.begin(); kept != backgrounds_.end(); ++kept) {
        if (kept->size != size || kept->steps != steps_) continue;
        if (kept->image.isNull()) {
            drawRecorded();
            kept->image = image_;
        } else {
            retire(std::exchange(image_, kept->image));
            drawnSteps_ = steps_.size();
        }
        std::rotate(backgrounds_.begin(), kept, std::next(kept));
        return;
    }
    drawRecorded();
    if (backgrounds_.size() >= kKeptBackgrounds) backgrounds_.pop_back();
    backgrounds_.push_front(Background{size, steps_, QImage()});
}

void PlotCanvas::endBackground() {
    if (!recording_) return;
    drawRecorded();
    recording_ = false;
    steps_.clear();
}

void PlotCanvas::drawRecorded() {
    if (drawnSteps_ == steps_.size()) return;
    // The steps start with a clear: a picture still shared (with a writer)
    // is left to it rather than copied.
    if (drawnSteps_ == 0 && !image_.isDetached())
        retire(std::exchange(image_, freeImage(image_.width(), image_.height())));
    own();
    QPainter painter(&image_);
    for (std::size_t i = drawnSteps_; i < steps_.size(); ++i)
        draw(painter, steps_[i]);
    drawnSteps_ = steps_.size();
}

void PlotCanvas::line(double x1, double y1, double x2, double y2, const QColor& color,
                      int widthPixels) {
    Step step;
    step.kind = Step::Kind::Line;
    step.line = QLine(toPixel(x1), toPixel(y1), toPixel(x2), toPixel(y2));
    step.color = color;
    step.width = widthPixels;
    apply(std::move(step));
}

void PlotCanvas::box(double x1, double y1, double x2, double y2, const QColor& color,
                     int widthPixels) {
    const QRect rect(QPoint(toPixel(std::min(x1, x2)), toPixel(std::min(y1, y2))),
                     QPoint(toPixel(std::max(x1, x2)), toPixel(std::max(y1, y2))));
    Step step;
    step.kind = Step::Kind::Box;
    step.rect = rect.adjusted(0, 0, -1, -1).normalized();
    step.color = color;
    step.width = widthPixels;
    apply(std::move(step));
}

void PlotCanvas::polyline(const QPolygon& pixels, const QColor& color) {
    endBackground();
    if (!outer_) {
        own();
        return drawPixelPolyline(image_, pixels, color.rgb());
    }
    if (pixels.size() < 2) return;
    paint([&](QPainter& p) {
        p.setPen(QPen(color, 1));
        p.drawPolyline(pixels);
    });
}

void PlotCanvas::invertDottedBox(double x1, double y1, double x2, double y2) {
    if (outer_) return;
    endBackground();
    own();
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
    return advance(QString::fromLatin1(latin1Text)) * kTwipsPerPixel;
}

double PlotCanvas::lineHeight() const {
    return measures().height * kTwipsPerPixel;
}

void PlotCanvas::print(const std::string& latin1Text, const QColor& color) {
    print(QString::fromLatin1(latin1Text), color);
}

void PlotCanvas::print(const QString& text, const QColor& color) {
    Step step;
    step.kind = Step::Kind::Text;
    step.origin = QPointF(std::floor(currentX / kTwipsPerPixel),
                          std::floor(currentY / kTwipsPerPixel) + measures().ascent);
    step.text = text;
    step.font = font_;
    step.color = color;
    apply(std::move(step));
    currentX += advance(text) * kTwipsPerPixel;
}

void PlotCanvas::nextZone() {
    const double zone = 14 * measures().averageCharWidth * kTwipsPerPixel;
    if (zone <= 0) return;
    currentX = (std::floor(currentX / zone) + 1) * zone;
}

} // namespace plotwise
