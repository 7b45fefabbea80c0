// plotwise-cli render: the window's plot, drawn by the same core, to a file.
#include "CliOutput.h"
#include "Commands.h"
#include "HeadlessCore.h"
#include "ListTicks.h"
#include "export/PictureWriter.h"
#include "shell/Form1Core.h"

#include <QRegularExpression>

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

// An integer option's value, or a usage error.
bool integerOption(const QCommandLineParser& parser, const QCommandLineOption& option,
                   std::optional<int>& value) {
    if (!parser.isSet(option)) return true;
    bool ok = false;
    value = parser.value(option).toInt(&ok);
    if (!ok) writeError("render: --" + option.names().constFirst() + " takes a whole number");
    return ok;
}

bool sizeOption(const QString& text, RenderOptions& options) {
    const auto match = QRegularExpression("^(\\d{1,5})x(\\d{1,5})$").match(text);
    if (!match.hasMatch() || match.captured(1).toInt() < 1 || match.captured(2).toInt() < 1) {
        writeError("render: --size takes WIDTHxHEIGHT in pixels, e.g. 800x500");
        return false;
    }
    options.width = match.captured(1).toInt();
    options.height = match.captured(2).toInt();
    return true;
}

bool endsWithPdf(const std::string& path) {
    return QString::fromStdString(path).endsWith(".pdf", Qt::CaseInsensitive);
}

// Scan, tick, select, set the view, click the list and run the pending redraw.
void renderPlot(Form1Core& core, const RenderOptions& options) {
    core.setPictureSize(options.width, options.height);
    tickEntries(core.curveList(), options.checks);
    if (options.select) core.treeViewSelect(firstEntryWithPrefix(core.curveList(), *options.select));
    if (options.scale) core.plotPanel().option1Click(*options.scale);
    if (options.hs) core.plotPanel().hsChange(*options.hs);
    if (options.vs) core.plotPanel().vsChange(*options.vs);
    if (options.ymax) core.plotPanel().text1Change(options.ymax->toStdString());
    core.treeViewClick();
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
    const QCommandLineOption hs("hs", "X value at nine tenths of the axis (HS).", "N");
    const QCommandLineOption vs("vs", "Vertical offset in tenths of a Y unit (VS).", "N");
    const QCommandLineOption ymax("ymax", "Manual Y full scale (AUTO when not given).", "V");
    const QCommandLineOption size("size", "Picture size in pixels (default 800x500).", "WxH");
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
    if (parser.isSet(ymax)) options.ymax = parser.value(ymax);
    if (!integerOption(parser, scale, options.scale) || !integerOption(parser, hs, options.hs) ||
        !integerOption(parser, vs, options.vs))
        return kExitUsage;
    if (options.scale && (*options.scale < 0 || *options.scale > 5)) {
        writeError("render: --scale takes 0 to 5");
        return kExitUsage;
    }
    if (parser.isSet(size) && !sizeOption(parser.value(size), options)) return kExitUsage;

    HeadlessCore headless(*folder);
    Form1Core& core = headless.core();
    renderPlot(core, options);
    if (pdf) {
        if (const auto failure = core.exporter().writePlotPdf(outputPath)) {
            writeError("render: " + QString::fromStdString(*failure));
            return 1;
        }
        return kExitOk;
    }
    if (const auto failure = writePicture(core.plot().canvas().image(), outputPath, *writer)) {
        writeError("render: cannot write " + options.output + ": " +
                   QString::fromStdString(failure->description));
        return 1;
    }
    return kExitOk;
}

} // namespace plotwise::cli
