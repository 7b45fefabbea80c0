// plotwise-cli render: the window's plot, drawn by the same core, to a file.
#include "CliOutput.h"
#include "Commands.h"
#include "HeadlessCore.h"
#include "ListTicks.h"
#include "export/PictureWriter.h"
#include "shell/Form1Core.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace plotwise::cli {
namespace {

struct RenderOptions {
    QString output;
    QStringList checks;
    std::optional<QString> select;
    std::optional<int> scale, hs, vs;
    std::optional<QString> ymax;
    int width = 800, height = 500;
};

// The picture's sides in pixels: large enough to read, small enough to draw.
constexpr int kSmallestSide = 16, kLargestSide = 16384;
// The largest manual Y full scale.
constexpr double kLargestYmax = 1.0e9;

// An integer option's value within [low, high], or a usage error naming them.
bool integerOption(const QCommandLineParser& parser, const QCommandLineOption& option, int low,
                   int high, std::optional<int>& value) {
    if (!parser.isSet(option)) return true;
    bool ok = false;
    value = parser.value(option).toInt(&ok);
    if (ok && *value >= low && *value <= high) return true;
    writeError(QString("render: --%1 takes a whole number from %2 to %3")
                   .arg(option.names().constFirst())
                   .arg(low)
                   .arg(high));
    return false;
}

bool sizeOption(const QString& text, RenderOptions& options) {
    const auto match = QRegularExpression("^(\\d{1,9})x(\\d{1,9})$").match(text);
    const int width = match.captured(1).toInt(), height = match.captured(2).toInt();
    if (!match.hasMatch() || std::min(width, height) < kSmallestSide ||
        std::max(width, height) > kLargestSide) {
        writeError(QString("render: --size takes WIDTHxHEIGHT, each %1 to %2 pixels, e.g. 800x500")
                       .arg(kSmallestSide)
                       .arg(kLargestSide));
        return false;
    }
    options.width = width;
    options.height = height;
    return true;
}

bool ymaxOption(const QString& text, RenderOptions& options) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value > 0) || value > kLargestYmax) {
        writeError("render: --ymax takes a number above 0, up to 1000000000");
        return false;
    }
    options.ymax = text;
    return true;
}

bool endsWithPdf(const std::string& path) {
    return QString::fromStdString(path).endsWith(".pdf", Qt::CaseInsensitive);
}

// Scan, tick, select, set the view, click the list and run the pending redraw.
void renderPlot(Form1Core& core, const RenderOptions& options) {
    core.setPictureSize(options.width, options.height);
    tickEntries(core.curveList(), options.checks);
    if (options.select) core.listPanel().treeViewSelect(firstEntryWithPrefix(core.curveList(), *options.select));
    if (options.scale) core.plotPanel().option1Click(*options.scale);
    if (options.hs) core.plotPanel().hsChange(*options.hs);
    if (options.vs) core.plotPanel().vsChange(*options.vs);
    if (options.ymax) core.plotPanel().text1Change(options.ymax->toStdString());
    core.listPanel().treeViewClick();
    core.timer3Tick();
}

} // namespace

int runRenderCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption output(
        {"o", "output"}, "The file to write: an image (.png, .jpg, .gif, .bmp) or a PDF (.pdf).",
        "OUT");
    const QCommandLineOption check("check", "Tick every entry (all) or those beginning with PREFIX.",
                                   "all|PREFIX");
    const QCommandLineOption select("select", "Select the first entry beginning with PREFIX.",
                                    "PREFIX");
    const QCommandLineOption scale("scale", "X scale index 0..5 (50 to 1200 degrees).", "I");
    const QCommandLineOption hs("hs", "X value at nine tenths of the axis, -500 to 9999 (the curves' end when not given).", "N");
    const QCommandLineOption vs("vs", "Vertical offset in tenths of a Y unit, -10000 to 10000.", "N");
    const QCommandLineOption ymax("ymax", "Manual Y full scale, a number above 0 (automatic when not given).", "V");
    const QCommandLineOption size("size", "Picture size in pixels, 16 to 16384 a side (default 800x500).", "WxH");
    if (!parseCommand(parser,
                      {"render",
                       "Scan a folder, tick and select entries as in the window, set the "
                       "view, run the list click and the redraw, and write the plot picture.",
                       {"DIR"},
                       {output, check, select, scale, hs, vs, ymax, size}},
                      arguments))
        return kExitUsage;
    const auto folder = folderArgument(parser, "render");
    if (!folder) return kExitUsage;
    RenderOptions options;
    options.output = parser.value(output);
    if (options.output.isEmpty()) {
        writeError("render: -o OUT is required");
        return kExitUsage;
    }
    const std::string outputPath = localPath(options.output);
    const std::optional<PictureWriter> writer = writerForFileName(outputPath);
    const bool pdf = endsWithPdf(outputPath);
    if (!writer && !pdf) {
        writeError("render: OUT must end in .png, .jpg, .gif, .bmp or .pdf");
        return kExitUsage;
    }
    options.checks = parser.values(check);
    if (parser.isSet(select)) options.select = parser.value(select);
    if (parser.isSet(ymax) && !ymaxOption(parser.value(ymax), options)) return kExitUsage;
    if (!integerOption(parser, scale, 0, 5, options.scale)) return kExitUsage;
    if (parser.isSet(size) && !sizeOption(parser.value(size), options)) return kExitUsage;

    HeadlessCore headless(*folder);
    Form1Core& core = headless.core();
    // The scroll positions take what the window's scroll bars take.
    const ScrollBarState& hsBar = core.plot().hs();
    const ScrollBarState& vsBar = core.plot().vs();
    if (!integerOption(parser, hs, hsBar.minimum, hsBar.maximum, options.hs) ||
        !integerOption(parser, vs, vsBar.minimum, vsBar.maximum, options.vs))
        return kExitUsage;
    if (!folderListed(core.listPanel().scanError(), "render", parser)) return kExitFailed;
    renderPlot(core, options);
    if (core.plot().curvesDrawn() == 0) {
        writeError("render: no curve drawn: tick curves with --check or pick one with --select; " +
                   options.output + " was not written");
        return kExitFailed;
    }
    if (pdf) {
        if (const auto failure = core.exporter().writePlotPdf(outputPath)) {
            writeError("render: " + QString::fromLocal8Bit(failure->c_str()));
            return kExitFailed;
        }
        return kExitOk;
    }
    if (const auto failure = writePicture(core.plot().canvas().image(), outputPath, *writer)) {
        writeError("render: cannot write " + options.output + ": " +
                   QString::fromLocal8Bit(failure->reason.c_str()));
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace plotwise::cli
