#include "CliOutput.h"
#include "Commands.h"
#include "ListPrint.h"
#include "curvefiles/FolderScan.h"
#include "curvelist/CurveListBuilder.h"


namespace plotwise::cli {
namespace {

// Prints every hand-over of the scan to a list builder.
class SummaryPrinter : public ListBuilder {
public:
    void TreeAdd(const std::string& summary, const std::string&) override { print("TreeAdd", summary); }
    void TreeAddMulti(const std::string& summary, const std::string&) override {
        print("TreeAddMulti", summary);
    }
    void TreeAddTSV(const std::string& fileName) override { print("TreeAddTSV", fileName); }

private:
    static void print(const std::string& builder, const std::string& text) {
        writeLine(builder + '\t' + text);
    }
};

} // namespace

int runScanCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption summaries("summaries", "Print what the scan found in each file instead: the kind of entry, TAB, its summary line.");
    if (!parseCommand(parser, {"scan", "Scan a folder and print the curve list.", {"DIR"}, {summaries}},
                      arguments))
        return kExitUsage;
    const auto folder = folderArgument(parser, "scan");
    if (!folder) return kExitUsage;
    LocalFileSystem fs;
    LoadState state;
    if (parser.isSet(summaries)) {
        SummaryPrinter printer;
        return folderListed(scanFolder(*folder, fs, state, printer), "scan", parser) ? kExitOk
                                                                                   : kExitFailed;
    }
    CurveList list;
    const SpindleColors colors = defaultSpindleColors();
    CurveListBuilder builder(list, state, colors);
    if (!folderListed(scanFolder(*folder, fs, state, builder), "scan", parser)) return kExitFailed;
    printCurveList(list);
    return kExitOk;
}

} // namespace plotwise::cli
