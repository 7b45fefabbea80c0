#include "ArchiveDatabase.h"

#include <QAtomicInt>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

namespace plotwise::archive {
namespace {

QAtomicInt connectionCount;

// The tables of an index. Paths are relative to the archive root; times are
// "yyyy-mm-ddThh:mm:ss" texts, so that they compare as they sort.
const char* const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS archive_meta (key TEXT PRIMARY KEY, value TEXT)",
    "CREATE TABLE IF NOT EXISTS archive_files (path TEXT PRIMARY KEY, folder TEXT NOT NULL, "
    "size BIGINT NOT NULL, mtime BIGINT NOT NULL)",
    "CREATE INDEX IF NOT EXISTS archive_files_folder ON archive_files (folder)",
    "CREATE TABLE IF NOT EXISTS archive_curves (path TEXT NOT NULL, spindle INTEGER, "
    "kind TEXT NOT NULL, datetime TEXT, id TEXT, program INTEGER, peak_y DOUBLE PRECISION, "
    "peak_x DOUBLE PRECISION)",
    "CREATE INDEX IF NOT EXISTS archive_curves_path ON archive_curves (path)",
    "CREATE INDEX IF NOT EXISTS archive_curves_datetime ON archive_curves (datetime)",
    "CREATE INDEX IF NOT EXISTS archive_curves_id ON archive_curves (id, datetime)",
    "CREATE INDEX IF NOT EXISTS archive_curves_program ON archive_curves (program, datetime)",
    "CREATE TABLE IF NOT EXISTS archive_results (path TEXT NOT NULL, line INTEGER NOT NULL, "
    "datetime TEXT, id TEXT, program INTEGER, fields TEXT NOT NULL, curve TEXT)",
    "CREATE INDEX IF NOT EXISTS archive_results_path ON archive_results (path)",
    "CREATE INDEX IF NOT EXISTS archive_results_datetime ON archive_results (datetime)",
    "CREATE INDEX IF NOT EXISTS archive_results_id ON archive_results (id, datetime)",
};

bool isPostgresUri(const QString& text) {
    return text.startsWith("postgresql://") || text.startsWith("postgres://");
}

} // namespace

QString ArchiveTarget::display() const {
    if (kind == Kind::SQLite) return file;
    QString text = "postgresql://";
    if (!user.isEmpty()) text += user + "@";
    if (!host.startsWith('/')) text += host;
    if (port > 0) text += ":" + QString::number(port);
    text += "/" + database;
    if (host.startsWith('/')) text += "?host=" + host;
    return text;
}

std::optional<ArchiveTarget> parseArchiveTarget(const QString& text, QString* error) {
    ArchiveTarget target;
    if (!isPostgresUri(text)) {
        target.file = text;
        return target;
    }
    target.kind = ArchiveTarget::Kind::PostgreSQL;
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid()) {
        // The URL's own error text would repeat the URI, password and all.
        *error = "not a valid postgresql:// URI";
        return std::nullopt;
    }
    target.user = url.userName(QUrl::FullyDecoded);
    target.password = url.password(QUrl::FullyDecoded);
    target.host = url.host(QUrl::FullyDecoded);
    target.port = url.port(-1);
    target.database = url.path(QUrl::FullyDecoded).mid(1);
    QStringList options;
    const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    for (const auto& [key, value] : items) {
        if (key == "host") target.host = value;
        else if (key == "port") target.port = value.toInt();
        else if (key == "user") target.user = value;
        else if (key == "password") target.password = value;
        else if (key == "dbname") target.database = value;
        else if (value.contains(';') || value.contains(' ') || key.contains(';')) {
            *error = "unsupported value of URI parameter " + key;
            return std::nullopt;
        } else options << key + "=" + value;
    }
    if (target.database.isEmpty()) {
        *error = "the postgresql:// URI names no database";
        return std::nullopt;
    }
    target.options = options.join(';');
    return target;
}

QString defaultIndexFile(const QString& root) {
    const QString absolute = QFileInfo(root).absoluteFilePath();
    const QByteArray key = QCryptographicHash::hash(QFile::encodeName(absolute), QCryptographicHash::Sha1);
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return QDir(base).filePath("plotwise/archive-index/" + QString::fromLatin1(key.toHex()) + ".sqlite");
}

std::optional<ArchiveTarget> archiveTarget(const QString& root, const QString& db, QString* error) {
    if (!db.isEmpty()) return parseArchiveTarget(db, error);
    ArchiveTarget target;
    target.file = defaultIndexFile(root);
    return target;
}

ArchiveDatabase::ArchiveDatabase()
    : connection_("plotwise-archive-" + QString::number(connectionCount.fetchAndAddRelaxed(1))) {}

ArchiveDatabase::~ArchiveDatabase() {
    if (db_.isValid()) {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection_);
    }
}

bool ArchiveDatabase::fail(const QString& what, const QString& driverText) {
    QString text = driverText.trimmed();
    if (!target_.password.isEmpty()) text.replace(target_.password, "***");
    error_ = text.isEmpty() ? what : what + ": " + text;
    return false;
}

bool ArchiveDatabase::open(const ArchiveTarget& target, bool readOnly) {
    target_ = target;
    const bool pg = postgres();
    const QString driver = pg ? "QPSQL" : "QSQLITE";
    if (!QSqlDatabase::isDriverAvailable(driver))
        return fail(QString("the Qt SQL driver %1 is not installed").arg(driver), {});
    db_ = QSqlDatabase::addDatabase(driver, connection_);
    if (pg) {
        db_.setHostName(target.host);
        db_.setDatabaseName(target.database);
        db_.setUserName(target.user);
        db_.setPassword(target.password);
        if (target.port > 0) db_.setPort(target.port);
        QString options = target.options;
        if (!options.contains("connect_timeout")) options += QString(options.isEmpty() ? "" : ";") + "connect_timeout=10";
        db_.setConnectOptions(options);
    } else {
        if (readOnly && !QFileInfo(target.file).isFile())
            return fail("no index at " + target.file, {});
        if (!readOnly) QDir().mkpath(QFileInfo(target.file).absolutePath());
        db_.setDatabaseName(target.file);
        db_.setConnectOptions(readOnly ? "QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"
                                       : "QSQLITE_BUSY_TIMEOUT=5000");
    }
    if (!db_.open()) return fail("cannot open " + target.display(), db_.lastError().text());
    QSqlQuery query(db_);
    if (pg) {
        if (readOnly && !query.exec("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY"))
            return fail("cannot open " + target.display(), query.lastError().text());
        if (!query.exec("SET client_min_messages TO WARNING"))
            return fail("cannot open " + target.display(), query.lastError().text());
    } else if (!readOnly) {
        // WAL keeps readers going while a folder is written, and a killed run
        // loses at most the folder it was writing.
        if (!query.exec("PRAGMA journal_mode=WAL") || !query.exec("PRAGMA synchronous=NORMAL"))
            return fail("cannot open " + target.display(), query.lastError().text());
    }
    return true;
}

bool ArchiveDatabase::createSchema() {
    if (!db_.transaction()) return fail("cannot write " + target_.display(), db_.lastError().text());
    QSqlQuery query(db_);
    for (const char* statement : kSchema)
        if (!query.exec(statement)) {
            const QString text = query.lastError().text();
            db_.rollback();
            return fail("cannot write " + target_.display(), text);
        }
    if (!db_.commit()) return fail("cannot write " + target_.display(), db_.lastError().text());
    return true;
}

bool ArchiveDatabase::hasSchema() {
    QSqlQuery query(db_);
    if (!query.exec("SELECT COUNT(*) FROM archive_files WHERE 1 = 0"))
        return fail(target_.display() + " is not a Plotwise archive index", query.lastError().text());
    return true;
}

} // namespace plotwise::archive
