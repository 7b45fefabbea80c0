// The statistics window's button, shortcut and what the main window tells it.
#include "MainWindow.h"
#include "StatsWindow.h"
#include "UiConvert.h"
#include "curvelist/CurveListModel.h"
#include "shell/Form1Core.h"

#include <QPainter>
#include <QShortcut>
#include <QToolButton>

namespace plotwise::ui {
namespace {

// A small histogram with a bell over it.
QIcon statsIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(QColor(0, 0, 142), 1));
    p.setBrush(QColor(150, 170, 230));
    const int heights[] = {6, 13, 22, 17, 8};
    for (int i = 0; i < 5; ++i) p.drawRect(3 + i * 5, 29 - heights[i], 5, heights[i]);
    p.setPen(QPen(QColor(255, 0, 0), 2));
    p.drawLine(16, 3, 16, 29);
    return QIcon(pixmap);
}

} // namespace

void MainWindow::connectStats() {
    statsButton_ = new QToolButton(this);
    statsButton_->setObjectName("StatsButton");
    statsButton_->setIcon(statsIcon());
    statsButton_->setToolTip("Process statistics and abnormal curves (Ctrl+T)");
    statsButton_->setFocusPolicy(Qt::TabFocus);
    connect(statsButton_, &QToolButton::clicked, this, &MainWindow::openStatsWindow);
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
    connect(shortcut, &QShortcut::activated, this, &MainWindow::openStatsWindow);
}

void MainWindow::openStatsWindow() {
    if (!stats_) {
        stats_ = new StatsWindow(core_, this);
        connect(stats_, &StatsWindow::marksChanged, this,
                [this](const std::map<int, QString>& marks) { listModel_->setMarks(marks); });
    }
    stats_->open();
}

// Below the last export button, in the same column and size; the export
// buttons stay where the layout puts them.
void MainWindow::placeStatsButton() {
    if (!statsButton_) return;
    const auto& last = core_.layout().command3.back();
    Rect rect = last.rect;
    rect.top += 600;
    statsButton_->setGeometry(toPixels(rect));
    statsButton_->setVisible(last.visible);
    statsButton_->raise();
}

} // namespace plotwise::ui
