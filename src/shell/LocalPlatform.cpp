#include "LocalPlatform.h"

#include "export/AtomicFile.h"

#include <QDir>
#include <QFileInfo>
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
    QDir().mkpath(QFileInfo(qtPath(path)).absolutePath());
    return !writeFileAtomically(path, std::string_view(bytes));
}

} // namespace plotwise
