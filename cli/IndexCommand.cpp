// plotwise-cli index: brings the index of a curve archive up to date.
#include "CliOutput.h"
#include "Commands.h"
#include "archive/ArchiveIndexer.h"
#include "curvefiles/FileSystem.h"

#include <QFile>

namespace plotwise::cli {
namespace {

// A progress line every this many files read.
constexpr int kProgressFiles = 500;

} // namespace

int runIndexCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption dbOption("db", "The index: an SQLite file or a postgresql:// URI "
                                            "(default: in the user's cache folder).", "DB");
    if (!parseCommand(parser,
                      {"index",
                       "Index every curve file and result row below ROOT: new and changed "
                       "files are read, records of removed files dropped.",
                       {"ROOT"},
                       {dbOption}},
                      arguments))
        return kExitUsage;
    const auto root = folderArgument(parser, "index");
    if (!root) return kExitUsage;
    QString error;
    const auto target = archive::archiveTarget(parser.positionalArguments().at(0), parser.value(dbOption), &error);
    if (!target) {
        writeError("index: " + error);
        return kExitUsage;
    }
    archive::ArchiveDatabase database;
    if (!database.open(*target, false)) {
        writeError("index: " + database.error());
        return kExitFailed;
    }
    LocalFileSystem fs;
    archive::ArchiveIndexer indexer(database, *root, fs);
    int reported = 0;
    indexer.onProgress = [&reported](const archive::IndexCounts& counts) {
        if (counts.filesRead >= reported + kProgressFiles) {
            reported = counts.filesRead - counts.filesRead % kProgressFiles;
            writeError(QString("index: %1 files read in %2 folders").arg(counts.filesRead).arg(counts.folders));
        }
        return true;
    };
    indexer.onProblem = [](const QString& problem) { writeError("index: " + problem); };
    if (!indexer.run()) {
        writeError("index: " + database.error());
        return kExitFailed;
    }
    const auto& c = indexer.counts();
    writeError(QString("index: %1: %2 folders, %3 added, %4 changed, %5 removed, %6 unchanged, "
                       "%7 curves and %8 result rows written, into %9")
                   .arg(parser.positionalArguments().at(0))
                   .arg(c.folders).arg(c.added).arg(c.changed).arg(c.removed).arg(c.unchanged)
                   .arg(c.curves).arg(c.results).arg(target->display()));
    if (c.unreadable > 0) {
        writeError(QString("index: %1 folders could not be read; their records were kept").arg(c.unreadable));
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace plotwise::cli
