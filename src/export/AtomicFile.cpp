#include "AtomicFile.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
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

// The new file keeps an earlier file's permissions.
void keepPermissions(const fs::file_status& status, QFile& file) {
#ifdef _WIN32
    (void)status, (void)file;
#else
    if (fs::is_regular_file(status))
        (void)::fchmod(file.handle(), static_cast<mode_t>(status.permissions()) & 07777);
#endif
}

std::atomic<bool> namedTemporariesOnly{false};

QString qtPath(const fs::path& path) {
    return QFile::decodeName(path.string().c_str());
}

} // namespace

// The bytes go to a file of their own in the target's folder: on Linux an
// unnamed one (nothing is left behind whatever happens), elsewhere one named
// after the target. Only putting it in place touches the target.
class PendingFile::Temp {
public:
    explicit Temp(fs::path target) : target_(std::move(target)) {}
    ~Temp() {
        file_.reset();
#ifdef __linux__
        if (fd_ >= 0) ::close(fd_);
#endif
        if (!named_.empty() && !placed_) QFile::remove(qtPath(named_));
    }
    Temp(const Temp&) = delete;
    Temp& operator=(const Temp&) = delete;

    QFile& file() {
        return *file_;
    }

    // The errno of a failed creation, else 0.
    int create() {
        file_.emplace();
#ifdef __linux__
        // An unnamed file is named through /proc when it is put in place.
        static const bool procFds = ::access("/proc/self/fd", X_OK) == 0;
        const fs::path folder = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
        errno = 0;
        const bool unnamed = procFds && !namedTemporariesOnly;
        fd_ = unnamed ? ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666) : -1;
        if (fd_ >= 0)
            return file_->open(fd_, QIODevice::WriteOnly, QFileDevice::DontCloseHandle) ? 0 : EIO;
        // A file system without unnamed files takes a named one.
        if (unnamed && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return errno != 0 ? errno : EACCES;
#endif
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            const fs::path name = tempName();
            file_->setFileName(qtPath(name));
            errno = 0;
            if (file_->open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
                named_ = name;
                return 0;
            }
            if (errno != EEXIST) return errno != 0 ? errno : EACCES;
        }
        return EEXIST;
    }

    // The bytes are written and synced: the writer's device goes (on the
    // writing thread), the file itself stays.
    void doneWriting() {
        file_.reset();
    }

    // Replaces the target; the errno of a failure, else 0.
    int place() {
#ifdef __linux__
        if (named_.empty() && fd_ >= 0) {
            // An unnamed file gets a name beside the target first.
            const std::string self = "/proc/self/fd/" + std::to_string(fd_);
            for (int attempt = 0; named_.empty() && attempt < kNameAttempts; ++attempt) {
                const fs::path name = tempName();
                if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
                    named_ = name;
                else if (errno != EEXIST)
                    return errno != 0 ? errno : EIO;
            }
            if (named_.empty()) return EEXIST;
        }
#endif
        std::error_code ec;
        fs::rename(named_, target_, ec);
        if (ec) return ec.value();
        placed_ = true;
        return 0;
    }

private:
    static constexpr int kNameAttempts = 16;

    fs::path tempName() const {
        static std::atomic<unsigned> serial{std::random_device{}()};
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x", serial.fetch_add(0x9e3779b9u));
        return target_.parent_path() / ("." + target_.filename().string() + suffix);
    }

    fs::path target_;
    fs::path named_;            // the file's name beside the target, once it has one
    std::optional<QFile> file_; // while writing
    int fd_ = -1;               // the unnamed file, until placed
    bool placed_ = false;
};

PendingFile::PendingFile(std::unique_ptr<Temp> temp) : temp_(std::move(temp)) {}
PendingFile::PendingFile(PendingFile&&) noexcept = default;
PendingFile& PendingFile::operator=(PendingFile&&) noexcept = default;
PendingFile::~PendingFile() = default;

std::optional<FileWriteFailure> PendingFile::place() {
    if (!temp_) return failure(FileWriteFailure::Step::Write, EBADF, "");
    const int error = temp_->place();
    temp_.reset();
    if (error != 0) return failure(FileWriteFailure::Step::Write, error, "");
    return std::nullopt;
}

std::variant<PendingFile, FileWriteFailure> writeFileBeside(const std::string& path,
                                                            const FileFiller& fill) {
    if (path.empty()) return failure(FileWriteFailure::Step::Create, ENOENT, "");
    std::error_code ec;
    const fs::path target = linkTarget(fs::path(path), ec);
    if (ec) return failure(FileWriteFailure::Step::Create, ec.value(), "");
    const fs::file_status status = fs::status(target, ec);
    if (fs::is_directory(status)) return failure(FileWriteFailure::Step::Create, EISDIR, "");
    if (fs::exists(status) && !fs::is_regular_file(status))
        return failure(FileWriteFailure::Step::Create, EINVAL, kNotRegularFile);

    auto temp = std::make_unique<PendingFile::Temp>(target);
    if (const int error = temp->create()) return failure(FileWriteFailure::Step::Create, error, "");
    QFile& file = temp->file();
    errno = 0;
    if (int code = fill(file); code != 0) {
        if (file.error() != QFileDevice::NoError) return deviceFailure(file, errno);
        // A short write leaves its reason in errno without a device error.
        return FileWriteFailure{FileWriteFailure::Step::Write, code,
                                errno != 0 ? std::strerror(errno) : "the data could not be encoded"};
    }
    // Every byte is on the disk before the file may replace the earlier one.
    errno = 0;
    if (file.error() != QFileDevice::NoError || !file.flush()) return deviceFailure(file, errno);
    errno = 0;
    if (!syncToDisk(file)) return deviceFailure(file, errno);
    keepPermissions(status, file);
    temp->doneWriting();
    return PendingFile(std::move(temp));
}

std::optional<FileWriteFailure> writeFileAtomically(const std::string& path,
                                                    const FileFiller& fill) {
    auto written = writeFileBeside(path, fill);
    if (auto* failed = std::get_if<FileWriteFailure>(&written)) return std::move(*failed);
    return std::get<PendingFile>(written).place();
}

void useNamedTemporaryFiles(bool named) {
    namedTemporariesOnly = named;
}

FileFiller bytesFiller(std::string_view bytes) {
    return [bytes](QIODevice& device) {
        qint64 size = qint64(bytes.size());
        return device.write(bytes.data(), size) == size ? 0 : nonZero(errno);
    };
}

std::optional<FileWriteFailure> writeFileAtomically(const std::string& path,
                                                    std::string_view bytes) {
    return writeFileAtomically(path, bytesFiller(bytes));
}

} // namespace plotwise
