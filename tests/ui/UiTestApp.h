#pragma once
// Shared helpers of the widget tests: the one application object and a wheel
// turn as the window system delivers it.
#include <QApplication>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>
#include <QWidget>

namespace plotwise::test {

inline QApplication& uiApp() {
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    // Never deleted: widgets of finished tests may still hold on to it at exit.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

// A wheel turn aimed at `target`; a synthesised one arrives through sendEvent().
inline void turnWheel(QWidget* target, int delta, bool spontaneous = true) {
    QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    if (spontaneous) {
        // As QTest does for its input events: sendEvent() would clear the flag.
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(target, &event);
    } else {
        QApplication::sendEvent(target, &event);
    }
    QCoreApplication::processEvents();
}

} // namespace plotwise::test
