#include "UiTestApp.h"

#include "shell/ui/WheelKeyFilter.h"

#include <QLabel>
#include <QListWidget>
#include <gtest/gtest.h>

namespace plotwise::ui {
namespace {

// Turns over a label that leaves wheel events to its window, so every turn
// also reaches the window; the focused list starts at row 2 of 5.
TEST(WheelKeyFilter, NotchesBecomeArrowKeysForTheFocusedWidget) {
    test::uiApp();
    struct Row {
        const char* name;
        std::vector<int> deltas;
        int row;
        bool spontaneous = true, otherWindow = false;
    } rows[] = {
        {"a notch down is one Down key", {-120}, 3},
        {"two notches up", {120, 120}, 0},
        {"half a notch does nothing yet", {-60}, 2},
        {"two halves add up", {-60, -60}, 3},
        {"a reversed half starts afresh", {-60, 60, 60}, 1},
        {"synthesised turns are left alone", {-120}, 2, false},
        {"turns over another window are left alone", {-120}, 2, true, true},
    };
    for (const Row& row : rows) {
        QWidget window, other;
        window.resize(300, 200);
        auto* list = new QListWidget(&window);
        list->setGeometry(0, 0, 150, 200);
        for (int i = 0; i < 5; ++i)
            list->addItem(QString::number(i));
        list->setCurrentRow(2);
        auto* label = new QLabel("label", row.otherWindow ? &other : &window);
        label->setGeometry(160, 0, 100, 20);
        window.show();
        other.show();
        QApplication::setActiveWindow(&window);
        list->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), list);
        WheelKeyFilter filter(&window);
        qApp->installEventFilter(&filter);
        for (int delta : row.deltas)
            test::turnWheel(label, delta, row.spontaneous);
        qApp->removeEventFilter(&filter);
        EXPECT_EQ(list->currentRow(), row.row) << row.name;
    }
}

} // namespace
} // namespace plotwise::ui
