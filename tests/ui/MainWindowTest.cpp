#include "UiTestApp.h"
#include "shell/CoreFixture.h"

#include "curvelist/CurveListModel.h"
#include "curvelist/LoadedCurveTableModel.h"
#include "results/ResultTableModel.h"
#include "shell/ui/Form1Widgets.h"
#include "shell/ui/Form2Window.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/PanelFrame.h"
#include "shell/ui/PlotSurface.h"
#include "shell/ui/UiConvert.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>

namespace plotwise {
namespace {

// The window on a core whose working folder holds A.NRCUR and B.NRCUR.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::uiApp();
        f_.temp.write("work/A.NRCUR", test::nrcurFile("45.67"));
        f_.temp.write("work/B.NRCUR", test::nrcurFile("12.5"));
        f_.temp.write("work/multi/E.NRACD", test::multiFileText("1\t3", "48.62\t47.95"));
    }

    void start(const std::string& commandLine = "") {
        window_.reset();
        f_.commandLine = commandLine;
        window_ = std::make_unique<ui::MainWindow>(f_.make());
        window_->start();
        window_->resize(1280, 1000);
        QCoreApplication::processEvents();
    }

    Form1Core& core() { return *f_.core; }
    const ui::Form1Widgets& w() const { return window_->widgets(); }
    CurveListModel& list() { return window_->curveListModel(); }

    QPoint entryPoint(int entry) {
        return w().treeView1->visualRect(list().indexOfEntry(entry)).center();
    }

    // Clicks the tick box of a list entry the way a user does.
    void clickCheckBox(int entry) {
        QTreeView* tree = w().treeView1;
        QStyleOptionViewItem option;
        option.initFrom(tree->viewport());
        option.rect = tree->visualRect(list().indexOfEntry(entry));
        option.features =
            QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        option.text = list().indexOfEntry(entry).data().toString();
        const QRect box =
            tree->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, tree);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, box.center());
        QCoreApplication::processEvents();
    }

    // Opens a folder the way a double-click in the folder list does.
    void openFolder(const QString& name) {
        QListWidget* dir1 = w().dir1;
        for (int i = 0; i < dir1->count(); ++i)
            if (dir1->item(i)->text() == name) emit dir1->itemActivated(dir1->item(i));
    }

    // Every widget of the core's layout has its rectangle, visibility and container.
    void expectWidgetsWhereTheCoreSays() {
        for (const NamedWidget& named : core().layout().named()) {
            QWidget* widget = w().byName(named.name);
            ASSERT_NE(widget, nullptr) << named.name;
            EXPECT_EQ(widget->geometry(), ui::toPixels(named.geometry.rect)) << named.name;
            EXPECT_EQ(!widget->isHidden(), named.geometry.visible) << named.name;
            EXPECT_EQ(widget->parentWidget()->objectName().toStdString(), named.container)
                << named.name;
        }
    }

    // A left-button drag on a panel frame; the bar shows while the mouse moves
    // and sits at `barAt` (x of the vertical bar, y of the horizontal one).
    void drag(ui::PanelFrame* frame, QPoint press, QPoint over, QPoint release, QWidget* bar,
              int barAt) {
        QTest::mousePress(frame, Qt::LeftButton, {}, press);
        QMouseEvent move(QEvent::MouseMove, over, frame->mapToGlobal(over), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(frame, &move);
        EXPECT_FALSE(bar->isHidden());
        EXPECT_EQ(bar == w().picture2 ? bar->x() : bar->y(), barAt);
        QTest::mouseRelease(frame, Qt::LeftButton, {}, release);
        EXPECT_TRUE(bar->isHidden());
    }

    test::CoreFixture f_;
    std::unique_ptr<ui::MainWindow> window_;
};

TEST_F(MainWindowTest, StartShowsTheCoreTextsFontAndList) {
    start();
    EXPECT_EQ(w().treeView1->model(), &list());
    ASSERT_EQ(list().rowCount(), 2);
    EXPECT_TRUE(list().data(list().index(1, 0)).toString().startsWith("B.NRCUR\\"));
    EXPECT_EQ(w().label2->text(), "NO CURVE FILE FOUND");
    EXPECT_EQ(w().option1[5]->text(), "1200 Degree");
    EXPECT_EQ(w().command3[5]->toolTip(), "Convert All Curve as jpg Files");
    EXPECT_EQ(w().check2->text(), "REFRESH");
    // The table's font, or a stand-in of similar width where it is missing.
    EXPECT_EQ(core().windowFont().name, "MS Sans Serif");
    const QString family = window_->font().family();
    EXPECT_TRUE(family == "MS Sans Serif" || QFontDatabase::hasFamily(family)) << family.toStdString();
    EXPECT_EQ(window_->font().pointSize(), 9);
    EXPECT_EQ(w().check2->font(), window_->font());
    EXPECT_TRUE(w().label2->font().bold()); // the notice keeps its look
    EXPECT_GT(w().label2->font().pointSize(), 9);
}

TEST_F(MainWindowTest, WidgetsFollowTheCoreThroughResizesAndDrags) {
    start();
    expectWidgetsWhereTheCoreSays();
    window_->resize(1000, 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(core().layout().treeView1.rect.right(), 1000 * 15 - 705); // the core saw the size
    expectWidgetsWhereTheCoreSays();
    const Rect plot = core().layout().picture1.rect;
    EXPECT_TRUE(window_->windowTitle().endsWith(
        QString("%1 x %2").arg(plot.width / 15 - 4).arg(plot.height / 15 - 4)));

    ui::PanelFrame* frame1 = w().frame1;
    const int width = frame1->width(), y = frame1->height() / 2;
    drag(frame1, {width - 2, y}, {width + 100, y}, {width + 100, y}, w().picture2, width + 100);
    EXPECT_EQ(core().layout().frame1.rect.width, (width + 100) * 15 - 60);
    expectWidgetsWhereTheCoreSays();

    ui::PanelFrame* frame2 = w().frame2;
    const int top = frame2->y();
    drag(frame2, {300, 3}, {300, 40}, {300, 63}, w().picture3, top + 40);
    EXPECT_EQ(frame2->y(), top + 63);
    expectWidgetsWhereTheCoreSays();
}

TEST_F(MainWindowTest, TickClickAndButtonsFillGrid1) {
    start();
    clickCheckBox(1);
    EXPECT_TRUE(core().curveList().entry(1).checked);
    LoadedCurveTableModel& grid = window_->grid1Model();
    EXPECT_EQ(w().grid1->model(), &grid);
    ASSERT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.data(grid.index(0, 0)).toString(), "B.NRCUR");
    EXPECT_EQ(grid.data(grid.index(0, 4)).toString().trimmed(), "3"); // loaded

    QTest::mouseClick(w().check1, Qt::LeftButton); // "Toggle Tag": the table for the plot
    EXPECT_TRUE(core().check1Value());
    EXPECT_FALSE(w().grid1->isHidden());
    EXPECT_TRUE(w().picture1->isHidden());
    QTest::mouseClick(w().check1, Qt::LeftButton);
    EXPECT_TRUE(w().grid1->isHidden());

    QTest::mouseClick(w().command2[0], Qt::LeftButton); // Check All
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(list().data(list().index(0, 0), Qt::CheckStateRole).toInt(), Qt::Checked);
    QTest::mouseClick(w().command2[1], Qt::LeftButton); // Uncheck All
    EXPECT_EQ(grid.rowCount(), 0);
}

// The display item window left open follows the result table shown next;
// a change the user makes in it stays as made.
TEST_F(MainWindowTest, DisplayItemWindowFollowsTheShownTable) {
    f_.temp.write("work/r1.tsv", test::crlf({"Date\tTime\tSerial\tWORK No.\tJudge\tSpindle",
                                             "2026/11/05\t09:07:03\t\t3\tOK\t1"}));
    f_.temp.write("work/r2.tsv", test::crlf({"Date\tTime\tSerial\tPart\tJudge\tSpindle\tTorque",
                                             "2026/11/05\t09:07:03\t\t3\tOK\t1\t5.5"}));
    start();
    auto showTable = [&](const char* name) {
        core().listPanel().treeViewSelect(f_.entryNamed(name));
        core().listPanel().treeViewClick();
        QCoreApplication::processEvents();
    };
    showTable("r1.tsv");
    core().results().grid2Click(0, 1); // the heading row opens the window
    QCoreApplication::processEvents();
    ui::Form2Window* form2 = window_->form2();
    ASSERT_NE(form2, nullptr);
    EXPECT_TRUE(form2->isVisible());
    auto lines = [&] {
        QStringList texts;
        for (int i = 0; i < form2->list1()->count(); ++i) texts << form2->list1()->item(i)->text();
        return texts;
    };
    EXPECT_EQ(lines(), QStringList({"Date", "Time", "Serial", "WORK No.", "Judge", "Spindle"}));

    showTable("r2.tsv");
    EXPECT_EQ(lines(),
              QStringList({"Date", "Time", "Serial", "Part", "Judge", "Spindle", "Torque"}));
    form2->list1()->item(3)->setSelected(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(core().results().grid2().columnWidth(3), 0);
    EXPECT_TRUE(w().grid2->isColumnHidden(3));
    EXPECT_EQ(form2->list1()->count(), 7);
    EXPECT_FALSE(form2->list1()->item(3)->isSelected());
    EXPECT_TRUE(form2->list1()->item(4)->isSelected());

    // Enter opens the result of the current cell, as a click does.
    EXPECT_NE(core().results().grid2().markedRow(), 1);
    w().grid2->setCurrentIndex(w().grid2->model()->index(ResultTableModel::modelRow(1), 0));
    QTest::keyClick(w().grid2, Qt::Key_Return);
    EXPECT_EQ(core().results().grid2().markedRow(), 1);
    EXPECT_EQ(core().results().grid2Row(), 1);
}

TEST_F(MainWindowTest, FolderListOpensASubfolderAndClosingSavesIt) {
    start();
    EXPECT_EQ(w().drive1->currentText().toStdString(), f_.temp.path() + " [TEMP]");
    openFolder("multi");
    EXPECT_EQ(core().folders().dir, f_.temp.path("work/multi"));
    EXPECT_EQ(w().dir1->currentItem()->text(), "multi");
    ASSERT_EQ(list().rowCount(), 1);
    EXPECT_TRUE(list().data(list().index(0, 0)).toString().startsWith("E.NRACD"));
    window_->close();
    EXPECT_NE(test::fileText(f_.program + "/PATH.CFG").find(f_.temp.path("work/multi")),
              std::string::npos);
}

TEST_F(MainWindowTest, DoubleClickOrRightPressOnASpindlePicksItsColour) {
    start();
    openFolder("multi");
    std::vector<std::string> titles;
    window_->setColorChooser([&titles](const QString& title, const QColor&) {
        titles.push_back(title.toStdString());
        return std::optional<QColor>(titles.size() == 1 ? QColor(0, 128, 255) : QColor(Qt::green));
    });
    w().treeView1->expand(list().indexOfEntry(0));
    QWidget* viewport = w().treeView1->viewport();
    // What the window system sends for a double-click on spindle 3 (entry 2).
    QTest::mousePress(viewport, Qt::LeftButton, {}, entryPoint(2));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, entryPoint(2));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, entryPoint(2));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, entryPoint(2));
    QCoreApplication::processEvents();
    // Right presses on spindle 1, then on the file entry, which has no colour.
    QTest::mousePress(viewport, Qt::RightButton, {}, entryPoint(1));
    QCoreApplication::processEvents();
    QTest::mouseRelease(viewport, Qt::RightButton, {}, entryPoint(1));
    QTest::mousePress(viewport, Qt::RightButton, {}, entryPoint(0));
    QCoreApplication::processEvents();

    EXPECT_EQ(titles, (std::vector<std::string>{"Select Spindle  3 Curve Color",
                                                "Select Spindle  1 Curve Color"}));
    EXPECT_EQ(core().spindleColors()[2], 0x00FF8000u);
    EXPECT_EQ(core().spindleColors()[0], ui::toBgr(Qt::green));
    EXPECT_EQ(list().indexOfEntry(2).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 128, 255));
}

// Picture units of a pixel of the picture widget (inside its two-pixel border).
QPoint plotPixel(double x, double y) {
    return QPoint(static_cast<int>(x / 15) + ui::PlotSurface::kBorderPixels,
                  static_cast<int>(y / 15) + ui::PlotSurface::kBorderPixels);
}

TEST_F(MainWindowTest, PlotRedrawsWhenIdleAndTakesTheMouse) {
    start();
    clickCheckBox(1);
    QCoreApplication::processEvents(); // the idle redraw
    EXPECT_FALSE(core().redrawPending());
    const QImage& shown = w().picture1->image();
    EXPECT_EQ(shown, core().plot().canvas().image());
    const PlotGeometry g = PlotGeometry::of(core().plot().canvas().scaleWidth(),
                                            core().plot().canvas().scaleHeight());
    EXPECT_EQ(shown.pixel(PlotCanvas::toPixel(g.x0 * g.sx), shown.height() / 2) & 0xffffff,
              0x008000u)
        << "the frame's left edge";

    w().hs->setValue(412); // the scroll bar reaches the plot and asks for a redraw
    EXPECT_EQ(core().plot().hs().value, 412);
    QCoreApplication::processEvents();
    EXPECT_FALSE(core().redrawPending());

    const QPoint inside = plotPixel((g.x0 + 2500) * g.sx, 2500 * g.sy);
    QTest::mouseMove(w().picture1, inside);
    EXPECT_EQ(w().picture1->cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(w().picture1->toolTip().startsWith(" X: "));
    EXPECT_TRUE(w().text1->isHidden());
    QTest::mouseDClick(w().picture1, Qt::LeftButton, {}, inside);
    EXPECT_EQ(w().picture1->cursor().shape(), Qt::SizeAllCursor);

    // A double click on the top-left corner opens the manual Y full scale.
    const QPoint corner = plotPixel(100, 300);
    QTest::mouseMove(w().picture1, corner);
    QTest::mouseDClick(w().picture1, Qt::LeftButton, {}, corner);
    ASSERT_FALSE(w().text1->isHidden());
    w().text1->selectAll();
    QTest::keyClicks(w().text1, "30");
    QTest::keyClick(w().text1, Qt::Key_Return);
    EXPECT_EQ(core().plot().text1().text, "30");
    EXPECT_TRUE(w().text1->isHidden());
    QCoreApplication::processEvents();
    EXPECT_NEAR(core().plot().view().yPerUnit, 30.0 / 5000, 1e-9);
}

TEST_F(MainWindowTest, ADroppedFileOpensItsFolderAndEntry) {
    start();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(f_.temp.path("work/multi/E.NRACD")))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window_.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window_.get(), &drop);
    EXPECT_EQ(core().folders().dir, f_.temp.path("work/multi"));
    EXPECT_EQ(core().curveList().selected, 0);
    EXPECT_EQ(w().treeView1->currentIndex(), list().indexOfEntry(0));
}

TEST_F(MainWindowTest, TheWheelWalksThroughTheListUnlessSwitchedOff) {
    for (const std::string commandLine : {"", " /W "}) {
        SCOPED_TRACE(commandLine);
        start(commandLine);
        const bool on = commandLine.empty();
        EXPECT_EQ(window_->wheelTranslationInstalled(), on);
        QApplication::setActiveWindow(window_.get());
        w().treeView1->setFocus();
        QTest::mouseClick(w().treeView1->viewport(), Qt::LeftButton, {}, entryPoint(0));
        ASSERT_EQ(core().curveList().selected, 0);
        test::turnWheel(w().frame1, -120);
        EXPECT_EQ(core().curveList().selected, on ? 1 : 0);
        if (!on) continue;
        test::turnWheel(w().frame1, 120);
        EXPECT_EQ(core().curveList().selected, 0);
    }
}

} // namespace
} // namespace plotwise
