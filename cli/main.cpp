// plotwise-cli: the command-line companion of the viewer, on the same core.
#include "CliOutput.h"
#include "Commands.h"
#include "OutputCheck.h"
#include "shell/HeadlessFonts.h"

#include <QGuiApplication>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// Qt's note that XDG_RUNTIME_DIR is unset says nothing to a command-line user.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("QStandardPaths: ")) return;
    const QByteArray text = qFormatLogMessage(type, context, message).toLocal8Bit();
    std::fprintf(stderr, "%s\n", text.constData());
}

} // namespace

int main(int argc, char* argv[]) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY); // output is bytes: line ends stay as written
#endif
    qInstallMessageHandler(quietMessages);
    plotwise::cli::reportFileSizeLimit();
    // Drawing needs fonts but never a display, whatever platform the
    // environment names; the other commands need neither and start quicker
    // without them.
    const std::string first = argc > 1 ? argv[1] : "";
    std::unique_ptr<QCoreApplication> app;
    if (first == "render" || first == "convert" || first == "stats") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        plotwise::narrowFontsForHeadlessDrawing();
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName("plotwise-cli");
    using namespace plotwise::cli;

    const std::map<QString, std::function<int(const QStringList&)>> commands = {
        {"scan", runScanCommand},
        {"load", runLoadCommand},
        {"grid", runGridCommand},
        {"render", runRenderCommand},
        {"convert", runConvertCommand},
        {"table", runTableCommand},
        {"curve-path", runCurvePathCommand},
        {"stats", runStatsCommand},
        {"outliers", runOutliersCommand},
        {"index", runIndexCommand},
        {"find", runFindCommand},
        {"export-index", runExportIndexCommand},
    };
    const QStringList arguments = QCoreApplication::arguments();
    const QString command = arguments.value(1);
    if (command == "--version") {
        std::printf("plotwise-cli %s\n", PLOTWISE_VERSION);
        return finishOutput(kExitOk);
    }
    if (command == "--help" || command == "-h" || command == "help") {
        writeOutput(toolHelp().toLocal8Bit().toStdString());
        return finishOutput(kExitOk);
    }
    auto found = commands.find(command);
    if (found == commands.end()) {
        writeError(command.isEmpty() ? QString("no command given") : "unknown command: " + command);
        std::fputs(toolHelp().toLocal8Bit().constData(), stderr);
        return kExitUsage;
    }
    return finishOutput(found->second(arguments));
}
