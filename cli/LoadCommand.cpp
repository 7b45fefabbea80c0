#include "CliOutput.h"
#include "Commands.h"
#include "curvefiles/CurveLoader.h"

#include <filesystem>

namespace plotwise::cli {
namespace {

std::optional<int> spindleArgument(const QCommandLineParser& parser, const QCommandLineOption& option) {
    if (!parser.isSet(option)) return 1;
    bool ok = false;
    int spindle = parser.value(option).toInt(&ok);
    if (!ok) return std::nullopt;
    return spindle;
}

void printLoad(bool ok, const LoadState& state, const CurveTrace& trace) {
    writeLine(ok ? "ok" : "failed");
    writeLine("CurveFormat\t" + std::to_string(state.curveFormat));
    writeLine("CurveFileFamily\t" + std::to_string(state.curveFileFamily));
    writeLine("CurveUnit\t" + std::to_string(state.curveUnit));
    writeLine(std::string("LoadInNewton\t") + (state.loadInNewton ? "1" : "0"));
    writeLine("PeakXText\t" + state.peakXText);
    for (int slot = 1; slot <= CurveTrace::kSlots; ++slot)
        if (!trace[slot].empty()) writeLine(std::to_string(slot) + '\t' + trace[slot]);
}

} // namespace

int runLoadCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption spindleOption("spindle", "Spindle to load from a multi-spindle file.", "N");
    if (!parseCommand(parser, {"load", "Load one curve and print its trace.", {"FILE"}, {spindleOption}},
                      arguments))
        return kExitUsage;
    auto spindle = spindleArgument(parser, spindleOption);
    if (!spindle) {
        writeError("load: --spindle takes a whole number");
        return kExitUsage;
    }
    const std::filesystem::path file(localPath(parser.positionalArguments().at(0)));
    LocalFileSystem fs;
    LoadState state;
    state.curveFileName = file.filename().string();
    const std::string folder = file.has_parent_path() ? file.parent_path().string() : ".";
    CurveTrace trace;
    bool ok = CURVELOAD(trace, *spindle, state, LoadContext{fs, folder, false});
    printLoad(ok, state, trace);
    return kExitOk;
}

} // namespace plotwise::cli
