#include "CurveLoader.h"

#include "BinCurveFile.h"
#include "CommaCurveFile.h"
#include "FileLimits.h"
#include "KeyedCurveFile.h"
#include "NumberText.h"

#include <functional>

namespace plotwise {
namespace {

bool endsWith(const std::string& upperName, std::string_view ending) {
    return rightChars(upperName, ending.size()) == ending;
}

std::optional<std::string> readCurveFile(const LoadContext& context, const std::string& path,
                                         std::size_t largest) {
    auto bytes = context.fs.read(path, largest + 1);
    if (!bytes || bytes->size() > largest) return std::nullopt;
    return bytes;
}

std::string inFolder(const LoadContext& context, const std::string& name) {
    return joinPath(context.folder, name);
}

// Keyed files are named by full path while the result table is shown.
std::string keyedPath(const LoadContext& context, const std::string& name) {
    return context.resultTableVisible ? name : inFolder(context, name);
}

// Reads the file (a .BIN file only as far as its longest kind) and loads it.
bool loadFrom(const LoadContext& context, const std::string& path,
              const std::function<bool(std::string_view)>& load,
              std::size_t largest = kLargestCurveFile) {
    auto bytes = readCurveFile(context, path, largest);
    return bytes && load(*bytes);
}

} // namespace

bool CURVELOAD(CurveTrace& trace, int spindle, LoadState& state, const LoadContext& context) {
    trace.clear();
    state.curveUnit = 0;
    const std::string& name = state.curveFileName;
    const std::string upper = upperAscii(name);
    auto traceLoader = [&](bool (*load)(std::string_view, CurveTrace&, LoadState&)) {
        return [&trace, &state, load](std::string_view bytes) { return load(bytes, trace, state); };
    };
    if (endsWith(upper, ".CUR")) return loadFrom(context, inFolder(context, name), traceLoader(comma::loadCur));
    if (endsWith(upper, ".QUERNACUR"))
        return loadFrom(context, inFolder(context, name), traceLoader(comma::loadQuernaCur));
    if (endsWith(upper, ".CSV")) return loadFrom(context, inFolder(context, name), traceLoader(comma::loadCsv));
    if (endsWith(upper, ".BIN"))
        return loadFrom(context, inFolder(context, name), traceLoader(bin::load), bin::kLongestFile);
    if (endsWith(upper, ".NRCUR") || endsWith(upper, ".NCUR") || endsWith(upper, ".SPCUR")) {
        int headerLines = endsWith(upper, ".SPCUR") ? keyed::kSpCurHeaderLines : keyed::kNrCurHeaderLines;
        return loadFrom(context, keyedPath(context, name), [&](std::string_view bytes) {
            return keyed::loadSingle(bytes, headerLines, trace, state);
        });
    }
    if (endsWith(upper, ".NRACD"))
        return loadFrom(context, keyedPath(context, name), [&](std::string_view bytes) {
            return keyed::loadMulti(bytes, spindle, trace, state);
        });
    return true;
}

bool SINGLEFILELOAD(const std::string& fileName, LoadedCurveTable& table, int row,
                    LoadState& state, const LoadContext& context) {
    return loadFrom(context, inFolder(context, fileName), [&](std::string_view bytes) {
        return keyed::SINGLEFILELOAD(bytes, fileName, table, row, state);
    });
}

bool MULTIFILELOAD(const std::string& fileName, LoadedCurveTable& table,
                   const std::array<int, 32>& spindleRows, LoadState& state,
                   const LoadContext& context, keyed::SpindleRowsBy rowsBy) {
    return loadFrom(context, keyedPath(context, fileName), [&](std::string_view bytes) {
        return keyed::MULTIFILELOAD(bytes, fileName, table, spindleRows, state, rowsBy);
    });
}

} // namespace plotwise
