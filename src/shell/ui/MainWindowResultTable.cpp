// The main window's result table Grid2 and its display item window Form2.
#include "Form2Window.h"
#include "MainWindow.h"
#include "UiConvert.h"
#include "curvelist/LoadedCurveTableModel.h"
#include "results/ResultTableModel.h"
#include "shell/Form1Core.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableView>

#include <set>

namespace plotwise::ui {

void MainWindow::connectResultTable() {
    QTableView* grid2 = w_.grid2;
    grid2->viewport()->installEventFilter(this);
    grid2->installEventFilter(this);
    connect(grid2->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (updating_) return;
        // The heading row opens the display item window; it selects nothing.
        w_.grid2->clearSelection();
        core_.results().grid2Click(0, column);
    });
    connect(grid2->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (!updating_) core_.results().grid2ColumnResized(column, toTwips(width));
            });
    connect(w_.grid1, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (!updating_)
            core_.listPanel().grid1Click(index.column(), LoadedCurveTableModel::tableRow(index.row()));
    });
}

// A click on a cell, after the view has moved the current cell and the
// selection. Enter does the same for the current cell, so results can be
// opened from the keyboard after the arrow keys moved there.
bool MainWindow::grid2Event(QObject* watched, QEvent* event) {
    if (watched == w_.grid2->viewport()) {
        if (event->type() != QEvent::MouseButtonRelease) return false;
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
        QMetaObject::invokeMethod(this, [this] { grid2ClickCurrent(); }, Qt::QueuedConnection);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    grid2ClickCurrent();
    return true;
}

// The core is told the current cell and how many rows are selected.
void MainWindow::grid2ClickCurrent() {
    const QModelIndex current = w_.grid2->currentIndex();
    if (!current.isValid()) return;
    std::set<int> rows;
    for (const QModelIndex& index : w_.grid2->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    core_.results().grid2Click(ResultTableModel::tableRow(current.row()), current.column(),
                     std::max<int>(1, static_cast<int>(rows.size())));
}

void MainWindow::refreshGrid2() {
    const ResultTable& table = core_.results().grid2();
    QTableView* grid2 = w_.grid2;
    const bool newRows = table.contentVersion() != grid2Version_;
    if (newRows) {
        grid2Version_ = table.contentVersion();
        grid2Model_->reload();
        grid2->clearSpans();
        for (int row = 1; row < table.rowCount(); ++row)
            if (table.isPageRow(row))
                grid2->setSpan(ResultTableModel::modelRow(row), 0, 1, ResultTable::kColumns);
    } else {
        grid2Model_->repaint();
    }
    for (int c = 0; c < ResultTable::kColumns; ++c) {
        const int width = table.columnWidth(c);
        grid2->setColumnHidden(c, width == 0);
        if (width > 0)
            grid2->setColumnWidth(c, std::max(1, width / FormLayout::kTwipsPerPixel));
    }
    const int row = core_.results().grid2Row();
    const QModelIndex current =
        row >= 1 ? grid2Model_->index(ResultTableModel::modelRow(row), core_.results().grid2Column()) : QModelIndex();
    if (core_.results().takeGrid2ScrollToEnd()) {
        grid2->scrollToBottom();
        if (current.isValid())
            grid2->selectionModel()->setCurrentIndex(
                current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else if (newRows) {
        grid2->scrollToTop();
        if (current.isValid())
            grid2->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    }
    if (form2_) form2_->followTable();
}

void MainWindow::openForm2() {
    if (!form2_) form2_ = new Form2Window(core_, this);
    form2_->open();
}

} // namespace plotwise::ui
