// plotwise-cli table and curve-path: the result table as the window shows it,
// and the curve file a result line leads to.
#include "CliOutput.h"
#include "Commands.h"
#include "curvefiles/CurveFilePath.h"
#include "results/ResultClick.h"
#include "results/ResultTable.h"
#include "shell/DriveRules.h"
#include "shell/LanguageTable.h"

#include <QDir>
#include <QFileInfo>

namespace plotwise::cli {
namespace {

struct OpenedTable {
    std::string folder; // the folder list's folder
    std::string path;   // folder, separator, table file name
    ResultTable table;
    int family = 0;
};

std::string absoluteFolder(const QString& path) {
    return normalizeFolder(localPath(QDir::cleanPath(QDir(path).absolutePath())));
}

// The FILE argument: its folder becomes the folder list's, its name the
// table file; TABLESHOW then shows the first page.
std::optional<OpenedTable> openTable(const QCommandLineParser& parser, const QString& command,
                                     const FileSystem& fs) {
    const QString argument = parser.positionalArguments().at(0);
    const QFileInfo info(argument);
    if (!info.isFile()) {
        writeError(QString("%1: not a file: %2").arg(command, argument));
        return std::nullopt;
    }
    LanguageTable language;
    language.applyBuiltIn();
    const std::string lines = " 1000 " + language[LanguageTable::Lines];
    OpenedTable opened;
    opened.folder = absoluteFolder(info.absolutePath());
    opened.path = joinPath(opened.folder, localPath(info.fileName()));
    opened.table.setPageRowTexts(ResultTable::pageRowCells(language[LanguageTable::Previous] + lines),
                                 ResultTable::pageRowCells(language[LanguageTable::Next] + lines));
    if (auto headings = opened.table.show(fs, opened.path))
        opened.family = ResultTable::curveFileFamily(*headings);
    return opened;
}

std::optional<int> positiveNumber(const QCommandLineParser& parser, const QCommandLineOption& option,
                                  const QString& command, int fallback, int minimum) {
    if (!parser.isSet(option)) return fallback;
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok || value < minimum) {
        writeError(QString("%1: --%2 must be a whole number of at least %3")
                       .arg(command, option.names().first())
                       .arg(minimum));
        return std::nullopt;
    }
    return value;
}

void writeGrid(const ResultTable& table) {
    for (int row = 0; row < table.rowCount(); ++row) {
        if (table.isPageRow(row)) {
            writeLine(table.text(row, 0));
            continue;
        }
        int used = ResultTable::kColumns;
        while (used > 0 && table.text(row, used - 1).empty()) --used;
        std::string line;
        for (int c = 0; c < used; ++c) {
            if (c > 0) line += '\t';
            line += table.text(row, c);
        }
        writeLine(line);
    }
}

// A folder option as the settings would hold it: relative paths made absolute.
std::string folderOption(const QCommandLineParser& parser, const QCommandLineOption& option) {
    const QString value = parser.value(option);
    if (value.isEmpty()) return "";
    if (QDir::isAbsolutePath(value)) return localPath(value);
    return absoluteFolder(value);
}

} // namespace

int runTableCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption page("page", "Show page K (1 = the first page).", "K");
    if (!parseCommand(parser,
                      {"table",
                       "Show a page of a result table as the window does and print it: a "
                       "page-turn row as its label, any other row as its cells joined by TAB.",
                       {"TABLE"},
                       {page}},
                      arguments))
        return kExitUsage;
    const auto pageNumber = positiveNumber(parser, page, "table", 1, 1);
    if (!pageNumber) return kExitUsage;
    LocalFileSystem fs;
    auto opened = openTable(parser, "table", fs);
    if (!opened) return kExitUsage;
    const int turned = opened->table.loadNextPages(fs, opened->path, *pageNumber - 1);
    if (turned < *pageNumber - 1) {
        const int pages = turned + 1;
        writeError(QString("table: %1 has %2 %3")
                       .arg(QFileInfo(parser.positionalArguments().at(0)).fileName())
                       .arg(pages)
                       .arg(pages == 1 ? "page" : "pages"));
        return kExitUsage;
    }
    writeGrid(opened->table);
    return kExitOk;
}

int runCurvePathCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption row("row", "The result table row clicked (1 = first line).", "R");
    const QCommandLineOption rsave("rsave-folder", "The console's result folder.", "F");
    const QCommandLineOption wave("wave-path", "The console's curve folder.", "W");
    if (!parseCommand(parser,
                      {"curve-path",
                       "Show a result table's first page, click a result row and print the "
                       "path of the curve file it leads to (an empty line when none).",
                       {"TABLE"},
                       {row, rsave, wave}},
                      arguments))
        return kExitUsage;
    if (!parser.isSet(row)) {
        writeError("curve-path: --row R is required");
        return kExitUsage;
    }
    const auto rowNumber = positiveNumber(parser, row, "curve-path", 1, 0);
    if (!rowNumber) return kExitUsage;
    LocalFileSystem fs;
    auto opened = openTable(parser, "curve-path", fs);
    if (!opened) return kExitUsage;
    ResultTable& table = opened->table;
    const int r = *rowNumber;
    // The heading row and the page rows do not lead to a curve.
    if (r < 1 || r >= table.rowCount() || table.isPageRow(r)) {
        writeLine("");
        return kExitOk;
    }
    const ResultRowPick pick = pickResultRow(table, r);
    const CurveFolders folders{opened->folder, folderOption(parser, rsave), folderOption(parser, wave)};
    writeLine(CF_Curve_Path(pick.key, opened->family, folders, fs));
    return kExitOk;
}

} // namespace plotwise::cli
