// The export buttons in the window: the clipboard under the offscreen
// platform, the save dialog seam, the status bar and Esc during convert all.
#include "UiTestApp.h"
#include "export/ExportFiles.h"
#include "shell/CoreFixture.h"

#include "shell/TableText.h"
#include "shell/ui/Form1Widgets.h"
#include "curvelist/CurveListModel.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/PanelFrame.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>

namespace plotwise {
namespace {

class ExportWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::uiApp();
        for (const char* name : {"A.NRCUR", "B.NRCUR", "C.NRCUR"})
            f_.temp.write(std::string("work/") + name, test::nrcurFile("45.67"));
    }

    void start() {
        window_ = std::make_unique<ui::MainWindow>(f_.make());
        window_->start();
        window_->resize(1280, 1000);
        QCoreApplication::processEvents();
    }

    Form1Core& core() { return *f_.core; }
    const ui::Form1Widgets& w() const { return window_->widgets(); }
    void click(int button) {
        QTest::mouseClick(w().command3[static_cast<std::size_t>(button)], Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    test::CoreFixture f_;
    std::unique_ptr<ui::MainWindow> window_;
};

TEST_F(ExportWindowTest, CopyButtonsPutThePlotAndTheListOnTheClipboard) {
    start();
    QTest::mouseClick(w().command2[0], Qt::LeftButton); // Check All, then the idle redraw
    QCoreApplication::processEvents();
    QClipboard* clipboard = QGuiApplication::clipboard();
    click(3);
    const QImage copied = clipboard->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              core().plot().canvas().image().convertToFormat(QImage::Format_RGB32));
    click(4);
    EXPECT_EQ(clipboard->text(), QString::fromLatin1(loadedCurveTableText(core().grid1())));
    EXPECT_TRUE(clipboard->text().startsWith("File Name\t"));
    EXPECT_EQ(window_->statusLine()->text(), "Copied the list to the clipboard");
}

TEST_F(ExportWindowTest, SaveButtonAsksForAFileAndTheStatusBarShowsAFailure) {
    start();
    core().listPanel().treeViewSelect(1);
    std::vector<QStringList> shown;
    QString answer = QString::fromStdString(f_.temp.path("work/saved.png"));
    window_->setSaveFileChooser([&](const QString& title, const QString& name, const QString& filter) {
        shown.push_back({title, name, filter});
        return std::optional<QString>(answer);
    });
    click(1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (QStringList{"Save Picture As", QString::fromStdString(f_.work + "/B"),
                                     "JPG File (*.jpg);;PNG File (*.png);;GIF File (*.gif);;"
                                     "BMP File (*.bmp)"}));
    EXPECT_EQ(test::fileBytes(f_.temp.path("work/saved.png")).substr(0, 4), "\x89PNG");
    EXPECT_EQ(w().command3[5]->toolTip(), "Convert All Curve as png Files");

    answer = QString::fromStdString(f_.temp.path("gone/saved.png"));
    click(1);
    EXPECT_EQ(window_->statusLine()->text().toStdString(),
              "Could not save " + f_.temp.path("gone/saved.png") + ": No such file or directory");
    EXPECT_TRUE(window_->statusLine()->isVisible());
    // The status bar lies below everything the core lays out.
    const QRect status = window_->statusLine()->parentWidget()->geometry();
    EXPECT_EQ(status.bottom(), window_->height() - 1);
    EXPECT_GE(status.top(), w().frame2->geometry().bottom());
}

// Window events run between files: an Esc waiting there stops the run before
// the first file is drawn, and a second run converts every file.
TEST_F(ExportWindowTest, EscDuringConvertAllStopsIt) {
    start();
    window_->activateWindow();
    QTimer::singleShot(0, window_.get(), [this] { QTest::keyClick(window_.get(), Qt::Key_Escape); });
    click(5);
    EXPECT_EQ(window_->statusLine()->text(), "Convert all stopped after 0 files of 3");
    EXPECT_EQ(test::folderEntries(f_.work), (std::set<std::string>{"A.NRCUR", "B.NRCUR", "C.NRCUR"}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    click(5);
    EXPECT_EQ(window_->statusLine()->text(), "Converted 3 files to jpg");
    EXPECT_EQ(test::folderEntries(f_.work).size(), 6u);
}

// The list follows convert all down a folder longer than the list's height.
TEST_F(ExportWindowTest, ListFollowsTheFileBeingConverted) {
    for (int i = 10; i < 70; ++i)
        f_.temp.write("work/F" + std::to_string(i) + ".NRCUR", test::nrcurFile("45.67"));
    start();
    QTreeView* tree = w().treeView1;
    int outOfView = 0, converted = 0;
    core().exporter().seams.onConverted = [&](const std::string&, int, int) {
        ++converted;
        const QModelIndex current = window_->curveListModel().indexOfEntry(core().exporter().convertingEntry());
        if (!tree->viewport()->rect().intersects(tree->visualRect(current))) ++outOfView;
    };
    click(5);
    EXPECT_EQ(converted, 63);
    EXPECT_EQ(outOfView, 0);
    EXPECT_GT(tree->verticalScrollBar()->value(), 0);
    EXPECT_EQ(core().exporter().convertingEntry(), -1);
}

} // namespace
} // namespace plotwise
