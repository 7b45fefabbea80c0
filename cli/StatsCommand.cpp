// plotwise-cli stats: spread and capability of the listed curves' peak values.
#include "CliOutput.h"
#include "Commands.h"
#include "ListTicks.h"
#include "curvelist/CurveList.h"
#include "stats/StatsPictures.h"
#include "stats/StatsReport.h"

namespace plotwise::cli {
namespace {

bool readLimits(const QCommandLineParser& parser, const QCommandLineOption& option,
                stats::LimitSet& limits) {
    for (const QString& value : parser.values(option)) {
        if (auto error = stats::addLimits(value.toStdString(), limits)) {
            writeError("stats: --" + option.names().constFirst() + ": " + QString::fromStdString(*error));
            return false;
        }
    }
    return true;
}

} // namespace

int runStatsCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption check(
        "check", "Take every entry (all, the default) or those beginning with PREFIX.", "all|PREFIX");
    const QCommandLineOption ylimits(
        "ylimits", "Limits of the peak value, for all groups or for spindle S.", "[S=]LSL:USL");
    const QCommandLineOption xlimits("xlimits", "Limits of the peak position.", "[S=]LSL:USL");
    const QCommandLineOption json("json", "Print JSON instead of a table.");
    const QCommandLineOption histogram(
        "histogram", "Write a histogram per group (.png, .jpg, .gif, .bmp or .pdf).", "FILE");
    const QCommandLineOption chart("chart", "Write an individuals chart per group.", "FILE");
    if (!parseCommand(parser,
                      {"stats",
                       "Scan a folder, take the ticked curves and print the spread of their peak "
                       "values and positions per spindle, with Cp/Cpk and Pp/Ppk when limits are "
                       "given.",
                       {"DIR"},
                       {check, ylimits, xlimits, json, histogram, chart}},
                      arguments))
        return kExitUsage;
    const auto folder = folderArgument(parser, "stats");
    if (!folder) return kExitUsage;
    stats::LimitSet yLimits, xLimits;
    if (!readLimits(parser, ylimits, yLimits) || !readLimits(parser, xlimits, xLimits))
        return kExitUsage;
    for (const auto* option : {&histogram, &chart}) {
        if (parser.isSet(*option) && !stats::pictureFormatKnown(localPath(parser.value(*option)))) {
            writeError("stats: --" + option->names().constFirst() +
                       " FILE must end in .png, .jpg, .gif, .bmp or .pdf");
            return kExitUsage;
        }
    }

    CurveList list;
    if (!folderListed(scanAndTick(*folder, parser.values(check), list), "stats", parser))
        return kExitFailed;
    const auto groups = stats::computeStats(stats::groupBySpindle(stats::tickedPeaks(list)),
                                            yLimits, xLimits);
    int status = kExitOk;
    const std::pair<const QCommandLineOption*, stats::PictureKind> pictures[] = {
        {&histogram, stats::PictureKind::Histogram}, {&chart, stats::PictureKind::Individuals}};
    for (const auto& [option, kind] : pictures) {
        if (!parser.isSet(*option)) continue;
        if (auto failure = stats::writeStatsPicture(groups, kind, localPath(parser.value(*option)))) {
            writeError("stats: " + QString::fromLocal8Bit(failure->c_str()));
            status = kExitFailed;
        }
    }
    writeRaw(parser.isSet(json) ? stats::statsJson(groups) : stats::statsText(groups));
    return status;
}

} // namespace plotwise::cli
