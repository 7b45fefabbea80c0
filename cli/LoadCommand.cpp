#include "CliOutput.h"
#include "Commands.h"
#include "curvefiles/CurveLoader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
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

// Why a file could not be loaded: the system's words when it cannot be read.
std::string whyUnread(const std::filesystem::path& file) {
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (ec) return ec.message();
    if (!std::filesystem::is_regular_file(status)) return "not a regular file";
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in) return std::strerror(errno);
    std::fclose(in);
    return "not a curve file of this kind, or cut short";
}

} // namespace

int runLoadCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption spindleOption("spindle", "Spindle to load from a multi-spindle file.", "N");
    if (!parseCommand(parser,
                      {"load",
                       "Load one curve and print ok or failed, the load state and every "
                       "non-empty trace slot; exit 1 when it failed or loaded no sample.",
                       {"FILE"},
                       {spindleOption}},
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
    // Kinds without a loader load "ok" from any name: a file that cannot be
    // read fails here as a read error fails the others.
    bool ok = CURVELOAD(trace, *spindle, state, LoadContext{fs, folder, false});
    ok = ok && fs.read(file.string(), 0).has_value();
    printLoad(ok, state, trace);
    const QString name = parser.positionalArguments().at(0);
    if (!ok) {
        writeError("load: " + name + ": " + QString::fromLocal8Bit(whyUnread(file)));
        return kExitFailed;
    }
    if (trace[CurveTrace::kFirstSample].empty()) {
        writeError("load: " + name + ": no sample was loaded" +
                   (parser.isSet(spindleOption) ? " for spindle " + QString::number(*spindle) : ""));
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace plotwise::cli
