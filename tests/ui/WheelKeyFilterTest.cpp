#include "UiTestApp.h"

#include "shell/ui/WheelKeyFilter.h"

#include <QLabel>
#include <QListWidget>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace plotwise::ui {
namespace {

// A window with a focused list (current row 2 of 5) and a label that leaves
// wheel events to its parent.
class WheelKeyFilterTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_.resize(300, 200);
        list_ = new QListWidget(&window_);
        list_->setGeometry(0, 0, 150, 200);
        for (int i = 0; i < 5; ++i)
            list_->addItem(QString::number(i));
        list_->setCurrentRow(2);
        label_ = new QLabel("label", &window_);
        label_->setGeometry(160, 0, 100, 20);
        window_.show();
        QApplication::setActiveWindow(&window_);
        list_->setFocus();
        qApp->installEventFilter(&filter_);
    }
    void TearDown() override { qApp->removeEventFilter(&filter_); }

    // A wheel turn as the window system delivers it to the widget under the mouse.
    static void turn(QWidget* target, int delta, bool spontaneous = true) {
        QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        if (spontaneous) {
            // As QTest does for its input events: sendEvent() would clear the flag.
            QSpontaneKeyEvent::setSpontaneous(&event);
            qApp->notify(target, &event);
        } else {
            QApplication::sendEvent(target, &event);
        }
        QCoreApplication::processEvents();
    }

    QApplication& app_ = test::uiApp(); // before any widget
    QWidget window_;
    QListWidget* list_ = nullptr;
    QLabel* label_ = nullptr;
    WheelKeyFilter filter_{&window_};
};

TEST_F(WheelKeyFilterTest, EachNotchIsOneArrowKeyToTheFocusedWidget) {
    ASSERT_EQ(QApplication::focusWidget(), list_);
    turn(label_, -120);
    EXPECT_EQ(list_->currentRow(), 3);
    turn(label_, 120);
    turn(label_, 120);
    EXPECT_EQ(list_->currentRow(), 1);
}

TEST_F(WheelKeyFilterTest, ATurnPassedOnToTheParentsCountsOnce) {
    // The label ignores the wheel, so the same turn reaches the window too.
    turn(label_, -120);
    EXPECT_EQ(list_->currentRow(), 3);
}

TEST_F(WheelKeyFilterTest, PartsOfANotchAddUp) {
    turn(label_, -60);
    EXPECT_EQ(list_->currentRow(), 2);
    turn(label_, -60);
    EXPECT_EQ(list_->currentRow(), 3);
}

TEST_F(WheelKeyFilterTest, AReversedPartNotchStartsAfresh) {
    turn(label_, -60);
    turn(label_, 60);
    EXPECT_EQ(list_->currentRow(), 2);
    turn(label_, 60);
    EXPECT_EQ(list_->currentRow(), 1);
}

TEST_F(WheelKeyFilterTest, OtherWindowsAndSynthesisedTurnsAreLeftAlone) {
    QWidget other;
    auto* otherLabel = new QLabel("other", &other);
    other.show();
    turn(otherLabel, -120);
    turn(label_, -120, false);
    EXPECT_EQ(list_->currentRow(), 2);
}

} // namespace
} // namespace plotwise::ui
