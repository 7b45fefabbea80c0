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
using plotwise::test::MemoryFileSystem;

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

std::vector<std::string> seedFiles() {
    std::vector<std::string> seeds;
    seeds.push_back(test::keyedSingleFile(10, {"XPeak\t1", "YPeak\t2", "WavePoint\t5", "Unit\t1"},
                                          test::numberedSamples(5)));
    seeds.push_back("SPNO\t1\t2\r\nYPeak\t1\t2\r\nXPeak\t1\t2\r\nWavePoint\t3\t3\r\nINTE\t1\t1\r\n"
                    "WaveData\r\n1\t2\t3\r\n1\t2\t3\r\n1\t2\t3\r\n");
    seeds.push_back("2,1234,356\r\n" + std::string(999 * 4, '1'));
    seeds.push_back("\"PART ID: 12\",a,b,2,x,1500,12345,a,b,c\r\n1,2,3\r\n");
    seeds.push_back("DATA ID\r\nH\r\nS\r\nP,Y,12Nm\r\nP,X,3DEG\r\nx\r\nx\r\nx\r\nS,1,2\r\n");
    seeds.push_back(std::string(1104, '\x8F'));
    seeds.push_back(std::string(571, '\x12'));
    seeds.push_back("WavePoint\t99999999999999999999\r\nXPeak\t\"\r\n\"\"\",,,\r\n");
    seeds.push_back(std::string(3, '\n'));
    return seeds;
}

std::vector<std::string> variantsOf(const std::string& seed, std::mt19937& random) {
    std::vector<std::string> out;
    for (std::size_t cut : {std::size_t{0}, std::size_t{1}, seed.size() / 3, seed.size() / 2,
                            seed.size() - 1})
        if (cut <= seed.size()) out.push_back(seed.substr(0, cut));
    std::string flipped = seed;
    for (int i = 0; i < 20 && !flipped.empty(); ++i)
        flipped[random() % flipped.size()] = static_cast<char>(random() % 256);
    out.push_back(flipped);
    std::string junk(random() % 1200, '\0');
    for (char& c : junk) c = static_cast<char>(random() % 256);
    out.push_back(junk);
    return out;
}

void exerciseEveryReader(const std::string& bytes) {
    MemoryFileSystem fs;
    for (const char* ext : kExtensions) fs.put(std::string("f") + ext, bytes);
    LoadState state;
    CountingBuilder builder;
    scanFolder("mem", fs, state, builder);
    LoadContext context{fs, "mem", false};
    for (const char* ext : kExtensions) {
        CurveTrace trace;
        state.curveFileName = std::string("f") + ext;
        CURVELOAD(trace, 1, state, context);
        CURVELOAD(trace, 2, state, context);
        LoadedCurveTable table;
        table.setRowCount(3);
        SINGLEFILELOAD(state.curveFileName, table, 1, state, context);
        std::array<int, 32> rows{};
        rows[0] = 1;
        rows[1] = 2;
        rows[31] = 7; // outside the table: must fail, not write
        MULTIFILELOAD(state.curveFileName, table, rows, state, context);
    }
}

} // namespace

TEST(Robustness, EveryReaderSurvivesTruncatedAndRandomBytes) {
    std::mt19937 random(20261206);
    for (const auto& seed : seedFiles())
        for (int round = 0; round < 8; ++round)
            for (const auto& bytes : variantsOf(seed, random)) exerciseEveryReader(bytes);
}

TEST(Robustness, LoadsClearEverySlotBetweenCurves) {
    MemoryFileSystem fs;
    fs.put("long.nrcur", test::keyedSingleFile(10, {"WavePoint\t4079"}, test::numberedSamples(4079)));
    fs.put("short.nrcur", test::keyedSingleFile(10, {"WavePoint\t2"}, {"1", "2"}));
    LoadState state;
    CurveTrace trace;
    LoadContext context{fs, "mem", false};
    state.curveFileName = "long.nrcur";
    ASSERT_TRUE(CURVELOAD(trace, 1, state, context));
    EXPECT_FALSE(trace[4096].empty());
    state.curveFileName = "short.nrcur";
    ASSERT_TRUE(CURVELOAD(trace, 1, state, context));
    EXPECT_EQ(trace[4096], "");
    EXPECT_EQ(trace[4001], "");
    EXPECT_EQ(trace[19], "1");
}
