#pragma once
#include <QStringList>

#include <string>

namespace plotwise {

// What start-up needs to know about the process.
struct StartupConfig {
    std::string commandLine;   // the arguments after the program name, as one text
    std::string workingFolder; // the current folder at start
    std::string programFolder; // the executable's folder, or PLOTWISE_HOME
    std::string executablePath;
    // A folder or curve file named on the command line ("" for none): the
    // program opens on it.
    std::string startPath;
    bool wheelSwitch = false; // "/W" stands among the arguments
};

// The process's start-up config: `arguments` as QCoreApplication::arguments()
// gives them (program first), `applicationDirPath` the executable's folder.
StartupConfig startupConfigFromProcess(const QStringList& arguments,
                                       const QString& applicationDirPath);

} // namespace plotwise
