#include "FileDialogs.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>

namespace plotwise::ui {
namespace {

// Icons and type names from the file's kind and name ending: reading a file
// to guess its type can block for good (/proc/kmsg) or take long (a slow disk).
class NameOnlyIconProvider : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override {
        return QFileIconProvider::icon(info.isDir() ? Folder : File);
    }
    QString type(const QFileInfo& info) const override {
        if (info.isDir()) return QStringLiteral("Folder");
        const QString ending = info.suffix();
        return ending.isEmpty() ? QStringLiteral("File") : ending.toUpper() + QStringLiteral(" File");
    }
};

} // namespace

std::unique_ptr<QFileDialog> makeSaveDialog(QWidget* parent, const QString& title,
                                            const QString& fileName, const QString& filter) {
    static NameOnlyIconProvider icons; // dialogs do not own their provider
    auto dialog = std::make_unique<QFileDialog>(parent, title);
    // Qt's own dialog, so that the provider and options below apply.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::DontUseCustomDirectoryIcons);
    dialog->setIconProvider(&icons);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(filter);
    dialog->selectFile(fileName);
    return dialog;
}

} // namespace plotwise::ui
