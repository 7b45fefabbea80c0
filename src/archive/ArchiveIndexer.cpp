#include "ArchiveIndexer.h"

#include "ArchiveRecords.h"
#include "ArchiveResults.h"
#include "curvefiles/FileSystem.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <unordered_map>

#ifndef _WIN32
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace plotwise::archive {
namespace {

struct Stamp {
    qint64 size = 0;
    qint64 mtime = 0; // nanoseconds since the epoch
    bool operator==(const Stamp&) const = default;
};

struct Listing {
    std::map<std::string, Stamp> files; // indexed kinds only
    std::vector<std::string> folders;   // not followed through links
    int error = 0;                      // errno when the folder cannot be listed
};

#ifndef _WIN32
// One pass over the folder's entries and one status per file.
Listing listFolder(const std::string& folder) {
    Listing listing;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) {
        listing.error = errno;
        return listing;
    }
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (entry->d_type == DT_DIR) {
            listing.folders.push_back(name);
            continue;
        }
        if (!isIndexedFile(name)) continue;
        struct stat status {};
        if (::fstatat(fd, name.c_str(), &status, 0) != 0 || !S_ISREG(status.st_mode)) continue;
        listing.files[name] = {static_cast<qint64>(status.st_size),
                               static_cast<qint64>(status.st_mtim.tv_sec) * 1000000000 +
                                   status.st_mtim.tv_nsec};
    }
    ::closedir(dir);
    return listing;
}
#else
Listing listFolder(const std::string& folder) {
    namespace fs = std::filesystem;
    Listing listing;
    std::error_code ec;
    fs::directory_iterator it(fs::u8path(folder), ec);
    if (ec) {
        listing.error = ec.value();
        return listing;
    }
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::error_code e;
        const std::string name = it->path().filename().u8string();
        if (it->is_directory(e) && !it->is_symlink(e)) listing.folders.push_back(name);
        else if (isIndexedFile(name) && it->is_regular_file(e)) {
            const auto size = it->file_size(e);
            const auto time = it->last_write_time(e).time_since_epoch();
            listing.files[name] = {static_cast<qint64>(size),
                                   std::chrono::duration_cast<std::chrono::nanoseconds>(time).count()};
        }
    }
    return listing;
}
#endif

QString text(const std::string& bytes) { return QFile::decodeName(QByteArray::fromStdString(bytes)); }

QVariant optionalValue(const std::optional<int>& value) {
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Int));
}
QVariant optionalValue(const std::optional<double>& value) {
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}
QVariant optionalText(const std::string& value) {
    return value.empty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(text(value));
}

} // namespace

struct ArchiveIndexer::Impl {
    ArchiveIndexer& owner;
    QSqlDatabase db;
    QSqlQuery known, deleteFile, deleteCurves, deleteResults, insertFile, insertCurve, insertResult;
    std::string relSeparator{pathSeparator()};

    explicit Impl(ArchiveIndexer& o)
        : owner(o), db(o.database_.db()), known(db), deleteFile(db), deleteCurves(db),
          deleteResults(db), insertFile(db), insertCurve(db), insertResult(db) {}

    bool prepare() {
        const std::pair<QSqlQuery*, const char*> statements[] = {
            {&known, "SELECT path, size, mtime FROM archive_files WHERE folder = ?"},
            {&deleteFile, "DELETE FROM archive_files WHERE path = ?"},
            {&deleteCurves, "DELETE FROM archive_curves WHERE path = ?"},
            {&deleteResults, "DELETE FROM archive_results WHERE path = ?"},
            {&insertFile, "INSERT INTO archive_files (path, folder, size, mtime) VALUES (?, ?, ?, ?)"},
            {&insertCurve, "INSERT INTO archive_curves (path, spindle, kind, datetime, id, program, "
                           "peak_y, peak_x) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"},
            {&insertResult, "INSERT INTO archive_results (path, line, datetime, id, program, fields, "
                            "curve) VALUES (?, ?, ?, ?, ?, ?, ?)"},
        };
        for (auto [query, sql] : statements) {
            query->setForwardOnly(true);
            if (!query->prepare(sql)) return owner.database_.fail("cannot prepare the index", query->lastError().text());
        }
        return true;
    }

    bool exec(QSqlQuery& query, const QVariantList& values) {
        for (int i = 0; i < values.size(); ++i) query.bindValue(i, values[i]);
        if (query.exec()) return true;
        return owner.database_.fail("cannot write the index", query.lastError().text());
    }

    std::string relPath(const std::string& folder, const std::string& name) const {
        return folder.empty() ? name : folder + relSeparator + name;
    }

    // Brings one folder's records up to date; false on a database failure.
    bool indexFolder(const std::string& rel, const std::string& abs, const Listing& listing) {
        IndexCounts& counts = owner.counts_;
        known.bindValue(0, text(rel));
        if (!known.exec()) return owner.database_.fail("cannot read the index", known.lastError().text());
        std::unordered_map<std::string, Stamp> stored;
        while (known.next()) {
            const std::string path = QFile::encodeName(known.value(0).toString()).toStdString();
            stored[path.substr(rel.empty() ? 0 : rel.size() + 1)] = {known.value(1).toLongLong(),
                                                                       known.value(2).toLongLong()};
        }
        known.finish();
        std::vector<std::string> gone, changed;
        for (const auto& [name, stamp] : stored) {
            auto found = listing.files.find(name);
            if (found == listing.files.end()) gone.push_back(name);
            else if (!(found->second == stamp)) changed.push_back(name);
        }
        // New and changed files, in list order.
        std::vector<std::string> toRead;
        for (const auto& [name, stamp] : listing.files) {
            auto known = stored.find(name);
            if (known == stored.end() || !(known->second == stamp)) toRead.push_back(name);
        }
        counts.unchanged += static_cast<int>(listing.files.size() - toRead.size());
        if (gone.empty() && toRead.empty()) return true;

        std::sort(toRead.begin(), toRead.end(), listOrderLess);
        const auto records = readCurveRecords(abs, toRead, owner.fs_);
        if (!db.transaction()) return owner.database_.fail("cannot write the index", db.lastError().text());
        const bool written = writeFolder(rel, abs, listing, gone, changed, toRead, records);
        if (!written) {
            db.rollback();
            return false;
        }
        if (!db.commit()) return owner.database_.fail("cannot write the index", db.lastError().text());
        counts.removed += static_cast<int>(gone.size());
        counts.changed += static_cast<int>(changed.size());
        counts.added += static_cast<int>(toRead.size() - changed.size());
        counts.filesRead += static_cast<int>(toRead.size());
        return true;
    }

    bool writeFolder(const std::string& rel, const std::string& abs, const Listing& listing,
                     const std::vector<std::string>& gone, const std::vector<std::string>& changed,
                     const std::vector<std::string>& toRead, const std::vector<CurveRecord>& records) {
        std::vector<std::string> dropped = gone;
        dropped.insert(dropped.end(), changed.begin(), changed.end());
        for (const auto& name : dropped) {
            const QVariantList path{text(relPath(rel, name))};
            if (!exec(deleteFile, path) || !exec(deleteCurves, path) || !exec(deleteResults, path))
                return false;
        }
        for (const auto& name : toRead) {
            const Stamp& stamp = listing.files.at(name);
            if (!exec(insertFile, {text(relPath(rel, name)), text(rel), stamp.size, stamp.mtime}))
                return false;
        }
        for (const auto& record : records) {
            if (!exec(insertCurve, {text(relPath(rel, record.name)), optionalValue(record.spindle),
                                    QString::fromStdString(record.kind), optionalText(record.dateTime),
                                    optionalText(record.id), optionalValue(record.program),
                                    optionalValue(record.peakY), optionalValue(record.peakX)}))
                return false;
            ++owner.counts_.curves;
        }
        for (const auto& name : toRead) {
            if (!isResultTable(name)) continue;
            for (const auto& row : readResultRows(abs, name, owner.root_, owner.fs_)) {
                if (!exec(insertResult, {text(relPath(rel, name)), row.line, optionalText(row.dateTime),
                                         optionalText(row.id), optionalValue(row.program),
                                         QString::fromLatin1(row.fields), optionalText(row.curve)}))
                    return false;
                ++owner.counts_.results;
            }
        }
        return true;
    }

    // Drops the records of folders that are no longer there.
    bool dropFolders(const std::vector<QString>& folders) {
        QSqlQuery paths(db);
        paths.setForwardOnly(true);
        for (const QString& folder : folders) {
            if (!paths.prepare("SELECT path FROM archive_files WHERE folder = ?")) break;
            paths.bindValue(0, folder);
            if (!paths.exec()) return owner.database_.fail("cannot read the index", paths.lastError().text());
            QVariantList gone;
            while (paths.next()) gone << paths.value(0);
            paths.finish();
            if (!db.transaction()) return owner.database_.fail("cannot write the index", db.lastError().text());
            for (const QVariant& path : gone)
                if (!exec(deleteFile, {path}) || !exec(deleteCurves, {path}) || !exec(deleteResults, {path})) {
                    db.rollback();
                    return false;
                }
            if (!db.commit()) return owner.database_.fail("cannot write the index", db.lastError().text());
            owner.counts_.removed += static_cast<int>(gone.size());
        }
        return true;
    }
};

ArchiveIndexer::ArchiveIndexer(ArchiveDatabase& database, std::string root, const FileSystem& fs)
    : database_(database), root_(std::move(root)), fs_(fs) {}

bool ArchiveIndexer::run() {
    counts_ = {};
    stopped_ = false;
    if (!database_.createSchema()) return false;
    Impl impl(*this);
    if (!impl.prepare()) return false;

    std::set<QString> storedFolders;
    {
        QSqlQuery query(database_.db());
        if (!query.exec("SELECT DISTINCT folder FROM archive_files"))
            return database_.fail("cannot read the index", query.lastError().text());
        while (query.next()) storedFolders.insert(query.value(0).toString());
    }
    std::set<QString> seen;
    std::vector<QString> unreadable;
    // Depth first, folders in list order.
    std::vector<std::string> pending{""};
    while (!pending.empty()) {
        const std::string rel = pending.back();
        pending.pop_back();
        const std::string abs = rel.empty() ? root_ : joinPath(root_, rel);
        const Listing listing = listFolder(abs);
        ++counts_.folders;
        if (listing.error) {
            ++counts_.unreadable;
            unreadable.push_back(text(rel));
            if (onProblem)
                onProblem(QString("cannot read folder %1: %2").arg(text(abs), QString::fromLocal8Bit(std::strerror(listing.error))));
            continue;
        }
        seen.insert(text(rel));
        if (!impl.indexFolder(rel, abs, listing)) return false;
        std::vector<std::string> folders = listing.folders;
        std::sort(folders.begin(), folders.end(), listOrderLess);
        for (auto it = folders.rbegin(); it != folders.rend(); ++it) pending.push_back(impl.relPath(rel, *it));
        if (onProgress && !onProgress(counts_)) {
            stopped_ = true;
            return true;
        }
    }
    std::vector<QString> goneFolders;
    const QString separator(QChar::fromLatin1(pathSeparator()));
    for (const QString& folder : storedFolders) {
        if (seen.count(folder)) continue;
        // Records below a folder that could not be read are kept.
        const bool kept = std::any_of(unreadable.begin(), unreadable.end(), [&](const QString& u) {
            return u.isEmpty() || folder == u || folder.startsWith(u + separator);
        });
        if (!kept) goneFolders.push_back(folder);
    }
    return impl.dropFolders(goneFolders);
}

} // namespace plotwise::archive
