// The export buttons of the main window: the core's dialogs, clipboard and
// status line filled with Qt's, and Esc to stop a convert-all run.
#include "FileDialogs.h"
#include "MainWindow.h"
#include "UiConvert.h"
#include "shell/Form1Core.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QShortcut>
#include <QStatusBar>
#include <QToolButton>

namespace plotwise::ui {
namespace {

std::optional<QString> saveDialog(QWidget* parent, const QString& title, const QString& fileName,
                                  const QString& filter) {
    const auto dialog = makeSaveDialog(parent, title, fileName, filter);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

QClipboard* clearedClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard) clipboard->clear();
    return clipboard;
}

} // namespace

void MainWindow::buildStatusBar() {
    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("StatusBar"));
    status_->setSizeGripEnabled(false);
    statusLabel_ = new QLabel(status_);
    statusLabel_->setObjectName(QStringLiteral("StatusLine"));
    status_->addWidget(statusLabel_, 1);
}

int MainWindow::statusBarHeight() const {
    return status_ ? status_->sizeHint().height() : 0;
}

void MainWindow::placeStatusBar() {
    if (status_) status_->setGeometry(0, height() - statusBarHeight(), width(), statusBarHeight());
}

void MainWindow::connectExport() {
    for (std::size_t i = 0; i < w_.command3.size(); ++i)
        connect(w_.command3[i], &QToolButton::clicked, this,
                [this, i] { core_.exporter().command3Click(static_cast<int>(i)); });
    chooseSaveFile_ = [this](const QString& title, const QString& fileName, const QString& filter) {
        return saveDialog(this, title, fileName, filter);
    };
    ExportSeams& seams = core_.exporter().seams;
    seams.chooseSaveFile = [this](const SaveDialogRequest& request) -> std::optional<std::string> {
        if (!chooseSaveFile_) return std::nullopt;
        const std::optional<QString> chosen = chooseSaveFile_(
            fromUtf8(request.title), fromUtf8(request.fileName), qtFileFilter(request.filter));
        if (!chosen) return std::nullopt;
        return toUtf8(*chosen);
    };
    seams.chooseColor = [this](const std::string& title,
                               std::uint32_t initial) -> std::optional<std::uint32_t> {
        if (!chooseColor_) return std::nullopt;
        const std::optional<QColor> chosen = chooseColor_(fromLatin1(title), fromBgr(initial));
        if (!chosen) return std::nullopt;
        return toBgr(*chosen);
    };
    seams.clipboard.setPicture = [](const QImage& picture) {
        if (QClipboard* clipboard = clearedClipboard()) clipboard->setImage(picture);
    };
    seams.clipboard.setText = [](const QString& text) {
        if (QClipboard* clipboard = clearedClipboard()) clipboard->setText(text);
    };
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { core_.exporter().stopConvertAll(); });
}

void MainWindow::refreshStatusLine() {
    if (statusLabel_) statusLabel_->setText(fromUtf8(core_.texts().statusLine));
}

} // namespace plotwise::ui
