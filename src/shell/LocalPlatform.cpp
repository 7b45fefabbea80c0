#include "LocalPlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace plotwise {
namespace {

QString qtPath(const std::string& path) {
    return QString::fromUtf8(path.data(), qsizetype(path.size()));
}

} // namespace

std::int64_t LocalPlatform::fileSize(const std::string& path) const {
    QFileInfo info(qtPath(path));
    if (!info.isFile() || !info.isReadable()) return 0;
    return info.size();
}

bool LocalPlatform::folderWritable(const std::string& folder) const {
    if (!QFileInfo(qtPath(folder)).isDir()) return false;
    QTemporaryFile probe(QDir(qtPath(folder)).filePath(QStringLiteral(".plotwise-XXXXXX")));
    return probe.open();
}

std::string LocalPlatform::userConfigFolder() const {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir::toNativeSeparators(QDir(base).filePath(QStringLiteral("plotwise")))
        .toUtf8()
        .toStdString();
}

bool LocalPlatform::replaceFile(const std::string& path, const std::string& bytes) const {
    QString target = qtPath(path);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace plotwise
