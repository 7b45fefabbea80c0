#include "AtomicFile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace plotwise {
namespace {

namespace fs = std::filesystem;

int nonZero(int status) {
    return status != 0 ? status : 1;
}

FileWriteFailure failure(FileWriteFailure::Step step, int status, std::string reason) {
    status = nonZero(status);
    if (reason.empty()) reason = std::strerror(status);
    return FileWriteFailure{step, status, std::move(reason)};
}

// The device's own account of its last error, else errno's.
FileWriteFailure deviceFailure(const QFileDevice& file, int error) {
    const bool deviceSays = file.error() != QFileDevice::NoError && !file.errorString().isEmpty();
    return failure(FileWriteFailure::Step::Write, error != 0 ? error : EIO,
                   error != 0 || !deviceSays ? std::string()
                                             : file.errorString().toLocal8Bit().toStdString());
}

// The file a path names after following its links; the path itself when it
// is no link. A dangling link leads to the file it would create.
fs::path linkTarget(const fs::path& path, std::error_code& ec) {
    fs::path target = path;
    for (int hops = 0; hops < 40; ++hops) {
        const fs::file_status status = fs::symlink_status(target, ec);
        if (status.type() == fs::file_type::not_found) ec.clear(); // a new file
        if (ec || !fs::is_symlink(status)) return target;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) return target;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return target;
}

bool syncToDisk(QFileDevice& file) {
#ifdef _WIN32
    return ::_commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0 || errno == EINVAL; // some devices cannot sync
#endif
}

} // namespace

std::optional<FileWriteFailure> writeFileAtomically(const std::string& path,
                                                    const FileFiller& fill,
                                                    const ReplaceGate& mayReplace) {
    // QSaveFile opens an empty name and fails only at commit.
    if (path.empty()) return failure(FileWriteFailure::Step::Create, ENOENT, "");
    std::error_code ec;
    const fs::path target = linkTarget(fs::path(path), ec);
    if (ec) return failure(FileWriteFailure::Step::Create, ec.value(), "");
    const fs::file_status status = fs::status(target, ec);
    if (fs::is_directory(status)) return failure(FileWriteFailure::Step::Create, EISDIR, "");
    if (fs::exists(status) && !fs::is_regular_file(status))
        return failure(FileWriteFailure::Step::Create, EINVAL, kNotRegularFile);

    QSaveFile file(QFile::decodeName(target.string().c_str()));
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failure(FileWriteFailure::Step::Create, errno != 0 ? errno : EACCES, "");
    // Leaving without commit() removes the temporary file.
    errno = 0;
    if (int code = fill(file); code != 0) {
        if (file.error() != QFileDevice::NoError) return deviceFailure(file, errno);
        // A short write leaves its reason in errno without a device error.
        return FileWriteFailure{FileWriteFailure::Step::Write, code,
                                errno != 0 ? std::strerror(errno) : "the data could not be encoded"};
    }
    // commit() reports success even when its own last flush failed: flush,
    // check and sync here, so a full disk never replaces the earlier file.
    errno = 0;
    if (file.error() != QFileDevice::NoError || !file.flush()) return deviceFailure(file, errno);
    errno = 0;
    if (!syncToDisk(file)) return deviceFailure(file, errno);
    if (mayReplace && !mayReplace()) return std::nullopt; // the temporary file goes
    errno = 0;
    if (!file.commit()) return deviceFailure(file, errno);
    return std::nullopt;
}

std::optional<FileWriteFailure> writeFileAtomically(const std::string& path,
                                                    std::string_view bytes,
                                                    const ReplaceGate& mayReplace) {
    return writeFileAtomically(
        path,
        [bytes](QIODevice& device) {
            qint64 size = qint64(bytes.size());
            return device.write(bytes.data(), size) == size ? 0 : nonZero(errno);
        },
        mayReplace);
}

} // namespace plotwise
