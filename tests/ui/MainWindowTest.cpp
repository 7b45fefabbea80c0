#include "UiTestApp.h"
#include "shell/FakePlatform.h"
#include "support/CurveFileText.h"
#include "support/TempFolder.h"

#include "curvefiles/FileSystem.h"
#include "curvelist/CurveListModel.h"
#include "curvelist/LoadedCurveTableModel.h"
#include "shell/Form1Core.h"
#include "shell/ui/Form1Widgets.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/PanelFrame.h"
#include "shell/ui/PlotSurface.h"
#include "shell/ui/UiConvert.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpontaneKeyEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace plotwise {
namespace {

std::string nrcurFile(const std::string& yPeak) {
    return test::keyedSingleFile(10,
                                 {"XPeak\t123.4", "YPeak\t" + yPeak, "WAVEFormat\t0",
                                  "WavePoint\t5", "Unit\t0", "Interval\t0"},
                                 {"1.5", "2.5", "3.5", "4.5", "5.5"});
}

// A multi-spindle nutrunner file with spindles 1 and 3.
std::string nracdFile() {
    return test::crlf({"SPNO\t1\t3", "YPeak\t48.62\t47.95", "XPeak\t486.5\t471.0", "Unit\t0\t0",
                       "WAVEFormat\t1\t1", "WavePoint\t3\t3", "Interval\t2\t2",
                       "Date\t2026/11/05\t2026/11/05", "Time\t08:30:44\t08:30:44", "Program\t2\t2",
                       "WaveData", "1\t0.04\t0.01", "2\t0.07\t0.07", "3\t0.01\t0.02"});
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::uiApp();
        folder_.write("A.NRCUR", nrcurFile("45.67"));
        folder_.write("B.NRCUR", nrcurFile("12.5"));
        platform_.driveList = {{"/", "/"}};
    }

    // Starts the window on the test folder, as the program does at start.
    void start(const std::string& commandLine = "") {
        StartupConfig config{commandLine, folder_.path(), folder_.path(), folder_.path("plotwise")};
        core_ = std::make_unique<Form1Core>(config, fs_, platform_);
        window_ = std::make_unique<ui::MainWindow>(*core_);
        window_->start();
        window_->resize(1280, 1000);
        QCoreApplication::processEvents();
    }

    const ui::Form1Widgets& w() const { return window_->widgets(); }

    // Clicks the tick box of a list entry the way a user does.
    void clickCheckBox(int entry) {
        QTreeView* tree = w().treeView1;
        const QModelIndex index = window_->curveListModel().indexOfEntry(entry);
        QStyleOptionViewItem option;
        option.initFrom(tree->viewport());
        option.rect = tree->visualRect(index);
        option.features =
            QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        option.text = index.data().toString();
        const QRect box =
            tree->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, tree);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, box.center());
        QCoreApplication::processEvents();
    }

    void clickEntry(int entry) {
        QTest::mouseClick(w().treeView1->viewport(), Qt::LeftButton, {}, entryPoint(entry));
        QCoreApplication::processEvents();
    }

    QPoint entryPoint(int entry) const {
        const QTreeView* tree = w().treeView1;
        return tree->visualRect(window_->curveListModel().indexOfEntry(entry)).center();
    }

    // Opens a folder the way a double-click in the folder list does.
    void openFolder(const QString& name) {
        QListWidget* dir1 = w().dir1;
        for (int i = 0; i < dir1->count(); ++i)
            if (dir1->item(i)->text() == name) emit dir1->itemActivated(dir1->item(i));
    }

    // Starts in a folder holding one multi-spindle file, its entry expanded;
    // colour requests are answered with `answer` and their titles recorded.
    void startWithSpindles(const QColor& answer) {
        folder_.write("multi/E.NRACD", nracdFile());
        start();
        openFolder("multi");
        window_->setColorChooser([this, answer](const QString& title, const QColor&) {
            titles_.push_back(title.toStdString());
            return std::optional<QColor>(answer);
        });
        w().treeView1->expand(window_->curveListModel().indexOfEntry(0));
    }

    test::TempFolder folder_;
    LocalFileSystem fs_;
    test::FakePlatform platform_;
    std::unique_ptr<Form1Core> core_;
    std::unique_ptr<ui::MainWindow> window_;
    std::vector<std::string> titles_;
};

TEST_F(MainWindowTest, ListShowsTheCurveFilesOfTheStartFolder) {
    start();
    CurveListModel& model = window_->curveListModel();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_TRUE(model.data(model.index(0, 0)).toString().startsWith("A.NRCUR\\"));
    EXPECT_TRUE(model.data(model.index(1, 0)).toString().contains("12.5"));
    EXPECT_EQ(w().treeView1->model(), &model);
    EXPECT_EQ(model.data(model.index(0, 0), Qt::CheckStateRole).toInt(), Qt::Unchecked);
}

TEST_F(MainWindowTest, EveryWidgetSitsWhereTheCoreLaysItOut) {
    start();
    for (const NamedWidget& named : core_->layout().named()) {
        QWidget* widget = w().byName(named.name);
        ASSERT_NE(widget, nullptr) << named.name;
        EXPECT_EQ(widget->geometry(), ui::toPixels(named.geometry.rect)) << named.name;
        EXPECT_EQ(!widget->isHidden(), named.geometry.visible) << named.name;
        const std::string parent = widget->parentWidget()->objectName().toStdString();
        EXPECT_EQ(parent, named.container) << named.name;
    }
}

TEST_F(MainWindowTest, ResizingTheWindowRunsTheLayoutRules) {
    start();
    window_->resize(1000, 800);
    QCoreApplication::processEvents();
    const FormLayout& layout = core_->layout();
    // Tree: from the navigation panel to 705 twips before the right edge.
    EXPECT_EQ(layout.treeView1.rect.right(), 1000 * 15 - 705);
    EXPECT_EQ(w().treeView1->geometry(), ui::toPixels(layout.treeView1.rect));
    EXPECT_EQ(w().picture1->geometry(), ui::toPixels(layout.picture1.rect));
    EXPECT_EQ(w().command3[5]->geometry(), ui::toPixels(layout.command3[5].rect));
    EXPECT_EQ(w().command3[5]->geometry().right(), 1000 - 6 - 1);
    const QString size = QString("%1 x %2")
                             .arg(layout.picture1.rect.width / 15 - 4)
                             .arg(layout.picture1.rect.height / 15 - 4);
    EXPECT_TRUE(window_->windowTitle().endsWith(size)) << window_->windowTitle().toStdString();
}

TEST_F(MainWindowTest, TickAndClickLoadsTheCurveIntoGrid1) {
    start();
    clickCheckBox(1);
    EXPECT_TRUE(core_->curveList().entry(1).checked);
    LoadedCurveTableModel& grid = window_->grid1Model();
    ASSERT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.headerData(0, Qt::Horizontal).toString(), "File Name");
    EXPECT_EQ(grid.data(grid.index(0, 0)).toString(), "B.NRCUR");
    EXPECT_EQ(grid.data(grid.index(0, 4)).toString().trimmed(), "5");
    EXPECT_EQ(w().grid1->model()->rowCount(), 1);
}

TEST_F(MainWindowTest, ToggleTagShowsTheTableInPlaceOfThePlot) {
    start();
    clickCheckBox(0);
    QTest::mouseClick(w().check1, Qt::LeftButton);
    EXPECT_TRUE(core_->check1Value());
    EXPECT_FALSE(w().grid1->isHidden());
    EXPECT_TRUE(w().picture1->isHidden());
    EXPECT_EQ(w().grid1->geometry(), w().picture1->geometry());

    QTest::mouseClick(w().check1, Qt::LeftButton);
    EXPECT_TRUE(w().grid1->isHidden());
    EXPECT_FALSE(w().picture1->isHidden());
}

TEST_F(MainWindowTest, CheckAllTicksEveryEntryAndLoadsThem) {
    start();
    ASSERT_FALSE(w().command2[0]->isHidden());
    QTest::mouseClick(w().command2[0], Qt::LeftButton);
    EXPECT_EQ(window_->grid1Model().rowCount(), 2);
    EXPECT_EQ(window_->curveListModel()
                  .data(window_->curveListModel().index(1, 0), Qt::CheckStateRole)
                  .toInt(),
              Qt::Checked);
    QTest::mouseClick(w().command2[1], Qt::LeftButton);
    EXPECT_EQ(window_->grid1Model().rowCount(), 0);
}

TEST_F(MainWindowTest, DraggingTheNavigationEdgeWidensThePanel) {
    start();
    ui::PanelFrame* frame = w().frame1;
    const int oldWidth = frame->width();
    const int y = frame->height() / 2;
    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(oldWidth - 2, y));
    EXPECT_FALSE(w().picture2->isHidden());
    QMouseEvent move(QEvent::MouseMove, QPointF(oldWidth + 100, y),
                     frame->mapToGlobal(QPointF(oldWidth + 100, y)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &move);
    EXPECT_EQ(w().picture2->x(), oldWidth + 100);
    QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(oldWidth + 100, y));

    EXPECT_TRUE(w().picture2->isHidden());
    EXPECT_EQ(core_->layout().frame1.rect.width, (oldWidth + 100) * 15 - 60);
    EXPECT_EQ(frame->width(), (oldWidth + 100) - 4);
    EXPECT_EQ(w().treeView1->x(), frame->width() + 4);
}

TEST_F(MainWindowTest, DraggingThePlotEdgeMovesThePanelBorder) {
    start();
    ui::PanelFrame* frame = w().frame2;
    const int oldTop = frame->y();
    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(300, 3));
    EXPECT_FALSE(w().picture3->isHidden());
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 40), frame->mapToGlobal(QPointF(300, 40)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &move);
    EXPECT_EQ(w().picture3->y(), oldTop + 40); // the bar follows the mouse
    QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(300, 3 + 60)); // 63 px lower

    EXPECT_TRUE(w().picture3->isHidden());
    EXPECT_EQ(frame->y(), oldTop + 63);
    EXPECT_EQ(w().picture1->geometry(), ui::toPixels(core_->layout().picture1.rect));
    EXPECT_EQ(w().treeView1->height(), ui::toPixels(core_->layout().treeView1.rect).height());
}

TEST_F(MainWindowTest, NavigationShowsTheFolderAndOpensASubfolder) {
    folder_.write("sub/C.NRCUR", nrcurFile("99.9"));
    start();
    EXPECT_EQ(w().drive1->currentText(), "/");
    openFolder("sub");
    EXPECT_EQ(core_->folders().dir, folder_.path("sub"));
    ASSERT_EQ(window_->curveListModel().rowCount(), 1);
    EXPECT_TRUE(window_->curveListModel()
                    .data(window_->curveListModel().index(0, 0))
                    .toString()
                    .startsWith("C.NRCUR"));
    EXPECT_EQ(w().dir1->currentItem()->text(), "sub");
}

TEST_F(MainWindowTest, DoubleClickOnASpindlePicksItsColour) {
    startWithSpindles(QColor(0, 128, 255));
    ASSERT_EQ(core_->curveList().count(), 3);
    QWidget* viewport = w().treeView1->viewport();

    // What the window system sends for a double-click.
    QTest::mousePress(viewport, Qt::LeftButton, {}, entryPoint(2));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, entryPoint(2));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, entryPoint(2));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, entryPoint(2));
    QCoreApplication::processEvents();

    ASSERT_EQ(titles_, std::vector<std::string>{"Select Spindle  3 Curve Color"});
    EXPECT_EQ(core_->spindleColors()[2], 0x00FF8000u);
    const QModelIndex spindle = window_->curveListModel().indexOfEntry(2);
    EXPECT_EQ(spindle.data(Qt::ForegroundRole).value<QColor>(), QColor(0, 128, 255));
}

TEST_F(MainWindowTest, RightPressOnASpindlePicksItsColourButNotOnTheFile) {
    startWithSpindles(QColor(Qt::green));
    QWidget* viewport = w().treeView1->viewport();

    QTest::mousePress(viewport, Qt::RightButton, {}, entryPoint(1));
    QCoreApplication::processEvents();
    QTest::mouseRelease(viewport, Qt::RightButton, {}, entryPoint(1));
    QTest::mousePress(viewport, Qt::RightButton, {}, entryPoint(0));
    QCoreApplication::processEvents();

    EXPECT_EQ(titles_, std::vector<std::string>{"Select Spindle  1 Curve Color"});
    EXPECT_EQ(core_->spindleColors()[0], ui::toBgr(Qt::green));
}

TEST_F(MainWindowTest, TextsComeFromTheCore) {
    start();
    EXPECT_EQ(w().label2->text(), "NO CURVE FILE FOUND");
    EXPECT_EQ(w().option1[5]->text(), "1200 Degree");
    EXPECT_EQ(w().command1[0]->toolTip(), "UP");
    EXPECT_EQ(w().command3[5]->toolTip(), "Convert All Curve as jpg Files");
    EXPECT_EQ(w().check2->text(), "REFRESH");
}

TEST_F(MainWindowTest, ClosingWritesTheLastFolder) {
    start();
    window_->close();
    std::ifstream file(folder_.path("PATH.CFG"), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find(folder_.path()), std::string::npos) << text;
}

TEST_F(MainWindowTest, TheWindowFontGoesToEveryWidgetButTheNoticeKeepsItsLook) {
    start();
    const QFont shared = window_->font();
    EXPECT_EQ(shared.family(), "MS Sans Serif");
    EXPECT_EQ(shared.pointSize(), 9);
    EXPECT_EQ(w().check2->font().family(), shared.family());
    EXPECT_FALSE(w().treeView1->font().bold());
    EXPECT_EQ(w().label2->font().family(), shared.family());
    EXPECT_TRUE(w().label2->font().bold());
    EXPECT_GT(w().label2->font().pointSize(), shared.pointSize());
}

// One wheel notch over the navigation panel, as the window system delivers it.
void turnWheel(QWidget* target, int delta) {
    QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(target, &event);
    QCoreApplication::processEvents();
}

TEST_F(MainWindowTest, TheWheelWalksThroughTheCurveList) {
    start();
    QApplication::setActiveWindow(window_.get());
    w().treeView1->setFocus();
    clickEntry(0);
    ASSERT_EQ(core_->curveList().selected, 0);
    turnWheel(w().frame1, -120);
    EXPECT_EQ(core_->curveList().selected, 1);
    turnWheel(w().frame1, 120);
    EXPECT_EQ(core_->curveList().selected, 0);
}

TEST_F(MainWindowTest, WithTheWSwitchTheWheelLeavesTheListAlone) {
    start("/W");
    QApplication::setActiveWindow(window_.get());
    w().treeView1->setFocus();
    clickEntry(0);
    turnWheel(w().frame1, -120);
    EXPECT_EQ(core_->curveList().selected, 0);
}

TEST_F(MainWindowTest, WheelTranslationFollowsTheCommandLine) {
    start();
    EXPECT_TRUE(window_->wheelTranslationInstalled());
    window_.reset();
    start(" /W ");
    EXPECT_FALSE(window_->wheelTranslationInstalled());
}

} // namespace
} // namespace plotwise
