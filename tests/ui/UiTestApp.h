#pragma once
// Shared helpers of the widget tests: the one application object, a wheel
// turn as the window system delivers it, and the main window on a core whose
// folders live in a temporary folder.
#include "curvelist/CurveListModel.h"
#include "shell/CoreFixture.h"
#include "shell/ui/Form1Widgets.h"
#include "shell/ui/MainWindow.h"

#include <QSpontaneKeyEvent>
#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

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

// The main window started on the core, 1280 x 1000 pixels.
class WindowTest : public ::testing::Test {
protected:
    WindowTest() { uiApp(); }

    void start(const std::string& commandLine = "", const std::string& workingFolder = "") {
        window_.reset();
        f_.commandLine = commandLine;
        window_ = std::make_unique<ui::MainWindow>(f_.make(workingFolder));
        window_->start();
        window_->resize(1280, 1000);
        QCoreApplication::processEvents();
    }
    Form1Core& core() { return *f_.core; }
    const ui::Form1Widgets& w() const { return window_->widgets(); }
    CurveListModel& list() { return window_->curveListModel(); }
    void click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    CoreFixture f_;
    std::unique_ptr<ui::MainWindow> window_;
};

} // namespace plotwise::test
