// plotwise-cli outliers: curves that leave their spindle's reference band.
#include "CliOutput.h"
#include "Commands.h"
#include "ListTicks.h"
#include "curvefiles/FileSystem.h"
#include "curvelist/CurveList.h"
#include "stats/CurveBand.h"
#include "stats/OutlierReport.h"

#include <cmath>

namespace plotwise::cli {

int runOutliersCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption check(
        "check", "Take every entry (all, the default) or those beginning with PREFIX.", "all|PREFIX");
    const QCommandLineOption threshold(
        "threshold",
        QString("Score above which a curve is abnormal (default %1).").arg(stats::kDefaultThreshold),
        "T");
    const QCommandLineOption json("json", "Print JSON instead of a list.");
    if (!parseCommand(parser,
                      {"outliers",
                       "Scan a folder, load the ticked curves and score how far and how long each "
                       "leaves its spindle's reference band; abnormal curves are listed first.",
                       {"DIR"},
                       {check, threshold, json}},
                      arguments))
        return kExitUsage;
    const auto folder = folderArgument(parser, "outliers");
    if (!folder) return kExitUsage;
    double limit = stats::kDefaultThreshold;
    if (parser.isSet(threshold)) {
        bool ok = false;
        limit = parser.value(threshold).toDouble(&ok);
        if (!ok || !std::isfinite(limit) || limit <= 0) {
            writeError("outliers: --threshold takes a number above 0");
            return kExitUsage;
        }
    }
    CurveList list;
    if (!folderListed(scanAndTick(*folder, parser.values(check), list), "outliers", parser))
        return kExitFailed;
    const auto curves = stats::tickedPeaks(list);
    LocalFileSystem fs;
    const auto samples = stats::loadCurveSamples(curves, *folder, fs);
    const auto detection = stats::detectAbnormal(curves, samples, limit);
    writeRaw(parser.isSet(json) ? stats::outliersJson(curves, detection)
                                : stats::outliersText(curves, detection));
    return kExitOk;
}

} // namespace plotwise::cli
