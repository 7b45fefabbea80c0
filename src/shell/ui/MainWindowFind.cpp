// The Find window's button (below the buttons of the right column, which keep
// their places) and Ctrl+F.
#include "FindWindow.h"
#include "MainWindow.h"
#include "UiConvert.h"
#include "shell/Form1Core.h"

#include <QAbstractButton>
#include <QDir>
#include <QPainter>
#include <QShortcut>
#include <QToolButton>

namespace plotwise::ui {
namespace {

QIcon magnifierIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 3));
    painter.drawEllipse(QRectF(5, 5, 15, 15));
    painter.setPen(QPen(QColor(40, 40, 40), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(19, 19), QPointF(27, 27));
    return QIcon(pixmap);
}

} // namespace

void MainWindow::connectFind() {
    findButton_ = new QToolButton(this);
    findButton_->setObjectName("FindButton");
    findButton_->setIcon(magnifierIcon());
    findButton_->setToolTip("Find curves in the archive (Ctrl+F)");
    connect(findButton_, &QToolButton::clicked, this, &MainWindow::openFind);
    auto* shortcut = new QShortcut(QKeySequence::Find, this);
    connect(shortcut, &QShortcut::activated, this, &MainWindow::openFind);
}

// One step below the lowest button of the right column.
void MainWindow::placeFindButton() {
    if (!findButton_) return;
    const QRect first = w_.command3[0]->geometry(), second = w_.command3[1]->geometry();
    const int pitch = std::max(second.top() - first.top(), first.height());
    QRect lowest = w_.command3.back()->geometry();
    for (QAbstractButton* button : findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        if (button == findButton_ || !button->isVisible()) continue;
        const QRect place = button->geometry();
        if (place.left() == lowest.left() && place.top() > lowest.top()) lowest = place;
    }
    findButton_->setGeometry(lowest.left(), lowest.top() + pitch, first.width(), first.height());
    findButton_->raise();
}

void MainWindow::openFind() {
    if (!find_) {
        find_ = new FindWindow(this);
        find_->onOpenFile = [this](const QString& path) {
            core_.navigator().openPath(toUtf8(QDir::toNativeSeparators(path)));
        };
        if (findQuestion_) find_->ask = findQuestion_;
    }
    find_->open(fromUtf8(core_.folders().dir));
}

} // namespace plotwise::ui
