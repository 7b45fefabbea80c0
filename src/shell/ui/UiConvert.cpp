#include "UiConvert.h"

#include <QStringList>

namespace plotwise::ui {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

QString fromLatin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QRect fitOnScreen(const QRect& available, const QMargins& frame, const QSize& wanted) {
    const QSize room = available.marginsRemoved(frame).size();
    return QRect(available.topLeft() + QPoint(frame.left(), frame.top()), wanted.boundedTo(room));
}

QRect toPixels(const Rect& twips) {
    const int k = FormLayout::kTwipsPerPixel;
    return {twips.left / k, twips.top / k, twips.width / k, twips.height / k};
}

int toTwips(int pixels) {
    return pixels * FormLayout::kTwipsPerPixel;
}

QColor fromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

std::uint32_t toBgr(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | static_cast<std::uint32_t>(rgb.green()) << 8 |
           static_cast<std::uint32_t>(rgb.blue()) << 16;
}

int buttonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton) code |= 1;
    if (buttons & Qt::RightButton) code |= 2;
    if (buttons & Qt::MiddleButton) code |= 4;
    return code;
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier) code |= 1;
    if (modifiers & Qt::ControlModifier) code |= 2;
    if (modifiers & Qt::AltModifier) code |= 4;
    return code;
}

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = fromUtf8(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + " (" + QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) + ")";
    return filters.join(";;");
}

} // namespace plotwise::ui
