#include "CliOutput.h"
#include "Commands.h"
#include "ListTicks.h"
#include "curvefiles/FolderScan.h"
#include "curvelist/CurveListBuilder.h"
#include "shell/LanguageTable.h"
#include "shell/ListClick.h"
#include "shell/TableText.h"

#include <cstdio>


namespace plotwise::cli {
int runGridCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption check(
        "check", "Tick every entry (all) or those beginning with PREFIX.", "all|PREFIX");
    if (!parseCommand(parser,
                      {"grid",
                       "Scan a folder, tick entries, load them and print the loaded-curve "
                       "table as TABLE.TXT holds it.",
                       {"DIR"},
                       {check}},
                      arguments))
        return kExitUsage;
    const auto folder = folderArgument(parser, "grid");
    if (!folder) return kExitUsage;
    LocalFileSystem fs;
    LoadState state;
    CurveList list;
    const SpindleColors colors = defaultSpindleColors();
    CurveListBuilder builder(list, state, colors);
    if (!folderListed(scanFolder(*folder, fs, state, builder), "grid", parser)) return kExitFailed;
    tickEntries(list, parser.values(check));

    LanguageTable language;
    language.applyBuiltIn();
    LoadedCurveTable table;
    setGrid1Headings(table, language);
    applyListTicks(list, table, state, LoadContext{fs, *folder, false});
    writeRaw(loadedCurveTableText(table));
    return kExitOk;
}

} // namespace plotwise::cli
