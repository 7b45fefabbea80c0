// What the window asks of the desktop: its save dialog, its place on the
// screen, the end of the process by a signal, and wheel turns as arrow keys.
#include "UiTestApp.h"
#include "support/CaseFile.h"

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

// The cases in data/screens.txt.
TEST(Desktop, FirstWindowFitsTheScreenWithItsFrame) {
    for (const auto& [line, f] : test::readCases(PLOTWISE_TESTDATA_DIR "/screens.txt")) {
        std::vector<int> n;
        for (const std::string& field : f) n.push_back(std::stoi(field));
        ASSERT_EQ(n.size(), 14u) << line;
        EXPECT_EQ(ui::fitOnScreen({n[0], n[1], n[2], n[3]}, {n[4], n[5], n[6], n[7]}, {n[8], n[9]}),
                  QRect(n[10], n[11], n[12], n[13])) << line;
    }
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
// also reaches the window; the focused list starts at row 2 of 5 (the cases
// in data/wheel.txt).
TEST(WheelKeyFilter, NotchesBecomeArrowKeysForTheFocusedWidget) {
    test::uiApp();
    for (const auto& [line, f] : test::readCases(PLOTWISE_TESTDATA_DIR "/wheel.txt")) {
        const bool synthesised = f.size() > 3 && f[3] == "synthesised";
        const bool otherWindow = f.back() == "other window";
        QWidget window, other;
        window.resize(300, 200);
        auto* list = new QListWidget(&window);
        list->setGeometry(0, 0, 150, 200);
        list->addItems({"0", "1", "2", "3", "4"});
        list->setCurrentRow(2);
        auto* label = new QLabel("label", otherWindow ? &other : &window);
        label->setGeometry(160, 0, 100, 20);
        window.show();
        other.show();
        QApplication::setActiveWindow(&window);
        list->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), list);
        ui::WheelKeyFilter filter(&window);
        qApp->installEventFilter(&filter);
        for (const QString& delta : QString::fromStdString(f.at(1)).split(','))
            test::turnWheel(label, delta.toInt(), !synthesised);
        qApp->removeEventFilter(&filter);
        EXPECT_EQ(list->currentRow(), std::stoi(f.at(2))) << line;
    }
}

} // namespace
} // namespace plotwise
