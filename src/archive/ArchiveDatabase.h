#pragma once
// Where an archive index lives and the connection to it: an SQLite file
// (the default, in the user's cache folder) or a PostgreSQL server named by a
// libpq URI. Both hold the same tables.
#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace plotwise::archive {

struct ArchiveTarget {
    enum class Kind { SQLite, PostgreSQL };
    Kind kind = Kind::SQLite;
    QString file; // SQLite: the database file
    // PostgreSQL: the parts of the URI; host may be a socket folder.
    QString host, user, password, database;
    int port = -1;
    QString options; // further URI parameters as key=value;key=value

    // The target as it may be shown: never with the password.
    QString display() const;
};

// "postgresql://" or "postgres://" URIs name a server, anything else a file.
// nullopt with `error` set when a URI is malformed.
std::optional<ArchiveTarget> parseArchiveTarget(const QString& text, QString* error);

// The default index file of an archive root: in the user's cache folder,
// named after the root's absolute path.
QString defaultIndexFile(const QString& root);

// The index named by `db` when given, else the default one of `root`.
std::optional<ArchiveTarget> archiveTarget(const QString& root, const QString& db, QString* error);

class ArchiveDatabase {
public:
    ArchiveDatabase();
    ~ArchiveDatabase();
    ArchiveDatabase(const ArchiveDatabase&) = delete;
    ArchiveDatabase& operator=(const ArchiveDatabase&) = delete;

    // Opens the index; a read-only one is never created or changed. False
    // with error() set when it cannot be opened or is no index.
    bool open(const ArchiveTarget& target, bool readOnly);
    // Creates the tables and indexes that are missing.
    bool createSchema();
    bool hasSchema();

    QSqlDatabase& db() { return db_; }
    bool postgres() const { return target_.kind == ArchiveTarget::Kind::PostgreSQL; }
    const QString& error() const { return error_; }
    // Sets error() to `what` and the driver's words, password removed; returns false.
    bool fail(const QString& what, const QString& driverText);

private:
    QString connection_;
    QSqlDatabase db_;
    ArchiveTarget target_;
    QString error_;
};

} // namespace plotwise::archive
