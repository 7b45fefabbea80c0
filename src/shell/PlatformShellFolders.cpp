// Shell folders by number: desktop, documents, favourites, network places and
// the per-user application data folder.
#include "LocalPlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef _WIN32
#include <shlobj.h>
#include <windows.h>
#endif

namespace plotwise {
namespace {

std::string nativeText(const QString& path) {
    return QDir::toNativeSeparators(path).toUtf8().toStdString();
}

#ifndef _WIN32
std::string existingFolder(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir() ? nativeText(path) : std::string();
}

QString dataHome() {
    QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return xdg;
    return QDir(QDir::homePath()).filePath(QStringLiteral(".local/share"));
}
#endif

} // namespace

std::string LocalPlatform::specialFolderPath(int folder) const {
#ifdef _WIN32
    wchar_t buffer[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, buffer))) return "";
    return nativeText(QString::fromWCharArray(buffer));
#else
    switch (folder) {
    case ShellFolder::ApplicationData:
        return nativeText(dataHome());
    case ShellFolder::Desktop:
        return existingFolder(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    case ShellFolder::Documents:
        return existingFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    case ShellFolder::NetworkPlaces: {
        // Network shares that the desktop mounts appear under gvfs.
        QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        return runtime.isEmpty() ? std::string()
                                 : existingFolder(QDir(runtime).filePath(QStringLiteral("gvfs")));
    }
    default: // no favourites folder on this platform
        return "";
    }
#endif
}

} // namespace plotwise
