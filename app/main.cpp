// Plotwise: viewer for the curve files of nutrunner and press controllers.
#include "curvefiles/FileSystem.h"
#include "shell/Form1Core.h"
#include "shell/LocalPlatform.h"
#include "shell/StartupConfig.h"
#include "shell/ui/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const plotwise::LocalFileSystem fileSystem;
    const plotwise::LocalPlatform platform;
    plotwise::Form1Core core(plotwise::startupConfigFromProcess(QApplication::arguments(),
                                                                QApplication::applicationDirPath()),
                             fileSystem, platform);
    plotwise::ui::MainWindow window(core);
    window.start();
    return QApplication::exec();
}
