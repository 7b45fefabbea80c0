// CURVELOAD of every format and spindle. Input: an ending selector, the
// spindle (a signed byte), whether the result table is shown (keyed files
// are then named by full path), then the file's bytes.
#include "FuzzTarget.h"

#include "curvefiles/CurveLoader.h"
#include "support/MemoryFileSystem.h"

namespace {

constexpr const char* kEndings[] = {".cur",  ".QUERNACUR", ".csv",  ".BIN",   ".nrcur",
                                    ".NCUR", ".nracd",     ".SPCUR", ".SPACD", ".TSV"};
constexpr std::size_t kEndingCount = sizeof kEndings / sizeof kEndings[0];

} // namespace

PLOTWISE_FUZZ_TARGET(curveload) {
    using namespace plotwise;
    fuzz::Input input(data, size);
    const std::size_t ending = input.take() % kEndingCount;
    const int spindle = static_cast<std::int8_t>(input.take());
    const bool resultTableVisible = input.take() & 1;

    test::MemoryFileSystem fs;
    const std::string name = std::string("curve") + kEndings[ending];
    fs.put(name, std::string(input.rest()));
    LoadState state;
    state.curveFileName = resultTableVisible ? "/mem/" + name : name;
    LoadContext context{fs, "mem", resultTableVisible};
    static CurveTrace trace; // 4096 slots: kept between runs, cleared by every load
    CURVELOAD(trace, spindle, state, context);
    return 0;
}
