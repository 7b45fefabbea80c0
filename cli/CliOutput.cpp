#include "CliOutput.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace plotwise::cli {

void writeRaw(std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }

void writeLine(std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

void writeError(const QString& message) {
    std::fprintf(stderr, "plotwise-cli: %s\n", message.toLocal8Bit().constData());
}

bool finishOutput(const QString& command) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
    writeError(QString("%1: cannot write the output: %2").arg(command, QString::fromLocal8Bit(std::strerror(errno))));
    return false;
}

std::string localPath(const QString& argument) { return QFile::encodeName(argument).toStdString(); }

bool parseCommand(QCommandLineParser& parser, const CommandSpec& spec, const QStringList& arguments) {
    parser.setApplicationDescription(spec.description);
    parser.addOptions(spec.options);
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    parser.addOption(help);
    for (const auto& name : spec.positional + spec.optional)
        parser.addPositionalArgument(name, name == "DIR"    ? "A folder of curve files."
                                           : name == "ROOT" ? "The root folder of a curve archive."
                                                            : "A curve file.");
    QStringList withoutCommand = arguments;
    withoutCommand.removeAt(1);
    if (!parser.parse(withoutCommand)) {
        writeError(parser.errorText());
        return false;
    }
    if (parser.isSet(help)) {
        // The parser names the program by its path; name the command instead.
        QString text = parser.helpText();
        const auto usageEnd = text.indexOf(" [options]");
        if (text.startsWith("Usage: ") && usageEnd > 0)
            text.replace(7, usageEnd - 7, "plotwise-cli " + spec.name);
        std::fputs(text.toLocal8Bit().constData(), stdout);
        std::exit(kExitOk);
    }
    const auto given = parser.positionalArguments().size();
    if (given < spec.positional.size() || given > spec.positional.size() + spec.optional.size()) {
        QStringList expected = spec.positional;
        for (const auto& name : spec.optional) expected << "[" + name + "]";
        writeError(QString("%1: expected %2").arg(spec.name, expected.join(' ')));
        return false;
    }
    return true;
}

std::optional<std::string> folderArgument(const QCommandLineParser& parser, const QString& command) {
    const QString argument = parser.positionalArguments().at(0);
    std::string folder = localPath(argument);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        writeError(QString("%1: not a folder: %2").arg(command, argument));
        return std::nullopt;
    }
    return folder;
}

QString toolHelp() {
    return QStringLiteral(
        "Usage: plotwise-cli COMMAND [ARGUMENTS]\n"
        "\n"
        "Commands:\n"
        "  scan DIR [--summaries]   Scan a folder and print the curve list: one entry a\n"
        "                           line, spindle entries after a TAB. With --summaries,\n"
        "                           print each hand-over to a list builder instead:\n"
        "                           builder name, TAB, the text handed over.\n"
        "  load FILE [--spindle N]  Load one curve (spindle N of a multi-spindle file,\n"
        "                           default 1) and print ok or failed, the load state\n"
        "                           and every non-empty trace slot as slot TAB text.\n"
        "  grid DIR [--check all|PREFIX]...\n"
        "                           Scan a folder, tick every entry (all) or the entries\n"
        "                           beginning with PREFIX, apply the ticks and print the\n"
        "                           loaded-curve table as the list text file holds it.\n"
        "  render DIR -o OUT [--check all|PREFIX]... [--select PREFIX] [--scale I]\n"
        "         [--hs N] [--vs N] [--ymax V] [--size WxH]\n"
        "                           Scan, tick and select as the window does, set the\n"
        "                           view, and write the plot picture: OUT's ending\n"
        "                           .png, .jpg, .gif or .bmp names the image format,\n"
        "                           .pdf a vector PDF page of the picture's size.\n"
        "  convert DIR [--format jpg|png|gif|bmp]\n"
        "                           Convert all: write the plot of every curve file of\n"
        "                           DIR as an image into DIR (default jpg; A.NRCUR gives\n"
        "                           A.jpg) and print each written path.\n"
        "  table FILE [--page K]    Show a result table (TABLESHOW, then the next-page\n"
        "                           action K - 1 times) and print the grid: a page row\n"
        "                           as its label, any other row as its cells 0 to 39\n"
        "                           joined by TAB, trailing empty cells dropped.\n"
        "  curve-path FILE --row R [--rsave-folder F] [--wave-path W]\n"
        "                           Show a result table's first page, click row R and\n"
        "                           print the curve file path found (empty when none).\n"
        "  index ROOT [--db DB]     Index every curve file and result row below ROOT\n"
        "                           (again: only new, changed and removed files); DB is\n"
        "                           an SQLite file or a postgresql:// URI, by default a\n"
        "                           file in the user's cache folder. Progress on stderr.\n"
        "  find (ROOT | --db DB) [--id TEXT] [--from T] [--to T] [--program P]\n"
        "       [--spindle N] [--peak-y MIN:MAX] [--peak-x MIN:MAX] [--limit N]\n"
        "       [--json | --csv]    Print the indexed curves that pass every filter,\n"
        "                           times as 2026-11-05T06:00:00 (inclusive).\n"
        "  export-index (ROOT | --db DB) --out DIR\n"
        "                           Write the index as CSV partitioned by cycle day:\n"
        "                           DIR/date=2026-11-05/part-0.csv, columns as find --csv.\n"
        "\n"
        "COMMAND --help shows a command's own options; --version the version.\n"
        "Exit status: 0 on success, 1 when a file could not be written or an index\n"
        "could not be read or written, 2 on a usage error.\n");
}

} // namespace plotwise::cli
