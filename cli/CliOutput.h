#pragma once
// Output conventions shared by the commands: raw bytes, one record a line, LF.
#include <QCommandLineParser>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

namespace plotwise::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

void writeLine(std::string_view line);
// Bytes to stdout exactly as given.
void writeRaw(std::string_view bytes);
void writeError(const QString& message);

// A command-line argument as the file-system bytes it names.
std::string localPath(const QString& argument);

// Parses a command's own arguments; on a usage error prints it and returns
// nullopt. `positional` names the required positional arguments.
struct CommandSpec {
    QString name;
    QString description;
    QStringList positional;
    QList<QCommandLineOption> options;
    QStringList optional = {}; // positional arguments that may follow, or not
};
bool parseCommand(QCommandLineParser& parser, const CommandSpec& spec, const QStringList& arguments);

// The command's folder argument as a path; prints a usage error and returns
// nullopt when it names no folder.
std::optional<std::string> folderArgument(const QCommandLineParser& parser, const QString& command);

// True when the scan listed the folder; else prints why not.
bool folderListed(const std::optional<std::string>& scanError, const QString& command,
                  const QCommandLineParser& parser);

// Usage text of the whole tool, for --help and usage errors.
QString toolHelp();

} // namespace plotwise::cli
