// The view side of the main window: sets the widgets from the core's state
// after a handler reported what it changed.
#include "DirListDelegate.h"
#include "MainWindow.h"
#include "StatsWindow.h"
#include "PlotSurface.h"
#include "UiConvert.h"
#include "curvelist/CurveListModel.h"
#include "curvelist/LoadedCurveTableModel.h"
#include "shell/Form1Core.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QStringListModel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>

namespace plotwise::ui {

namespace {

constexpr int kGrid1NameColumnTwips = 2000;

void setTimer(QTimer& timer, bool on) {
    if (on && !timer.isActive()) timer.start();
    if (!on) timer.stop();
}

Qt::CursorShape cursorShape(MousePointer pointer) {
    switch (pointer) {
    case MousePointer::SizeWestEast:
        return Qt::SizeHorCursor;
    case MousePointer::SizeNorthSouth:
        return Qt::SizeVerCursor;
    case MousePointer::Busy:
        return Qt::WaitCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

void MainWindow::refresh(unsigned changes) {
    QScopedValueRollback<bool> guard(updating_, true);
    if (changes & Change::Folders) refreshFolders();
    if (changes & Change::List) refreshCurveList((changes & Change::Folders) != 0);
    if (changes & Change::Grid1) refreshGrid1();
    if (changes & Change::Grid2) refreshGrid2();
    if (changes & Change::Texts) refreshTexts();
    if (changes & Change::State) refreshState();
    if (changes & Change::Layout) refreshLayout();
    if (changes & Change::Picture) refreshPicture();
    if (changes & (Change::PlotControls | Change::Layout)) refreshPlotControls();
    if (changes & Change::PlotPointer) refreshPlotPointer();
    if (core_.results().takeForm2Request()) openForm2();
    if (stats_ && (changes & (Change::Grid1 | Change::Folders))) stats_->followTicks();
    scheduleRedraw();
}

// A new folder gives a new list, even when it has the same shape as the last.
void MainWindow::refreshCurveList(bool newFolder) {
    if (newFolder) {
        listModel_->reload();
    } else {
        listModel_->sync();
    }
    refreshTreeState();
}

void MainWindow::refreshTreeState() {
    const CurveList& list = core_.curveList();
    QTreeView* tree = w_.treeView1;
    for (int i = 0; i < list.count(); ++i) {
        if (list.hasChildren(i))
            tree->setExpanded(listModel_->indexOfEntry(i), list.entry(i).expanded);
    }
    const QModelIndex selected = listModel_->indexOfEntry(list.selected);
    if (selected != tree->currentIndex()) {
        tree->selectionModel()->setCurrentIndex(selected, QItemSelectionModel::ClearAndSelect);
    }
    // Convert all: the file being converted stays in view.
    if (core_.exporter().convertingEntry() >= 0) tree->scrollTo(listModel_->indexOfEntry(core_.exporter().convertingEntry()));
}

void MainWindow::refreshGrid1() {
    grid1Model_->reload();
    w_.grid1->setColumnWidth(0, kGrid1NameColumnTwips / FormLayout::kTwipsPerPixel);
}

void MainWindow::refreshFolders() {
    refreshDrives();
    refreshDirList();
    const FolderState& folders = core_.folders();
    QStringList names;
    names.reserve(static_cast<qsizetype>(folders.files.size()));
    for (const std::string& name : folders.files)
        names.push_back(fromUtf8(name));
    static_cast<QStringListModel*>(w_.file1->model())->setStringList(names);
}

void MainWindow::refreshDrives() {
    const FolderState& folders = core_.folders();
    QComboBox* drive1 = w_.drive1;
    drive1->clear();
    int current = -1;
    for (const DriveEntry& drive : folders.drives) {
        if (drive.text == folders.drive) current = drive1->count();
        drive1->addItem(fromUtf8(drive.text));
    }
    if (current < 0 && !folders.drive.empty()) {
        drive1->insertItem(0, fromUtf8(folders.drive));
        current = 0;
    }
    drive1->setCurrentIndex(current);
}

void MainWindow::refreshDirList() {
    const FolderState& folders = core_.folders();
    QListWidget* dir1 = w_.dir1;
    dir1->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QListWidgetItem* current = nullptr;
    for (const DirListEntry& entry : folders.dirEntries) {
        auto* item = new QListWidgetItem(entry.open ? open : closed, fromUtf8(entry.name), dir1);
        item->setData(DirListDelegate::kLevelRole, entry.level);
        item->setData(DirListDelegate::kPathRole, fromUtf8(entry.path));
        item->setToolTip(fromUtf8(entry.path));
        if (entry.open) current = item;
    }
    if (current) {
        dir1->setCurrentItem(current);
        dir1->scrollToItem(current);
    }
}

void MainWindow::refreshLayout() {
    for (const NamedWidget& named : core_.layout().named()) {
        QWidget* widget = w_.byName(named.name);
        if (!widget) continue;
        widget->setGeometry(toPixels(named.geometry.rect));
        widget->setEnabled(named.geometry.enabled);
        widget->setVisible(named.geometry.visible);
    }
    for (QWidget* onTop :
         {static_cast<QWidget*>(w_.command2[0]), static_cast<QWidget*>(w_.command2[1]), w_.picture2,
          w_.picture3, static_cast<QWidget*>(w_.label2)})
        onTop->raise();
    placeStatsButton();
    placeFindButton();
    applyMinimumSize();
    refreshPointer();
}

void MainWindow::refreshPointer() {
    const MousePointer pointer = core_.mousePointer();
    if (pointerOverridden_) {
        QApplication::restoreOverrideCursor();
        pointerOverridden_ = false;
    }
    if (pointer == MousePointer::Default) return;
    QApplication::setOverrideCursor(QCursor(cursorShape(pointer)));
    pointerOverridden_ = true;
}

void MainWindow::refreshTexts() {
    const WindowTexts& texts = core_.texts();
    setWindowTitle(fromUtf8(texts.caption));
    w_.label2->setText(fromUtf8(texts.label2Caption));
    for (std::size_t i = 0; i < w_.option1.size(); ++i)
        w_.option1[i]->setText(fromUtf8(texts.option1[i]));
    for (std::size_t i = 0; i < w_.command1.size(); ++i)
        w_.command1[i]->setToolTip(fromUtf8(texts.command1Tips[i]));
    for (std::size_t i = 0; i < w_.command2.size(); ++i)
        w_.command2[i]->setText(fromUtf8(texts.command2[i]));
    w_.check1->setText(fromUtf8(texts.check1));
    w_.check1->setToolTip(fromUtf8(texts.check1Tip));
    w_.check2->setText(fromUtf8(texts.check2));
    for (std::size_t i = 0; i < w_.command3.size(); ++i) {
        w_.command3[i]->setText(fromUtf8(texts.command3[i]));
        w_.command3[i]->setToolTip(fromUtf8(texts.command3Tips[i]));
    }
    w_.frame3->setTitle(fromUtf8(texts.frame3));
    w_.frame4->setTitle(fromUtf8(texts.frame4));
    w_.frame5->setTitle(fromUtf8(texts.frame5));
    refreshStatusLine();
}

void MainWindow::refreshState() {
    w_.check1->setChecked(core_.check1Value());
    w_.check2->setChecked(core_.navigator().check2Value());
    const TimerState& timers = core_.timers();
    setTimer(timer1_, timers.timer1);
    setTimer(timer2_, timers.timer2);
    setTimer(timer3_, timers.timer3);
}

} // namespace plotwise::ui
