// plotwise-cli export-index: the records of an archive index as CSV files
// partitioned by the day of each cycle, DIR/date=yyyy-mm-dd/part-0.csv, which
// DuckDB and Spark read as one table.
#include "CliOutput.h"
#include "Commands.h"
#include "archive/ArchiveSearch.h"
#include "export/AtomicFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <cstring>
#include <set>

namespace plotwise::cli {
namespace {

// Hive's name for the partition of records without a value.
const QString kNoDate = "__HIVE_DEFAULT_PARTITION__";
const QString kPartFile = "part-0.csv";

} // namespace

int runExportIndexCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption db("db", "The index: an SQLite file or a postgresql:// URI.", "DB");
    const QCommandLineOption out("out", "The folder the partitions are written into.", "DIR");
    if (!parseCommand(parser,
                      {"export-index",
                       "Write the records of an index (ROOT's default index, or --db) as CSV "
                       "partitioned by cycle day: DIR/date=yyyy-mm-dd/part-0.csv.",
                       {},
                       {db, out},
                       {"ROOT"}},
                      arguments))
        return kExitUsage;
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty() == !parser.isSet(db) || !parser.isSet(out)) {
        writeError("export-index: give either ROOT or --db DB, and --out DIR");
        return kExitUsage;
    }
    QString error;
    const auto target = archive::archiveTarget(positional.value(0), parser.value(db), &error);
    if (!target) {
        writeError("export-index: " + error);
        return kExitUsage;
    }
    archive::ArchiveDatabase database;
    if (!database.open(*target, true) || !database.hasSchema()) {
        writeError("export-index: " + database.error());
        return kExitFailed;
    }
    const QDir folder(parser.value(out));
    if (!QDir().mkpath(folder.path())) {
        writeError(QString("export-index: cannot create %1: %2").arg(folder.path(), QString::fromLocal8Bit(std::strerror(errno))));
        return kExitFailed;
    }

    // Records come in date-time order, so each day is one run of them.
    std::set<QString> written;
    QString day;
    QByteArray bytes;
    bool failed = false;
    auto flush = [&] {
        if (bytes.isEmpty() || failed) return;
        const QString partition = "date=" + (day.isEmpty() ? kNoDate : day);
        const QString path = folder.filePath(partition + "/" + kPartFile);
        std::optional<FileWriteFailure> failure;
        if (!QDir(folder).mkpath(partition))
            failure = FileWriteFailure{FileWriteFailure::Step::Create, errno, std::strerror(errno)};
        else
            failure = writeFileAtomically(localPath(path), (archive::csvHeader() + bytes).toStdString());
        if (failure) {
            writeError(QString("export-index: cannot write %1: %2").arg(path, QString::fromLocal8Bit(failure->reason.c_str())));
            failed = true;
        }
        written.insert(partition);
        bytes.clear();
    };
    const bool found = archive::findCurves(database, {}, [&](const archive::ArchiveMatch& match) {
        const QString matchDay = match.dateTime.left(10);
        if (matchDay != day) flush();
        day = matchDay;
        bytes += archive::csvRow(match);
    });
    flush();
    if (!found) {
        writeError("export-index: " + database.error());
        return kExitFailed;
    }
    if (failed) return kExitFailed;
    // Partitions of an earlier export that this one has not would be read as
    // part of the table: they go.
    for (const QString& partition : folder.entryList({"date=*"}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (written.count(partition)) continue;
        QFile::remove(folder.filePath(partition + "/" + kPartFile));
        QDir(folder).rmdir(partition);
    }
    writeLine(QString("%1 partitions written into %2").arg(written.size()).arg(folder.path()).toStdString());
    return kExitOk;
}

} // namespace plotwise::cli
