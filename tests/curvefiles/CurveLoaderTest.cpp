// The loaders: which reader a name goes to, and what each leaves behind. Every
// reader must survive any bytes: truncated files, junk under every extension,
// huge counts. Failing a load or skipping a file is fine; crashing, hanging or
// reading out of bounds is not (run under sanitizers to be sure).
#include "curvefiles/BinCurveFile.h"
#include "curvefiles/CurveLoader.h"
#include "curvefiles/FolderScan.h"
#include "support/CurveFileText.h"
#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <random>

using namespace plotwise;
using Strings = std::vector<std::string>;

// Old formats always live in the folder; keyed files are named by full path
// while the result table is shown; endings without a reader load nothing
// and report success.
TEST(CurveLoader, DispatchesByEndingAndResolvesPaths) {
    test::TempFolder folder;
    const std::string elsewhere = folder.write(
        "other/deep.NRCUR", test::keyedSingleFile(10, {"YPeak\t4", "WavePoint\t1", "Unit\t2"}, {"7"}));
    folder.write("x.cur", "2,1234,356\r\n");
    LoadState state;
    CurveTrace trace;
    auto load = [&](const std::string& name, bool resultTableVisible) {
        state.curveFileName = name;
        state.curveUnit = 3;
        return CURVELOAD(trace, 1, state, {LocalFileSystem(), folder.path(), resultTableVisible});
    };
    EXPECT_TRUE(load("X.TSV", false));
    EXPECT_EQ(std::pair(state.curveUnit, trace[1]), std::pair(0, std::string()));
    ASSERT_TRUE(load(elsewhere, true));
    EXPECT_EQ(std::pair(state.curveUnit, trace[18]), std::pair(2, std::string("7")));
    for (const auto& [name, visible, ok] :
         {std::tuple{elsewhere, false, false}, {folder.path("x.cur"), true, false},
          {std::string("missing.nracd"), false, false}, {std::string("x.spacd"), false, true}})
        EXPECT_EQ(load(name, visible), ok) << name << visible;
}

TEST(CurveLoader, LoadsClearEverySlotBetweenCurves) {
    test::TempFolder folder;
    folder.write("long.nrcur", test::keyedSingleFile(10, {"WavePoint\t4079"}, test::numberedSamples(4079)));
    folder.write("short.nrcur", test::keyedSingleFile(10, {"WavePoint\t2"}, {"1", "2"}));
    LoadState state;
    CurveTrace trace;
    state.curveFileName = "long.nrcur";
    ASSERT_TRUE(CURVELOAD(trace, 1, state, {LocalFileSystem(), folder.path(), false}));
    EXPECT_FALSE(trace[4096].empty());
    state.curveFileName = "short.nrcur";
    ASSERT_TRUE(CURVELOAD(trace, 1, state, {LocalFileSystem(), folder.path(), false}));
    EXPECT_EQ((Strings{trace[19], trace[4001], trace[4096]}), (Strings{"1", "", ""}));
}

// A .BIN file of the given length with the peak bytes, the digit byte and
// samples given as raw 12-bit values (stored low digit first, junk high
// nibbles). Real files of each kind, a file without a peak among them, are
// in the CLI golden files; every length a kind has, in the bad-input tests.
static std::string binFile(std::size_t length, std::uint8_t peakHigh, std::uint8_t peakLow,
                    std::uint8_t digits, const std::vector<int>& raws) {
    auto variant = bin::variantForLength(length);
    std::string bytes(length, '\0');
    bytes.replace(14, 5, std::string{char(peakHigh), char(peakLow), 0x04, 0x12, 0x50});
    bytes[variant && variant->press ? 21 : 20] = static_cast<char>(digits);
    std::size_t at = variant ? static_cast<std::size_t>(variant->headerLength) : 22;
    for (int raw : raws)
        for (int k = 0; k < 3; ++k) bytes[at++] = char("\x30\xA0\x50"[k] | ((raw >> 4 * k) & 0xF));
    return bytes;
}

TEST(BinLoad, PressValuesFoldNegativeAndUnknownLengthsFail) {
    // Slots 2, 18, 19 and 20; the format is 7 before the load.
    for (const auto& [bytes, ok, expected, format] :
         {std::tuple{binFile(301, 0x10, 0x00, 0, {0xFFF, 1000, 500}), true,
                     Strings{" 1000", "-1", " 1000", " 500"}, 3},
          // An unknown length writes nothing and keeps the format.
          {std::string(295, '\x12'), false, Strings{"", "", "", ""}, 7}}) {
        CurveTrace trace;
        LoadState state;
        state.curveFormat = 7;
        EXPECT_EQ(bin::load(bytes, trace, state), ok);
        EXPECT_EQ((Strings{trace[2], trace[18], trace[19], trace[20]}), expected);
        EXPECT_EQ(state.curveFormat, format);
    }
}

namespace {

const char* const kExtensions[] = {".nrcur", ".NCUR", ".spcur", ".nracd", ".SPACD", ".bin",
                                   ".cur",   ".QUERNACUR", ".csv", ".tsv"};

class IgnoringBuilder : public ListBuilder {
public:
    void TreeAdd(const std::string&, const std::string&) override {}
    void TreeAddMulti(const std::string&, const std::string&) override {}
    void TreeAddTSV(const std::string&) override {}
};

// A file of each kind, and a few that are already malformed.
const std::string kSeeds[] = {
    test::keyedSingleFile(10, {"XPeak\t1", "YPeak\t2", "WavePoint\t5", "Unit\t1"}, test::numberedSamples(5)),
    "SPNO\t1\t2\r\nYPeak\t1\t2\r\nXPeak\t1\t2\r\nWavePoint\t3\t3\r\nINTE\t1\t1\r\n"
    "WaveData\r\n1\t2\t3\r\n1\t2\t3\r\n1\t2\t3\r\n",
    "2,1234,356\r\n" + std::string(999 * 4, '1'),
    "\"PART ID: 12\",a,b,2,x,1500,12345,a,b,c\r\n1,2,3\r\n",
    "DATA ID\r\nH\r\nS\r\nP,Y,12Nm\r\nP,X,3DEG\r\nx\r\nx\r\nx\r\nS,1,2\r\n",
    std::string(1104, '\x8F'),
    std::string(571, '\x12'),
    "WavePoint\t99999999999999999999\r\nXPeak\t\"\r\n\"\"\",,,\r\n",
    std::string(3, '\n'),
};

// The seed cut at a few places, with 20 random bytes changed, and random junk.
std::vector<std::string> variantsOf(const std::string& seed, std::mt19937& random) {
    std::vector<std::string> out;
    for (std::size_t cut : {std::size_t{0}, std::size_t{1}, seed.size() / 3, seed.size() / 2, seed.size() - 1})
        if (cut <= seed.size()) out.push_back(seed.substr(0, cut));
    std::string& flipped = out.emplace_back(seed);
    for (int i = 0; i < 20 && !flipped.empty(); ++i)
        flipped[random() % flipped.size()] = static_cast<char>(random() % 256);
    std::string& junk = out.emplace_back(random() % 1200, '\0');
    for (char& c : junk) c = static_cast<char>(random() % 256);
    return out;
}

void exerciseEveryReader(const std::string& bytes) {
    test::MemoryFileSystem fs;
    for (const char* ext : kExtensions) fs.put(std::string("f") + ext, bytes);
    LoadState state;
    IgnoringBuilder builder;
    scanFolder("mem", fs, state, builder);
    const LoadContext context{fs, "mem", false};
    std::array<int, 32> rows{1, 2};
    rows[31] = 7; // outside the table: must fail, not write
    for (const char* ext : kExtensions) {
        CurveTrace trace;
        state.curveFileName = std::string("f") + ext;
        CURVELOAD(trace, 1, state, context);
        CURVELOAD(trace, 2, state, context);
        LoadedCurveTable table;
        table.setRowCount(3);
        SINGLEFILELOAD(state.curveFileName, table, 1, state, context);
        MULTIFILELOAD(state.curveFileName, table, rows, state, context);
    }
}

} // namespace

TEST(Robustness, EveryReaderSurvivesTruncatedAndRandomBytes) {
    std::mt19937 random(20261206);
    for (const auto& seed : kSeeds)
        for (int round = 0; round < 8; ++round)
            for (const auto& bytes : variantsOf(seed, random)) exerciseEveryReader(bytes);
}
