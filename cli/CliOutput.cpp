#include "CliOutput.h"
#include "OutputCheck.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace plotwise::cli {

void writeRaw(std::string_view bytes) { writeOutput(bytes); }

void writeLine(std::string_view line) {
    writeOutput(line);
    writeOutput("\n");
}

void writeError(const QString& message) {
    std::fprintf(stderr, "plotwise-cli: %s\n", message.toLocal8Bit().constData());
}

std::string localPath(const QString& argument) { return QFile::encodeName(argument).toStdString(); }

bool parseCommand(QCommandLineParser& parser, const CommandSpec& spec, const QStringList& arguments) {
    parser.setApplicationDescription(spec.description);
    parser.addOptions(spec.options);
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    parser.addOption(help);
    for (const auto& name : spec.positional + spec.optional)
        parser.addPositionalArgument(name, name == "DIR"     ? "A folder of curve files."
                                           : name == "TABLE" ? "A result table (.TSV file)."
                                           : name == "ROOT"  ? "The root folder of a curve archive."
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
        writeOutput(text.toLocal8Bit().toStdString());
        std::exit(finishOutput(kExitOk));
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

bool folderListed(const std::optional<std::string>& scanError, const QString& command,
                  const QCommandLineParser& parser) {
    if (!scanError || scanError->empty()) return true;
    writeError(QString("%1: cannot list %2: %3")
                   .arg(command, parser.positionalArguments().at(0),
                        QString::fromLocal8Bit(scanError->c_str())));
    return false;
}

QString toolHelp() {
    return QStringLiteral(
        "Usage: plotwise-cli COMMAND [ARGUMENTS]\n"
        "\n"
        "Commands:\n"
        "  scan DIR [--summaries]   Scan a folder and print the curve list: one entry a\n"
        "                           line, spindle entries after a TAB. With --summaries,\n"
        "                           print what the scan found in each file instead: the\n"
        "                           kind of entry, TAB, the summary line.\n"
        "  load [--spindle N] [--] FILE\n"
        "                           Load one curve (spindle N of a multi-spindle file,\n"
        "                           default 1) and print ok or failed, the load state\n"
        "                           and every non-empty trace slot as slot TAB text.\n"
        "  grid DIR [--check all|PREFIX]...\n"
        "                           Scan a folder, tick every entry (all) or the entries\n"
        "                           beginning with PREFIX, load them and print the\n"
        "                           loaded-curve table as TABLE.TXT holds it.\n"
        "  render DIR -o OUT [--check all|PREFIX]... [--select PREFIX] [--scale I]\n"
        "         [--hs N] [--vs N] [--ymax V] [--size WxH]\n"
        "                           Scan, tick and select as the window does, set the\n"
        "                           view, and write the plot picture: OUT's ending\n"
        "                           .png, .jpg, .gif or .bmp names the image format,\n"
        "                           .pdf a vector PDF page of the picture's size.\n"
        "  convert DIR [--format jpg|png|gif|bmp]\n"
        "                           Write the plot of every curve file of DIR as an\n"
        "                           image into DIR (default jpg; A.NRCUR gives A.jpg),\n"
        "                           print each written path and end with a summary.\n"
        "  table TABLE [--page K]   Show page K (default 1) of a result table and print\n"
        "                           it: a page-turn row as its label, any other row as\n"
        "                           its cells 0 to 39 joined by TAB, trailing empty\n"
        "                           cells dropped.\n"
        "  curve-path TABLE --row R [--rsave-folder F] [--wave-path W]\n"
        "                           Show a result table's first page, click row R and\n"
        "                           print the curve file path found (empty when none).\n"
        "  stats DIR [--check all|PREFIX]... [--ylimits [S=]LSL:USL]...\n"
        "        [--xlimits [S=]LSL:USL]... [--json] [--histogram FILE] [--chart FILE]\n"
        "                           Spread of the ticked curves' peak values (Y) and\n"
        "                           positions (X) per spindle: n, mean, sd, min, max,\n"
        "                           median, and Cp/Cpk, Pp/Ppk against the limits;\n"
        "                           pictures of every group: histograms, individuals\n"
        "                           charts (.png, .jpg, .gif, .bmp or .pdf).\n"
        "  outliers DIR [--check all|PREFIX]... [--threshold T] [--json]\n"
        "                           Score how far and how long each ticked curve leaves\n"
        "                           the reference band of its spindle (groups of 8 or\n"
        "                           more); abnormal curves are listed first.\n"
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
        "Progress, warnings and errors go to standard error.\n"
        "\n"
        "Exit status: 0 when the command did what was asked; 1 when it failed (a file\n"
        "or folder could not be read or written, nothing to draw, a curve not loaded,\n"
        "the output not written, an index not read or written); 2 on a usage error.\n");
}

} // namespace plotwise::cli
