// Bad bytes under every curve-file ending: what the scan hands to the list,
// whether CURVELOAD and the table loaders report a load.
#include "BadBytes.h"
#include "curvefiles/CurveLoader.h"
#include "curvefiles/NumberText.h"
#include "curvefiles/TabFields.h"
#include "curvelist/CurveListBuilder.h"
#include "support/CurveFileText.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace plotwise {
namespace {

using test::MemoryFileSystem;

// Scans a folder holding only this file, then loads it every way its kind
// allows; the curve list is built from the scan as the window builds it.
// Returns what worked: L listed by the scan, C loaded as one curve, T loaded
// into the table (asked of keyed files only), and the summary line.
std::pair<std::string, std::string> readEveryWay(const std::string& ending, const std::string& bytes) {
    MemoryFileSystem fs;
    const std::string name = "f" + ending;
    fs.put(name, bytes);
    LoadState state;
    test::RecordingBuilder recorder;
    scanFolder("mem", fs, state, recorder);
    CurveList list;
    const SpindleColors colors = defaultSpindleColors();
    CurveListBuilder builder(list, state, colors);
    scanFolder("mem", fs, state, builder);

    const LoadContext context{fs, "mem", false};
    CurveTrace trace;
    state.curveFileName = name;
    std::string worked = recorder.lines.empty() ? "" : "L";
    if (CURVELOAD(trace, 1, state, context)) worked += "C";
    LoadedCurveTable table;
    table.setRowCount(3);
    const std::string upper = upperAscii(ending);
    const bool keyed = std::set<std::string>{".NRCUR", ".NCUR", ".SPCUR", ".NRACD", ".SPACD"}.count(upper);
    if (upper.ends_with("ACD") ? MULTIFILELOAD(name, table, {1, 2}, state, context)
                               : SINGLEFILELOAD(name, table, 1, state, context))
        worked += keyed ? "T" : "";
    return {worked, recorder.lines.empty() ? "" : recorder.lines.front()};
}

void expectRead(const std::string& ending, const std::string& name, const std::string& bytes,
                const std::string& worked) {
    const auto [read, summary] = readEveryWay(ending, bytes);
    EXPECT_EQ(read, worked) << ending << ": " << name << "\n" << summary;
}

std::string sample(const std::string& name) {
    std::ifstream in(std::string(PLOTWISE_SAMPLES_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string validSingle(int headerLines) {
    return test::keyedSingleFile(headerLines,
                                 {"SPNO\t1", "YPeak\t25.34", "XPeak\t412.5", "WavePoint\t3", "Interval\t2", "Unit\t1"},
                                 {"0.1", "0.2", "0.3"});
}

const std::string kMulti = "SPNO\t1\t2\r\nYPeak\t8.67\t8.77\r\nXPeak\t522.5\t523.5\r\nUnit\t0\t0\r\n"
                           "WavePoint\t2\t2\r\nInterval\t2\t2\r\nWaveData\r\n1\t0.1\t0.2\r\n2\t0.3\t0.4\r\n";

// Every ending with a valid file of its kind; none for .BIN, whose lengths are tried instead.
const std::pair<std::string, std::string> kEndings[] = {
    {".nrcur", validSingle(10)}, {".NCUR", validSingle(10)}, {".SPCUR", validSingle(16)},
    {".nracd", kMulti}, {".SPACD", kMulti}, {".BIN", ""}, {".CUR", sample("legacy_M8_bolt.CUR")},
    {".QUERNACUR", sample("quill_press_plain.QUERNACUR")}, {".csv", sample("press_export_newton.csv")}};

std::string valid(const std::string& ending) {
    for (const auto& [name, bytes] : kEndings)
        if (name == ending) return bytes;
    throw std::invalid_argument(ending);
}

// The scan never fails on a keyed file, CURVELOAD needs its whole header, the
// table loader reads to the end of any file. ".SPACD" has no one-curve load:
// CURVELOAD reports success untouched. A CR alone ends no line: the values of
// two lines run together. Twelve header-less lines of 1 MiB load as a curve of
// ten header lines (no "WavePoint": no sample is read) but not of sixteen; the
// seven of a .csv file have no unit (no summary, the load reads to the end).
// "-" marks what is not tried.
TEST(CurveReaderBadInput, EveryEndingGivenEveryBadInput) {
    struct Row {
        const char* name;
        std::string (*bytes)(const std::string& valid); // nullptr: the bad input of the name
        std::array<const char*, 9> worked;              // for each of kEndings
    };
    const Row rows[] = {
        {"valid", [](const std::string& v) { return v; }, {"LCT", "LCT", "LCT", "LCT", "LCT", "-", "LC", "LC", "LC"}},
        {"LF-only line ends", [](const std::string& v) { return test::withLineEnds(v, "\n"); },
         {"LCT", "LCT", "LCT", "LCT", "LCT", "-", "LC", "LC", "LC"}},
        {"CR-only line ends", [](const std::string& v) { return test::withLineEnds(v, "\r"); },
         {"LT", "LT", "LT", "LT", "LCT", "-", "L", "-", "-"}},
        {"empty", nullptr, {"LT", "LT", "LT", "LT", "LCT", "", "", "", ""}},
        {"one byte", nullptr, {"LT", "LT", "LT", "LT", "LCT", "", "", "", ""}},
        {"random bytes", nullptr, {"LT", "LT", "LT", "LT", "LCT", "", "", "", ""}},
        {"NULs", nullptr, {"LT", "LT", "LT", "LT", "LCT", "", "", "", ""}},
        {"50 MiB line without an end", nullptr, {"LT", "LT", "LT", "LT", "LCT", "", "", "", ""}},
        {"1 MiB lines", nullptr, {"LCT", "LCT", "LT", "LT", "LCT", "", "L", "L", "C"}},
        {"5000 TABs", nullptr, {"LT", "LT", "LT", "LT", "LCT", "", "", "", ""}},
        {"5000 commas", nullptr, {"LT", "LT", "LT", "LT", "LCT", "", "L", "", ""}},
    };
    for (const Row& row : rows)
        for (std::size_t i = 0; i < std::size(kEndings); ++i)
            if (std::string(row.worked[i]) != "-")
                expectRead(kEndings[i].first, row.name,
                           row.bytes ? row.bytes(kEndings[i].second) : test::badBytes(row.name), row.worked[i]);
}

std::string withColumns(int columns) {
    std::string spno = "SPNO", peaks = "YPeak", data = "1";
    for (int j = 1; j <= columns; ++j) {
        spno += "\t" + std::to_string(j);
        peaks += "\t" + std::to_string(j) + ".5";
        data += "\t0." + std::to_string(j);
    }
    return spno + "\r\n" + peaks + "\r\nWaveData\r\n" + data + "\r\n";
}

// Files cut short, multi-spindle lines with too many fields (more than 40
// fail one spindle's load, more than 41 the table load) and .BIN files of
// every length a kind has, plus and minus one.
TEST(CurveReaderBadInput, CutFilesLongLinesAndOddLengths) {
    // A keyed file cut at every line of its header lists and table-loads;
    // only the whole header (to "WaveData") loads a curve.
    for (const auto& [ending, headerLines] : {std::pair{".nrcur", 10}, {".SPCUR", 16}, {".nracd", 7}})
        for (int lines = 0; lines <= headerLines; ++lines)
            expectRead(ending, "cut", test::firstLines(valid(ending), lines), lines == headerLines ? "LCT" : "LT");
    // A .csv summary needs seven lines, its load the header's eight.
    for (int lines = 0; lines <= 8; ++lines)
        expectRead(".csv", "cut", test::firstLines(valid(".csv"), lines), lines >= 7 ? "LC" : "");
    for (const auto& [ending, lines, worked] :
         {std::tuple{".CUR", 1, ""}, {".CUR", 51, "L"}, {".QUERNACUR", 1, "L"}})
        expectRead(ending, "cut", test::firstLines(valid(ending), lines), worked);
    for (const auto& [columns, worked] : {std::pair{32, "LCT"}, {39, "LCT"}, {40, "LT"}, {45, "L"}})
        expectRead(".nracd", std::to_string(columns) + " columns", withColumns(columns), worked);
    const std::size_t lengths[] = {293, 294, 563, 564, 1103, 1104, 301, 571, 1111};
    for (std::size_t length : lengths)
        for (std::size_t n : {length - 1, length, length + 1}) {
            const bool known = std::find(std::begin(lengths), std::end(lengths), n) != std::end(lengths);
            expectRead(".bin", std::to_string(n) + " bytes", std::string(n, '\x12'), known ? "LC" : "");
        }
    expectRead(".BIN", "no peak value (0x8F bytes)", std::string(1104, '\x8F'), "LC");
}

// The count is the number after the TAB; a write position beyond slot 4096
// fails the load, a count below 0 reads no sample.
TEST(CurveReaderBadInput, WavePointCounts) {
    // Count, loads, highest slot written (17 when none: a failed load writes no sample).
    for (const auto& [count, loads, lastSlot] :
         {std::tuple{"0", true, 17}, {"-1", true, 17}, {"4096", false, 17}, {"100000000", false, 17},
          {"1e308", false, 17}, {"nan", true, 17}, {"4079", true, 4096}, {"4080", false, 17},
          {"-1e308", true, 17}, {"", true, 17}}) {
        MemoryFileSystem fs;
        fs.put("w.nrcur", test::keyedSingleFile(10, {std::string("WavePoint\t") + count}, {"1", "2", "3"}));
        LoadState state;
        state.curveFileName = "w.nrcur";
        CurveTrace trace;
        EXPECT_EQ(CURVELOAD(trace, 1, state, LoadContext{fs, "mem", false}), loads) << count;
        EXPECT_EQ(trace.lastSampleSlot(), lastSlot) << count;
        LoadedCurveTable table;
        table.setRowCount(2);
        EXPECT_TRUE(SINGLEFILELOAD("w.nrcur", table, 1, state, LoadContext{fs, "mem", false}));
        EXPECT_EQ(table.text(1, 4), count);
    }
}

// Field 2 of the summary line. 1e39 shows all its 40 digits (the nearest
// double's, not the shortest form's); beyond the double range it is empty.
TEST(CurveReaderBadInput, HugeAndMissingPeaks) {
    for (const auto& [peak, shown] :
         {std::pair{"1e39", "999999999999999939709166371603178586112.00"}, {"nan", "0.00"},
          {"-1e39", "-999999999999999939709166371603178586112.00"}, {"1e400", ""}, {"", "0.00"}}) {
        std::string bytes = validSingle(10);
        const auto [worked, summary] = readEveryWay(".nrcur", bytes.replace(bytes.find("25.34"), 5, peak));
        EXPECT_EQ(worked, "LCT") << peak;
        EXPECT_EQ(TabFields(summary)[2], shown);
    }
}

TEST(CurveReaderBadInput, SpindleNumbersOutsideTheRange) {
    MemoryFileSystem fs;
    fs.put("s.nracd", "SPNO\t0\t33\t-5\t99999999999\tnan\t1e308\r\nYPeak\t1\t2\t3\t4\t5\t6\r\n"
                      "XPeak\t1\t2\t3\t4\t5\t6\r\nWavePoint\t1\t1\t1\t1\t1\t1\r\nWaveData\r\n"
                      "1\t1\t2\t3\t4\t5\t6\r\n");
    const LoadContext context{fs, "mem", false};
    for (int spindle : {1, 0, 33, -5, 32767, -32768}) {
        LoadState state;
        state.curveFileName = "s.nracd";
        CurveTrace trace;
        EXPECT_TRUE(CURVELOAD(trace, spindle, state, context));
        // Spindle 0 is column 1's number; 33 and -5 name columns 2 and 3.
        const bool found = spindle == 0 || spindle == 33 || spindle == -5;
        EXPECT_EQ(trace[CurveTrace::kPeakX].empty(), !found) << spindle;
    }
    // The list shows no spindle entry for numbers outside 1..32, and a table
    // load by spindle number writes no row.
    LoadState state;
    CurveList list;
    const SpindleColors colors = defaultSpindleColors();
    CurveListBuilder builder(list, state, colors);
    scanFolder("mem", fs, state, builder);
    ASSERT_EQ(list.count(), 1);
    LoadedCurveTable table;
    table.setRowCount(3);
    std::array<int, 32> bySpindle{};
    bySpindle.fill(1);
    EXPECT_TRUE(MULTIFILELOAD("s.nracd", table, bySpindle, state, context, keyed::SpindleRowsBy::SpindleNumber));
    EXPECT_EQ(table.usedColumns(1), 0);
}

class UnreadableFileSystem : public MemoryFileSystem {
public:
    std::optional<std::string> read(const std::string&, std::size_t) const override { return std::nullopt; }
};

// Only a result table is listed, by its name alone; names without a
// curve-loading block report CURVELOAD true untouched.
TEST(CurveReaderBadInput, UnreadableFilesAreSkippedAndEveryLoadFails) {
    UnreadableFileSystem fs;
    const std::string endings[] = {".CUR", ".QUERNACUR", ".BIN", ".CSV", ".NCUR", ".NRCUR",
                                   ".NRACD", ".SPCUR", ".SPACD", ".TSV"};
    for (const std::string& ending : endings) fs.put("f" + ending, "x");
    LoadState state;
    test::RecordingBuilder recorder;
    scanFolder("mem", fs, state, recorder);
    EXPECT_EQ(recorder.lines, std::vector<std::string>{"f.TSV"});
    const LoadContext context{fs, "mem", false};
    for (const std::string& ending : endings) {
        state.curveFileName = "f" + ending;
        CurveTrace trace;
        EXPECT_EQ(CURVELOAD(trace, 1, state, context), ending == ".SPACD" || ending == ".TSV") << ending;
        LoadedCurveTable table;
        table.setRowCount(3);
        EXPECT_FALSE(SINGLEFILELOAD(state.curveFileName, table, 1, state, context)) << ending;
        EXPECT_FALSE(MULTIFILELOAD(state.curveFileName, table, {1}, state, context)) << ending;
    }
}

} // namespace
} // namespace plotwise
