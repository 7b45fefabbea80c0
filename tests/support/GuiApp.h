#pragma once
// The one application object for tests whose handlers draw on the plot (the
// drawing needs fonts, which need a GUI application; offscreen is enough).
#include <QGuiApplication>

namespace plotwise::test {

inline QGuiApplication& guiApp() {
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QGuiApplication(argc, argv); // never deleted, as Qt expects at exit
    return *app;
}

} // namespace plotwise::test
