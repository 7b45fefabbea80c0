// What the window asks of the desktop: its save dialog, its place on the
// screen and the end of the process by a signal.
#include "UiTestApp.h"
#include "support/TempFolder.h"

#include "shell/ui/FileDialogs.h"
#include "shell/ui/QuitSignal.h"
#include "shell/ui/UiConvert.h"

#include <QAbstractFileIconProvider>
#include <QFileDialog>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <csignal>

namespace plotwise {
namespace {

// The dialog asks before it replaces a file, and names a file's type from its
// name: a PNG picture without an ending is not opened to find out.
TEST(Desktop, SaveDialogAsksBeforeReplacingAndReadsNoFile) {
    test::uiApp();
    test::TempFolder folder;
    folder.write("picture", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(64, '\0'));
    const auto dialog = ui::makeSaveDialog(nullptr, "Save", QString::fromStdString(folder.path("A")), "PNG File (*.png)");
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseCustomDirectoryIcons));
    ASSERT_NE(dialog->iconProvider(), nullptr);
    const QFileInfo picture(QString::fromStdString(folder.path("picture")));
    EXPECT_EQ(dialog->iconProvider()->type(picture), "File");
    EXPECT_EQ(dialog->iconProvider()->type(QFileInfo(QString::fromStdString(folder.path()))),
              "Folder");
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

// A SIGTERM closes the window from the event loop, as the user would.
TEST(Desktop, TerminateSignalQuitsThroughTheEventLoop) {
    test::uiApp();
    int quits = 0;
    ui::quitOnTerminateSignals([&quits] { ++quits; });
    std::raise(SIGTERM);
    for (int i = 0; i < 100 && quits == 0; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(quits, 1);
    std::raise(SIGTERM); // the next one is served too
    for (int i = 0; i < 100 && quits == 1; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(quits, 2);
}

} // namespace
} // namespace plotwise
