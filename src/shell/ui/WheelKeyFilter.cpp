#include "WheelKeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

namespace plotwise::ui {

WheelKeyFilter::WheelKeyFilter(QWidget* window, QObject* parent)
    : QObject(parent), window_(window) {}

bool WheelKeyFilter::inScope(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && window_ && widget->window() == window_;
}

bool WheelKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    // A wheel event travels up the parents until one takes it; only its first
    // delivery is spontaneous, so each turn is translated once.
    if (event->type() == QEvent::Wheel && event->spontaneous() && inScope(watched)) {
        const QPoint delta = static_cast<QWheelEvent*>(event)->angleDelta();
        if (delta.y() != 0) translate(delta.y());
    }
    return false;
}

void WheelKeyFilter::translate(int delta) {
    if ((pending_ > 0) != (delta > 0)) pending_ = 0; // direction changed
    pending_ += delta;
    while (pending_ >= kNotch || pending_ <= -kNotch) {
        const bool up = pending_ > 0;
        sendKey(up ? Qt::Key_Up : Qt::Key_Down);
        pending_ += up ? -kNotch : kNotch;
    }
}

void WheelKeyFilter::sendKey(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return;
    // A key press only, as a keyboard would send it; no release follows.
    QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
}

} // namespace plotwise::ui
