// Plotwise: viewer for the curve files of nutrunner and press controllers.
#include "curvefiles/FileSystem.h"
#include "shell/Form1Core.h"
#include "shell/LocalPlatform.h"
#include "shell/StartupConfig.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/QuitSignal.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kHelp =
    "Usage: plotwise [/W] [PATH]\n"
    "View the curve files of nutrunner and press controllers.\n"
    "\n"
    "Opens on the working folder, or on the folder it was closed in when started\n"
    "from its own folder. PATH names a folder to open, or a curve file: its folder\n"
    "opens with the file's entry selected and, for a single curve, drawn.\n"
    "\n"
    "Options:\n"
    "  /W          Leave the mouse wheel to the window system and show the\n"
    "              plot's diagnostic labels.\n"
    "  -h, --help  Show this help.\n"
    "  --version   Show the version.\n"
    "\n"
    "PLOTWISE_HOME names another program folder (PATH.CFG, CURVELANG.TXT and\n"
    "the controller console are looked for there).\n";

} // namespace

int main(int argc, char* argv[]) {
    // Answered before any window exists, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("plotwise %s\n", PLOTWISE_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    const plotwise::LocalFileSystem fileSystem;
    const plotwise::LocalPlatform platform;
    plotwise::Form1Core core(plotwise::startupConfigFromProcess(QApplication::arguments(),
                                                                QApplication::applicationDirPath()),
                             fileSystem, platform);
    plotwise::ui::MainWindow window(core);
    window.start();
    // Ended by the system (SIGTERM), the window closes as when the user closes it.
    plotwise::ui::quitOnTerminateSignals([&window] { window.close(); });
    return QApplication::exec();
}
