#include "AtomicFile.h"

#include <QSaveFile>
#include <cerrno>

namespace plotwise {
namespace {

QString qtPath(const std::string& path) {
    return QString::fromUtf8(path.data(), qsizetype(path.size()));
}

int nonZero(int status) {
    return status != 0 ? status : 1;
}

} // namespace

std::optional<FileWriteFailure> writeFileAtomically(const std::string& path,
                                                    const FileFiller& fill) {
    // QSaveFile opens an empty name and fails only at commit.
    if (path.empty()) return FileWriteFailure{FileWriteFailure::Step::Create, ENOENT};
    QSaveFile file(qtPath(path));
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return FileWriteFailure{FileWriteFailure::Step::Create, nonZero(errno)};
    // Leaving without commit() removes the temporary file.
    if (int status = fill(file); status != 0)
        return FileWriteFailure{FileWriteFailure::Step::Write, status};
    if (!file.commit())
        return FileWriteFailure{FileWriteFailure::Step::Write, nonZero(int(file.error()))};
    return std::nullopt;
}

std::optional<FileWriteFailure> writeFileAtomically(const std::string& path,
                                                    std::string_view bytes) {
    return writeFileAtomically(path, [bytes](QIODevice& device) {
        qint64 size = qint64(bytes.size());
        return device.write(bytes.data(), size) == size ? 0 : nonZero(errno);
    });
}

} // namespace plotwise
