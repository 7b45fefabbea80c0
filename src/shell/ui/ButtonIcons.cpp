#include "ButtonIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include <array>
#include <functional>

namespace plotwise::ui {

namespace {

constexpr int kSize = 32;
using Drawing = std::function<void(QPainter&)>;

QIcon paintedIcon(const Drawing& draw) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return QIcon(pixmap);
}

void drawPage(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(70, 70, 70), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(r);
}

void drawCurve(QPainter& p, const QRectF& r, const QColor& color) {
    QPainterPath path(QPointF(r.left(), r.bottom()));
    path.cubicTo(QPointF(r.left() + r.width() * 0.5, r.bottom()),
                 QPointF(r.left() + r.width() * 0.6, r.top()), QPointF(r.right(), r.top()));
    p.setPen(QPen(color, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void drawTextLines(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(40, 40, 120), 1.5));
    for (qreal y = r.top(); y <= r.bottom(); y += 4)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
}

void drawClipboard(QPainter& p) {
    p.setPen(QPen(QColor(90, 60, 20), 1.2));
    p.setBrush(QColor(200, 160, 90));
    p.drawRoundedRect(QRectF(5, 4, 22, 26), 2, 2);
    drawPage(p, QRectF(8, 8, 16, 19));
    p.setBrush(QColor(120, 120, 120));
    p.drawRect(QRectF(12, 2, 8, 5));
}

void drawFloppyArrow(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 110, 200));
    const QPointF arrow[] = {{22, 20}, {30, 20}, {26, 27}};
    p.drawRect(QRectF(24.5, 13, 3, 8));
    p.drawPolygon(arrow, 3);
}

void drawColorSwatches(QPainter& p) {
    const std::array<QColor, 4> colors = {Qt::red, QColor(0, 170, 0), Qt::blue,
                                          QColor(240, 200, 0)};
    p.setPen(QPen(QColor(60, 60, 60), 1));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colors[static_cast<std::size_t>(i)]);
        p.drawRect(QRectF(4 + (i % 2) * 13, 4 + (i / 2) * 13, 11, 11));
    }
}

void drawImageFile(QPainter& p) {
    drawPage(p, QRectF(3, 4, 20, 20));
    drawCurve(p, QRectF(6, 8, 14, 13), Qt::red);
    drawFloppyArrow(p);
}

void drawTextFile(QPainter& p) {
    drawPage(p, QRectF(3, 4, 20, 20));
    drawTextLines(p, QRectF(6, 8, 14, 13));
    drawFloppyArrow(p);
}

void drawCurveClip(QPainter& p) {
    drawClipboard(p);
    drawCurve(p, QRectF(10, 11, 12, 13), Qt::red);
}

void drawListClip(QPainter& p) {
    drawClipboard(p);
    drawTextLines(p, QRectF(10, 11, 12, 13));
}

void drawConvertAll(QPainter& p) {
    drawPage(p, QRectF(9, 2, 18, 16));
    drawPage(p, QRectF(6, 6, 18, 16));
    drawPage(p, QRectF(3, 10, 18, 16));
    drawCurve(p, QRectF(6, 13, 12, 10), Qt::blue);
    drawFloppyArrow(p);
}

void drawTable(QPainter& p) {
    drawPage(p, QRectF(3, 5, 26, 22));
    p.setPen(QPen(QColor(100, 100, 100), 1));
    for (qreal y = 10.5; y < 27; y += 5.5)
        p.drawLine(QPointF(3, y), QPointF(29, y));
    for (qreal x = 11.5; x < 29; x += 8.5)
        p.drawLine(QPointF(x, 5), QPointF(x, 27));
    p.fillRect(QRectF(3.5, 5.5, 25, 4.5), QColor(190, 205, 230));
}

} // namespace

QIcon folderButtonIcon(const QStyle* style, int index) {
    static constexpr std::array<QStyle::StandardPixmap, 6> kIcons = {
        QStyle::SP_FileDialogToParent, QStyle::SP_DesktopIcon,  QStyle::SP_DirHomeIcon,
        QStyle::SP_DirLinkIcon,        QStyle::SP_DriveNetIcon, QStyle::SP_ArrowBack};
    if (index < 0 || index >= static_cast<int>(kIcons.size())) return {};
    return style->standardIcon(kIcons[static_cast<std::size_t>(index)]);
}

QIcon tableToggleIcon() {
    return paintedIcon(drawTable);
}

QIcon exportButtonIcon(int index) {
    static const std::array<Drawing, 6> kDrawings = {drawColorSwatches, drawImageFile,
                                                     drawTextFile,      drawCurveClip,
                                                     drawListClip,      drawConvertAll};
    if (index < 0 || index >= static_cast<int>(kDrawings.size())) return {};
    return paintedIcon(kDrawings[static_cast<std::size_t>(index)]);
}

} // namespace plotwise::ui
