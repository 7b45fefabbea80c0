// What the window asks of the desktop: its save dialog, its place on the
// screen, the end of the process by a signal, and wheel turns as arrow keys.
#include "UiTestApp.h"

#include "shell/ui/FileDialogs.h"
#include "shell/ui/QuitSignal.h"
#include "shell/ui/UiConvert.h"
#include "shell/ui/WheelKeyFilter.h"

#include <csignal>

namespace plotwise {
namespace {

// The dialog asks before it replaces a file, and names a file's type from its
// name: a PNG picture without an ending is not opened to find out.
TEST(Desktop, SaveDialogAsksBeforeReplacingAndReadsNoFile) {
    test::uiApp();
    test::TempFolder folder;
    folder.write("picture", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(64, '\0'));
    const auto dialog = ui::makeSaveDialog(nullptr, "Save", QString::fromStdString(folder.path("A")),
                                           "PNG File (*.png)");
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseCustomDirectoryIcons));
    ASSERT_NE(dialog->iconProvider(), nullptr);
    const auto type = [&](const std::string& path) {
        return dialog->iconProvider()->type(QFileInfo(QString::fromStdString(path)));
    };
    EXPECT_EQ(type(folder.path("picture")), "File");
    EXPECT_EQ(type(folder.path()), "Folder");
}

TEST(Desktop, FirstWindowFitsTheScreenWithItsFrame) {
    struct Row {
        QRect available;
        QMargins frame;
        QSize wanted;
        QRect client;
    } rows[] = {
        {{0, 0, 1600, 1000}, {2, 30, 2, 2}, {1280, 1022}, {2, 30, 1280, 968}},
        {{0, 24, 1920, 1176}, {1, 20, 1, 1}, {1280, 1022}, {1, 44, 1280, 1022}},
        {{100, 0, 800, 600}, {}, {1280, 1022}, {100, 0, 800, 600}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ui::fitOnScreen(row.available, row.frame, row.wanted), row.client);
}

// A SIGTERM closes the window from the event loop, as the user would; the
// next one is served too.
TEST(Desktop, TerminateSignalQuitsThroughTheEventLoop) {
    test::uiApp();
    int quits = 0;
    ui::quitOnTerminateSignals([&quits] { ++quits; });
    for (int expected : {1, 2}) {
        std::raise(SIGTERM);
        for (int i = 0; i < 100 && quits < expected; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_EQ(quits, expected);
    }
}

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
        list->addItems({"0", "1", "2", "3", "4"});
        list->setCurrentRow(2);
        auto* label = new QLabel("label", row.otherWindow ? &other : &window);
        label->setGeometry(160, 0, 100, 20);
        window.show();
        other.show();
        QApplication::setActiveWindow(&window);
        list->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), list);
        ui::WheelKeyFilter filter(&window);
        qApp->installEventFilter(&filter);
        for (int delta : row.deltas) test::turnWheel(label, delta, row.spontaneous);
        qApp->removeEventFilter(&filter);
        EXPECT_EQ(list->currentRow(), row.row) << row.name;
    }
}

} // namespace
} // namespace plotwise
