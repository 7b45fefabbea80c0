#include "StartupConfig.h"

#include <QDir>

namespace plotwise {
namespace {

std::string nativeText(const QString& path) {
    return QDir::toNativeSeparators(path).toUtf8().toStdString();
}

} // namespace

StartupConfig startupConfigFromProcess(const QStringList& arguments,
                                       const QString& applicationDirPath) {
    StartupConfig config;
    config.commandLine = arguments.mid(1).join(QLatin1Char(' ')).toUtf8().toStdString();
    config.workingFolder = nativeText(QDir::currentPath());
    QString home = qEnvironmentVariable("PLOTWISE_HOME");
    config.programFolder = nativeText(home.isEmpty() ? applicationDirPath : home);
    config.executablePath = nativeText(arguments.value(0));
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("/W")) {
            config.wheelSwitch = true;
        } else if (config.startPath.empty() && !argument.trimmed().isEmpty()) {
            config.startPath = nativeText(QDir::current().absoluteFilePath(argument));
        }
    }
    return config;
}

} // namespace plotwise
