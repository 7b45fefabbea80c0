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

int finishOutput(const QString& command, int status) {
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    const int error = errno;
    writeError(command + ": cannot write the output: " +
               QString::fromLocal8Bit(error ? std::strerror(error) : "write error"));
    return 1;
}

std::string localPath(const QString& argument) { return QFile::encodeName(argument).toStdString(); }

bool parseCommand(QCommandLineParser& parser, const CommandSpec& spec, const QStringList& arguments) {
    parser.setApplicationDescription(spec.description);
    parser.addOptions(spec.options);
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    parser.addOption(help);
    for (const auto& name : spec.positional)
        parser.addPositionalArgument(name, name == "DIR" ? "A folder of curve files." : "A curve file.");
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
    if (parser.positionalArguments().size() != spec.positional.size()) {
        writeError(QString("%1: expected %2").arg(spec.name, spec.positional.join(' ')));
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
        "\n"
        "COMMAND --help shows a command's own options; --version the version.\n"
        "Exit status: 0 on success, 1 when a file could not be written, 2 on a usage\n"
        "error.\n");
}

} // namespace plotwise::cli
