// plotwise-cli convert: the window's convert all, run by the same core on a
// folder, in the export format given.
#include "CliOutput.h"
#include "Commands.h"
#include "HeadlessCore.h"
#include "export/PictureWriter.h"
#include "shell/Form1Core.h"


namespace plotwise::cli {

int runConvertCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption format("format", "Image format: jpg (default), png, gif or bmp.",
                                    "jpg|png|gif|bmp", "jpg");
    if (!parseCommand(parser,
                      {"convert",
                       "Convert all: write the plot of every curve file of DIR as an image "
                       "into DIR, in the format given (as if last saved in it), and print each "
                       "written path.",
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
    core.exporter().setExportFormat(*writer);
    core.exporter().seams.onConverted = [](const std::string& path, int, int) { writeLine(path); };
    const ConvertAllResult result = core.exporter().convertAll();
    if (result.failed) {
        writeError("convert: " + QString::fromStdString(core.texts().statusLine));
        return 1;
    }
    return kExitOk;
}

} // namespace plotwise::cli
