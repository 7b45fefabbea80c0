// The export buttons in the window: the clipboard under the offscreen
// platform, the save dialog seam, the status bar and Esc during convert all.
#include "UiTestApp.h"
#include "export/ExportFiles.h"

#include "shell/TableText.h"
#include "shell/ui/PanelFrame.h"

#include <QClipboard>
#include <QTimer>

namespace plotwise {
namespace {

class ExportWindowTest : public test::WindowTest {
protected:
    ExportWindowTest() {
        for (const char* name : {"A.NRCUR", "B.NRCUR", "C.NRCUR"})
            f_.temp.write(std::string("work/") + name, test::nrcurFile("45.67"));
    }
    void clickButton(int button) { click(w().command3[static_cast<std::size_t>(button)]); }
    std::string status() const { return window_->statusLine()->text().toStdString(); }
};

TEST_F(ExportWindowTest, CopyButtonsPutThePlotAndTheListOnTheClipboard) {
    start();
    click(w().command2[0]); // Check All, then the idle redraw
    QClipboard* clipboard = QGuiApplication::clipboard();
    clickButton(3);
    ASSERT_FALSE(clipboard->image().isNull());
    EXPECT_EQ(clipboard->image().convertToFormat(QImage::Format_RGB32),
              core().plot().canvas().image().convertToFormat(QImage::Format_RGB32));
    clickButton(4);
    EXPECT_EQ(clipboard->text(), QString::fromLatin1(loadedCurveTableText(core().grid1())));
    EXPECT_TRUE(clipboard->text().startsWith("File Name\t"));
    EXPECT_EQ(status(), "Copied the list to the clipboard");
}

TEST_F(ExportWindowTest, SaveButtonAsksForAFileAndTheStatusBarShowsAFailure) {
    start();
    core().treeViewSelect(1);
    std::vector<QStringList> shown;
    std::string answer = f_.temp.path("work/saved.png");
    window_->setSaveFileChooser([&](const QString& title, const QString& name, const QString& filter) {
        shown.push_back({title, name, filter});
        return std::optional<QString>(QString::fromStdString(answer));
    });
    clickButton(1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (QStringList{"Save Picture As", QString::fromStdString(f_.work + "/B"),
                                     "JPG File (*.jpg);;PNG File (*.png);;GIF File (*.gif);;"
                                     "BMP File (*.bmp)"}));
    EXPECT_EQ(test::fileBytes(answer).substr(0, 4), "\x89PNG");
    EXPECT_EQ(w().command3[5]->toolTip(), "Convert All Curve as png Files");
    answer = f_.temp.path("gone/saved.png");
    clickButton(1);
    EXPECT_EQ(status(), "Could not save " + answer + ": No such file or directory");
    EXPECT_TRUE(window_->statusLine()->isVisible());
    // The status bar lies below everything the core lays out.
    const QRect bar = window_->statusLine()->parentWidget()->geometry();
    EXPECT_EQ(bar.bottom(), window_->height() - 1);
    EXPECT_GE(bar.top(), w().frame2->geometry().bottom());
}

// Window events run between files: an Esc waiting there stops the run before
// the first file is drawn, and a second run converts every file.
TEST_F(ExportWindowTest, EscDuringConvertAllStopsIt) {
    start();
    window_->activateWindow();
    QTimer::singleShot(0, window_.get(), [this] { QTest::keyClick(window_.get(), Qt::Key_Escape); });
    clickButton(5);
    EXPECT_EQ(status(), "Convert all stopped after 0 files of 3");
    EXPECT_EQ(test::folderEntries(f_.work), (std::set<std::string>{"A.NRCUR", "B.NRCUR", "C.NRCUR"}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    clickButton(5);
    EXPECT_EQ(status(), "Converted 3 files to jpg");
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
        const QModelIndex current = list().indexOfEntry(core().exporter().convertingEntry());
        outOfView += !tree->viewport()->rect().intersects(tree->visualRect(current));
    };
    clickButton(5);
    EXPECT_EQ(converted, 63);
    EXPECT_EQ(outOfView, 0);
    EXPECT_GT(tree->verticalScrollBar()->value(), 0);
    EXPECT_EQ(core().exporter().convertingEntry(), -1);
}

} // namespace
} // namespace plotwise
