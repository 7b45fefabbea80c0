#include "PlotSurface.h"

#include "UiConvert.h"

#include <QMouseEvent>
#include <QPainter>

namespace plotwise::ui {
namespace {

constexpr double kTwipsPerPixel = 15;

double pictureUnits(double pixels) {
    return (pixels - PlotSurface::kBorderPixels) * kTwipsPerPixel;
}

} // namespace

PlotSurface::PlotSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PlotSurface::setImage(const QImage& image) {
    image_ = image;
    update();
}

void PlotSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!image_.isNull()) painter.drawImage(QPoint(kBorderPixels, kBorderPixels), image_);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

void PlotSurface::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit mouseDown(buttonCode(event->button()), pictureUnits(p.x()), pictureUnits(p.y()));
}

void PlotSurface::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit mouseMove(buttonCode(event->buttons()), pictureUnits(p.x()), pictureUnits(p.y()));
}

void PlotSurface::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit mouseUp(buttonCode(event->button()), pictureUnits(p.x()), pictureUnits(p.y()));
    if (releaseEndsDoubleClick_) {
        releaseEndsDoubleClick_ = false;
        return;
    }
    if (rect().contains(p.toPoint())) emit clicked();
}

void PlotSurface::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    releaseEndsDoubleClick_ = true;
    emit doubleClicked();
}

void PlotSurface::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit left();
}

} // namespace plotwise::ui
