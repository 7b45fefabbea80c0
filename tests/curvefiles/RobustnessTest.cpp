// Every reader must survive any bytes: truncated files, junk under every
// extension, huge counts. Failing a load or skipping a file is fine; crashing,
// hanging or reading out of bounds is not (run under sanitizers to be sure).
#include "curvefiles/CurveLoader.h"
#include "curvefiles/FolderScan.h"
#include "support/CurveFileText.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>

#include <random>

using namespace plotwise;

namespace {

const char* const kExtensions[] = {".nrcur", ".NCUR", ".spcur", ".nracd", ".SPACD", ".bin",
                                   ".cur",   ".QUERNACUR", ".csv", ".tsv"};

class CountingBuilder : public ListBuilder {
public:
    void TreeAdd(const std::string&, const std::string&) override { ++calls; }
    void TreeAddMulti(const std::string&, const std::string&) override { ++calls; }
    void TreeAddTSV(const std::string&) override { ++calls; }
    int calls = 0;
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
    CountingBuilder builder;
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

TEST(Robustness, LoadsClearEverySlotBetweenCurves) {
    test::MemoryFileSystem fs;
    fs.put("long.nrcur", test::keyedSingleFile(10, {"WavePoint\t4079"}, test::numberedSamples(4079)));
    fs.put("short.nrcur", test::keyedSingleFile(10, {"WavePoint\t2"}, {"1", "2"}));
    LoadState state;
    CurveTrace trace;
    state.curveFileName = "long.nrcur";
    ASSERT_TRUE(CURVELOAD(trace, 1, state, {fs, "mem", false}));
    EXPECT_FALSE(trace[4096].empty());
    state.curveFileName = "short.nrcur";
    ASSERT_TRUE(CURVELOAD(trace, 1, state, {fs, "mem", false}));
    EXPECT_EQ((std::vector<std::string>{trace[19], trace[4001], trace[4096]}),
              (std::vector<std::string>{"1", "", ""}));
}
