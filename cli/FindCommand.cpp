// plotwise-cli find: searches the index of a curve archive.
#include "CliOutput.h"
#include "Commands.h"
#include "archive/ArchiveSearch.h"

#include <QFileInfo>

namespace plotwise::cli {
namespace {

std::optional<qint64> wholeNumber(const QString& text, qint64 least) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < least) return std::nullopt;
    return value;
}

} // namespace

int runFindCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption db("db", "The index: an SQLite file or a postgresql:// URI.", "DB");
    const QCommandLineOption id("id", "Identification, exactly.", "TEXT");
    const QCommandLineOption from("from", "Cycles at or after this time (2026-11-05T06:00:00).", "T");
    const QCommandLineOption to("to", "Cycles at or before this time.", "T");
    const QCommandLineOption program("program", "Program number.", "P");
    const QCommandLineOption spindle("spindle", "Spindle number.", "N");
    const QCommandLineOption peakY("peak-y", "Peak Y within MIN:MAX (either may be left out).", "MIN:MAX");
    const QCommandLineOption peakX("peak-x", "Peak X within MIN:MAX.", "MIN:MAX");
    const QCommandLineOption limit("limit", "At most N matches.", "N");
    const QCommandLineOption json("json", "Write the matches as JSON.");
    const QCommandLineOption csv("csv", "Write the matches as CSV with a header row.");
    if (!parseCommand(parser,
                      {"find",
                       "Find the curves of an archive's index (ROOT's default index, or --db) "
                       "that pass every filter given.",
                       {},
                       {db, id, from, to, program, spindle, peakY, peakX, limit, json, csv},
                       {"ROOT"}},
                      arguments))
        return kExitUsage;
    auto usage = [](const QString& message) {
        writeError("find: " + message);
        return kExitUsage;
    };
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty() == !parser.isSet(db)) return usage("give either ROOT or --db DB");
    if (parser.isSet(json) && parser.isSet(csv)) return usage("--json and --csv exclude each other");
    if (!positional.isEmpty() && !QFileInfo(positional[0]).isDir()) return usage("not a folder: " + positional[0]);

    archive::ArchiveFilter filter;
    QString error;
    if (parser.isSet(id)) filter.id = parser.value(id);
    for (const auto& [option, field] : {std::pair{&from, &filter.from}, std::pair{&to, &filter.to}}) {
        if (!parser.isSet(*option)) continue;
        *field = archive::parseFilterTime(parser.value(*option));
        if (!*field) return usage(QString("--%1 is not a date-time like 2026-11-05T06:00:00: %2")
                                      .arg(option->names().first(), parser.value(*option)));
    }
    for (const auto& [option, field] : {std::pair{&program, &filter.program}, std::pair{&spindle, &filter.spindle}}) {
        if (!parser.isSet(*option)) continue;
        const auto value = wholeNumber(parser.value(*option), 0);
        if (!value || *value > 1000000000) return usage(QString("--%1 is not a whole number: %2").arg(option->names().first(), parser.value(*option)));
        *field = static_cast<int>(*value);
    }
    using Bounds = std::pair<std::optional<double>*, std::optional<double>*>;
    for (const auto& [option, bounds] : {std::pair{&peakY, Bounds{&filter.peakYMin, &filter.peakYMax}},
                                         std::pair{&peakX, Bounds{&filter.peakXMin, &filter.peakXMax}}}) {
        if (!parser.isSet(*option)) continue;
        const auto range = archive::parseRange(parser.value(*option), &error);
        if (!range) return usage(QString("--%1: %2").arg(option->names().first(), error));
        *bounds.first = range->first;
        *bounds.second = range->second;
    }
    if (parser.isSet(limit)) {
        filter.limit = wholeNumber(parser.value(limit), 0);
        if (!filter.limit) return usage("--limit is not a whole number: " + parser.value(limit));
    }
    const auto target = archive::archiveTarget(positional.value(0), parser.value(db), &error);
    if (!target) return usage(error);

    archive::ArchiveDatabase database;
    if (!database.open(*target, true) || !database.hasSchema()) {
        writeError("find: " + database.error() +
                   (positional.isEmpty() ? QString() : "; run plotwise-cli index " + positional[0]));
        return kExitFailed;
    }
    std::vector<archive::ArchiveMatch> matches;
    const bool asCsv = parser.isSet(csv);
    if (asCsv) writeRaw(archive::csvHeader().toStdString());
    const bool found = archive::findCurves(database, filter, [&](const archive::ArchiveMatch& match) {
        if (asCsv) writeRaw(archive::csvRow(match).toStdString());
        else matches.push_back(match);
    });
    if (!found) {
        writeError("find: " + database.error());
        return kExitFailed;
    }
    if (parser.isSet(json)) writeRaw(archive::jsonDocument(matches).toStdString());
    else if (!asCsv) writeRaw(archive::textTable(matches).toStdString());
    return kExitOk;
}

} // namespace plotwise::cli
