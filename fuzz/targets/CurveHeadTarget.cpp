// What the result-row click reads from the curve file it found: the head of
// a single-spindle file, or the head of a multi-spindle file into Grid1 and
// then the whole file by MULTIFILELOAD. Input: the kind, then the file's bytes.
#include "FuzzTarget.h"

#include "curvefiles/CurveLoader.h"
#include "results/ResultClick.h"
#include "support/MemoryFileSystem.h"

PLOTWISE_FUZZ_TARGET(curvehead) {
    using namespace plotwise;
    fuzz::Input input(data, size);
    const bool multi = input.take() & 1;
    const std::string_view bytes = input.rest();
    if (!multi) {
        (void)resultEntryText("/c/x.nrcur", readSingleCurveHead(bytes));
        return 0;
    }
    test::MemoryFileSystem fs;
    fs.put("x.nracd", std::string(bytes));
    LoadedCurveTable grid1;
    std::array<int, 32> spindleRows{};
    const ResultCurveHead head =
        fillGrid1FromMultiCurve(bytes, "/c/x.nracd", grid1, defaultSpindleColors(), spindleRows);
    (void)resultEntryText("/c/x.nracd", head);
    LoadState state;
    MULTIFILELOAD("/c/x.nracd", grid1, spindleRows, state, LoadContext{fs, "/c", true});
    return 0;
}
