#include "PlotSurface.h"

#include <QPainter>

namespace plotwise::ui {

PlotSurface::PlotSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlotSurface::setImage(const QImage& image) {
    image_ = image;
    update();
}

void PlotSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!image_.isNull()) painter.drawImage(QPoint(0, 0), image_);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace plotwise::ui
