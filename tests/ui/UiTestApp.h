#pragma once
// The one application object the widget tests share.
#include <QApplication>

namespace plotwise::test {

inline QApplication& uiApp() {
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    // Never deleted: widgets of finished tests may still hold on to it at exit.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

} // namespace plotwise::test
