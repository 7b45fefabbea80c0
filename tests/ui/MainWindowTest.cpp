// The main window on a core whose working folder holds A.NRCUR, B.NRCUR,
// C.NRCUR and multi/E.NRACD: what it shows, how it follows the core, the
// mouse, and the export buttons (the clipboard under the offscreen platform,
// the save dialog seam, the status bar and Esc during convert all); then the
// Find and statistics windows.
#include "UiTestApp.h"

#include "archive/ArchiveDatabase.h"
#include "curvelist/LoadedCurveTableModel.h"
#include "export/ExportFiles.h"
#include "results/ResultTableModel.h"
#include "shell/TableText.h"
#include "shell/ui/FindWindow.h"
#include "shell/ui/Form2Window.h"
#include "shell/ui/PanelFrame.h"
#include "shell/ui/PlotSurface.h"
#include "shell/ui/StatsWindow.h"
#include "shell/ui/UiConvert.h"
#include "support/CurvePopulation.h"

namespace plotwise {
namespace {

class MainWindowTest : public test::WindowTest {
protected:
    MainWindowTest() {
        f_.temp.write("work/A.NRCUR", test::nrcurFile("45.67"));
        f_.temp.write("work/B.NRCUR", test::nrcurFile("12.5"));
        f_.temp.write("work/C.NRCUR", test::nrcurFile("45.67"));
        f_.temp.write("work/multi/E.NRACD", test::multiFileText("1\t3", "48.62\t47.95"));
    }
    void clickButton(int button) { click(w().command3[static_cast<std::size_t>(button)]); }
    std::string status() const { return window_->statusLine()->text().toStdString(); }
    QPoint entryPoint(int entry) {
        return w().treeView1->visualRect(list().indexOfEntry(entry)).center();
    }
    // Clicks the tick box of a list entry the way a user does.
    void clickCheckBox(int entry) {
        QTreeView* tree = w().treeView1;
        QStyleOptionViewItem option;
        option.initFrom(tree->viewport());
        option.rect = tree->visualRect(list().indexOfEntry(entry));
        option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        option.text = list().indexOfEntry(entry).data().toString();
        const QRect box =
            tree->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, tree);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, box.center());
        QCoreApplication::processEvents();
    }
    // Opens a folder the way a double-click in the folder list does.
    void openFolder(const QString& name) {
        for (int i = 0; i < w().dir1->count(); ++i)
            if (w().dir1->item(i)->text() == name) emit w().dir1->itemActivated(w().dir1->item(i));
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
};

TEST_F(MainWindowTest, StartShowsTheCoreTextsFontAndList) {
    start();
    EXPECT_EQ(w().treeView1->model(), &list());
    ASSERT_EQ(list().rowCount(), 3);
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
    const int width = w().frame1->width(), y = w().frame1->height() / 2;
    drag(w().frame1, {width - 2, y}, {width + 100, y}, {width + 100, y}, w().picture2, width + 100);
    EXPECT_EQ(core().layout().frame1.rect.width, (width + 100) * 15 - 60);
    expectWidgetsWhereTheCoreSays();
    const int top = w().frame2->y();
    drag(w().frame2, {300, 3}, {300, 40}, {300, 63}, w().picture3, top + 40);
    EXPECT_EQ(w().frame2->y(), top + 63);
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
    click(w().check1); // "Toggle Tag": the table for the plot
    EXPECT_TRUE(core().check1Value());
    EXPECT_FALSE(w().grid1->isHidden());
    EXPECT_TRUE(w().picture1->isHidden());
    click(w().check1);
    EXPECT_TRUE(w().grid1->isHidden());
    click(w().command2[0]); // Check All
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(list().data(list().index(0, 0), Qt::CheckStateRole).toInt(), Qt::Checked);
    click(w().command2[1]); // Uncheck All
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
        return texts.join(",");
    };
    EXPECT_EQ(lines(), "Date,Time,Serial,WORK No.,Judge,Spindle");
    showTable("r2.tsv");
    EXPECT_EQ(lines(), "Date,Time,Serial,Part,Judge,Spindle,Torque");
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
    EXPECT_NE(test::fileBytes(f_.program + "/PATH.CFG").find(f_.temp.path("work/multi")),
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

TEST_F(MainWindowTest, PlotRedrawsWhenIdleAndTakesTheMouse) {
    start();
    clickCheckBox(1);
    QCoreApplication::processEvents(); // the idle redraw
    EXPECT_FALSE(core().redrawPending());
    const QImage& shown = w().picture1->image();
    EXPECT_EQ(shown, core().plot().canvas().image());
    const PlotCanvas& canvas = core().plot().canvas();
    const PlotGeometry g = PlotGeometry::of(canvas.scaleWidth(), canvas.scaleHeight());
    EXPECT_EQ(shown.pixel(PlotCanvas::toPixel(g.x0 * g.sx), shown.height() / 2) & 0xffffff,
              0x008000u) << "the frame's left edge";
    w().hs->setValue(412); // the scroll bar reaches the plot and asks for a redraw
    EXPECT_EQ(core().plot().hs().value, 412);
    QCoreApplication::processEvents();
    EXPECT_FALSE(core().redrawPending());
    // Picture units to a pixel of the picture widget (inside its two-pixel border).
    auto plotPixel = [](double x, double y) {
        return QPoint(static_cast<int>(x / 15), static_cast<int>(y / 15)) +
               QPoint(1, 1) * ui::PlotSurface::kBorderPixels;
    };
    const QPoint inside = plotPixel((g.x0 + 2500) * g.sx, 2500 * g.sy);
    QTest::mouseMove(w().picture1, inside);
    EXPECT_EQ(w().picture1->cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(w().picture1->toolTip().startsWith(" X: "));
    EXPECT_TRUE(w().text1->isHidden());
    QTest::mouseDClick(w().picture1, Qt::LeftButton, {}, inside);
    EXPECT_EQ(w().picture1->cursor().shape(), Qt::SizeAllCursor);
    // A double click on the top-left corner opens the manual Y full scale.
    QTest::mouseMove(w().picture1, plotPixel(100, 300));
    QTest::mouseDClick(w().picture1, Qt::LeftButton, {}, plotPixel(100, 300));
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
        test::turnWheel(w().frame1, 120);
        EXPECT_EQ(core().curveList().selected, 0);
    }
}

TEST_F(MainWindowTest, CopyButtonsPutThePlotAndTheListOnTheClipboard) {
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

TEST_F(MainWindowTest, SaveButtonAsksForAFileAndTheStatusBarShowsAFailure) {
    start();
    core().listPanel().treeViewSelect(1);
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
TEST_F(MainWindowTest, EscDuringConvertAllStopsIt) {
    start();
    window_->activateWindow();
    QTimer::singleShot(0, window_.get(), [this] { QTest::keyClick(window_.get(), Qt::Key_Escape); });
    clickButton(5);
    EXPECT_EQ(status(), "Convert all stopped after 0 files of 3");
    EXPECT_EQ(test::folderEntries(f_.work),
              (std::set<std::string>{"A.NRCUR", "B.NRCUR", "C.NRCUR", "multi"}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    clickButton(5);
    EXPECT_EQ(status(), "Converted 3 files to jpg");
    EXPECT_EQ(test::folderEntries(f_.work).size(), 7u);
}

// The list follows convert all down a folder longer than the list's height.
TEST_F(MainWindowTest, ListFollowsTheFileBeingConverted) {
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

// The windows beside the main window, each opened from its button below the
// export buttons, on a working folder of their own.
using ToolWindowsTest = test::WindowTest;

// The Find window builds a missing index in the background after asking,
// finds, reports a bad field, and its double click opens the match's file.
TEST_F(ToolWindowsTest, FindBuildsAMissingIndexFindsAndOpensTheCurve) {
    QStandardPaths::setTestModeEnabled(true);
    std::filesystem::copy(std::string(PLOTWISE_SAMPLES_DIR) + "/console", f_.temp.path("work/plant"),
                          std::filesystem::copy_options::recursive);
    const std::string st02 = f_.temp.path("work/plant/CURVE/202611/20261105/ST02");
    start("", st02);
    const QString index = archive::defaultIndexFile(QString::fromStdString(f_.temp.path("work/plant")));
    const auto* button = window_->findChild<QToolButton*>("FindButton");
    ASSERT_TRUE(button);
    const QRect last = w().command3.back()->geometry();
    EXPECT_EQ(button->geometry().left(), last.left());
    EXPECT_GT(button->geometry().top(), last.top());
    int asked = 0;
    window_->setFindQuestion([&](const QString&) { return ++asked, true; });
    QTest::keyClick(window_.get(), Qt::Key_F, Qt::ControlModifier);
    ui::FindWindow* find = window_->findWindow();
    ASSERT_TRUE(find);
    EXPECT_EQ(asked, 1);
    QSignalSpy built(&find->controller(), &archive::ArchiveFindController::indexBuilt);
    ASSERT_TRUE(built.wait(30000));
    EXPECT_TRUE(built.front().at(0).toBool()) << built.front().at(1).toString().toStdString();
    EXPECT_TRUE(QFileInfo(index).isFile());
    find->field("id")->setText("BRK0815");
    QTest::mouseClick(find->findButton(), Qt::LeftButton);
    ASSERT_EQ(find->controller().model().rowCount(), 1) << find->status()->text().toStdString();
    find->field("from")->setText("yesterday");
    QTest::mouseClick(find->findButton(), Qt::LeftButton);
    EXPECT_TRUE(find->status()->text().contains("From"));
    find->openRow(0);
    EXPECT_EQ(core().folders().dir, st02);
    const CurveList& list = core().curveList();
    ASSERT_GE(list.selected, 0);
    EXPECT_EQ(list.entry(list.selected).text.rfind("BRK0815_20261105_091012_005_ANG_0.nrcur", 0), 0u);
    QFile::remove(index);
}

// Ten curves of one spindle, one stopped early: the window opens from its
// button, shows the groups, follows the ticks, marks the early stop in the
// list once the search is done, and draws the band on the plot.
TEST_F(ToolWindowsTest, StatsOpensFromItsButtonAndFollowsTheTicks) {
    test::CurveGenerator generator(4);
    for (int i = 0; i < 10; ++i) {
        const auto fault = i == 6 ? test::CurveFault::EarlyStop : test::CurveFault::None;
        f_.temp.write("work/c" + std::to_string(10 + i) + ".NRCUR",
                      test::CurveGenerator::nrcurFile(1, generator.curve(fault, 600)));
    }
    start();
    auto* button = window_->findChild<QToolButton*>("StatsButton");
    ASSERT_TRUE(button);
    const QRect last = w().command3.back()->geometry();
    EXPECT_EQ(button->geometry().topLeft(), last.topLeft() + QPoint(0, 40));
    core().listPanel().command2Click(0); // Check All
    click(button);
    ui::StatsWindow* stats = window_->statsWindow();
    ASSERT_TRUE(stats && stats->isVisible());
    auto cell = [stats](int column) { return stats->table()->item(0, column)->text(); };
    EXPECT_EQ(stats->table()->rowCount(), 2);
    EXPECT_EQ(cell(2), "10");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !stats->model().detecting(); }, 20000));
    const QModelIndex early = list().indexOfEntry(f_.entryNamed("c16"));
    EXPECT_TRUE(early.data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(early.data(Qt::ToolTipRole).toString().startsWith("Abnormal"));
    EXPECT_FALSE(list().indexOfEntry(0).data(Qt::BackgroundRole).isValid());
    stats->bandBox()->setChecked(true);
    EXPECT_TRUE(core().plot().band());
    auto* limits = stats->findChildren<QLineEdit*>().front();
    limits->setText("0:100");
    emit limits->editingFinished();
    EXPECT_NE(cell(8), "-");
    core().listPanel().setEntryChecked(0, false);
    core().listPanel().treeViewClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(cell(2), "9");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !stats->model().detecting(); }, 20000));
    stats->close();
    EXPECT_FALSE(core().plot().band());
    EXPECT_FALSE(early.data(Qt::BackgroundRole).isValid());
}

} // namespace
} // namespace plotwise
