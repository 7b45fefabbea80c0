// The folder scan's summary of every curve format, and ".TSV" names, through
// the curve list builders. Input: an ending selector, then the file's bytes
// (for ".TSV": the file's name).
#include "FuzzTarget.h"

#include "curvefiles/FolderScan.h"
#include "curvelist/CurveListBuilder.h"
#include "support/MemoryFileSystem.h"

namespace {

constexpr const char* kEndings[] = {".CUR",   ".QUERNACUR", ".bin",  ".CSV",   ".ncur", ".NRCUR",
                                    ".nracd", ".SPCUR",     ".SPACD", ".TSV"};
constexpr std::size_t kEndingCount = sizeof kEndings / sizeof kEndings[0];

} // namespace

PLOTWISE_FUZZ_TARGET(scan) {
    using namespace plotwise;
    fuzz::Input input(data, size);
    const std::size_t ending = input.take() % kEndingCount;
    const std::string_view rest = input.rest();

    test::MemoryFileSystem fs;
    // A keyed file ahead of the fuzzed one passes its "WAVEF" line along.
    fs.put("a.nrcur", "XPeak\t1.5\r\nYPeak\t2.5\r\nWaveForm\tT\r\n");
    if (std::string_view(kEndings[ending]) == ".TSV") {
        // A file name holds neither a separator nor a NUL.
        std::string name(rest);
        for (char& c : name)
            if (c == '/' || c == '\\' || c == '\0') c = '_';
        fs.put("b" + name + kEndings[ending], "");
    }
    else
        fs.put(std::string("b") + kEndings[ending], std::string(rest));

    LoadState state;
    CurveList list;
    SpindleColors colors{};
    CurveListBuilder builder(list, state, colors);
    scanFolder("mem", fs, state, builder);
    for (int i = 0; i < list.count(); ++i) (void)list.fullPath(i);
    return 0;
}
