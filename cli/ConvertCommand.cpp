// plotwise-cli convert: the window's convert all, run by the same core on a
// folder, in the export format given.
#include "CliOutput.h"
#include "Commands.h"
#include "HeadlessCore.h"
#include "export/PictureWriter.h"
#include "shell/Form1Core.h"


namespace plotwise::cli {
namespace {

QString local(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
}

// "12 of 300 images written; stopped at part13.nrcur: File too large".
QString summaryLine(const ConvertAllResult& result) {
    QString line = QString("%1 of %2 images written").arg(result.written).arg(result.total);
    if (!result.renamed.empty()) {
        QStringList names;
        for (const std::string& path : result.renamed) names << local(path);
        line += QString("; %1 named by the whole curve file name, as a file of the same stem "
                        "came first: %2")
                    .arg(result.renamed.size())
                    .arg(names.join(", "));
    }
    if (result.failed) line += "; stopped at " + local(result.failedFile) + ": " + local(result.reason);
    return line;
}

} // namespace

int runConvertCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption format("format", "Image format: jpg (default), png, gif or bmp.",
                                    "jpg|png|gif|bmp", "jpg");
    if (!parseCommand(parser,
                      {"convert",
                       "Write the plot of every curve file of DIR as an image into DIR, in the "
                       "format given, print each written path and end with a summary line on "
                       "standard error.",
                       {"DIR"},
                       {format}},
                      arguments))
        return kExitUsage;
    const auto folder = folderArgument(parser, "convert");
    if (!folder) return kExitUsage;
    const QString name = parser.value(format).toLower();
    const std::optional<PictureWriter> writer =
        name.contains('.') ? std::nullopt : writerForFileName("." + name.toStdString());
    if (!writer) {
        writeError("convert: --format takes jpg, png, gif or bmp");
        return kExitUsage;
    }

    HeadlessCore headless(*folder);
    Form1Core& core = headless.core();
    if (!folderListed(core.listPanel().scanError(), "convert", parser)) return kExitFailed;
    core.exporter().setExportFormat(*writer);
    core.exporter().seams.onConverted = [](const std::string& path, int, int) { writeLine(path); };
    const ConvertAllResult result = core.exporter().convertAll();
    if (result.total == 0) {
        writeError("convert: no curve file in " + parser.positionalArguments().at(0) +
                   ": nothing was written");
        return kExitFailed;
    }
    writeError("convert: " + summaryLine(result));
    return result.failed || result.written < result.total ? kExitFailed : kExitOk;
}

} // namespace plotwise::cli
