// Bad bytes under every curve-file ending, grouped per reader: what the scan
// hands to the list, whether CURVELOAD and the table loaders report a load.
#include "BadBytes.h"
#include "curvefiles/CurveLoader.h"
#include "curvefiles/FolderScan.h"
#include "curvefiles/NumberText.h"
#include "curvefiles/TabFields.h"
#include "curvelist/CurveListBuilder.h"
#include "support/CurveFileText.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>

#include <fstream>

namespace plotwise {
namespace {

using test::MemoryFileSystem;
namespace bad = test::bad;

class RecordingBuilder : public ListBuilder {
public:
    void TreeAdd(const std::string& summary, const std::string&) override { lines.push_back(summary); }
    void TreeAddMulti(const std::string& summary, const std::string&) override { lines.push_back(summary); }
    void TreeAddTSV(const std::string& name) override { lines.push_back(name); }
    std::vector<std::string> lines;
};

struct Outcome {
    bool listed = false;
    std::string summary;
    bool curveLoad = false;
    bool tableLoad = false;
};

bool isMulti(const std::string& ending) {
    const std::string upper = upperAscii(ending);
    return upper == ".NRACD" || upper == ".SPACD";
}

// Scans a folder holding only this file, then loads it every way its kind
// allows. The curve list is built from the scan as the window builds it.
Outcome readEveryWay(const std::string& ending, const std::string& bytes, int spindle = 1) {
    MemoryFileSystem fs;
    const std::string name = "f" + ending;
    fs.put(name, bytes);
    Outcome out;
    LoadState state;
    RecordingBuilder recorder;
    scanFolder("mem", fs, state, recorder);
    out.listed = !recorder.lines.empty();
    if (out.listed) out.summary = recorder.lines.front();
    CurveList list;
    SpindleColors colors = defaultSpindleColors();
    CurveListBuilder builder(list, state, colors);
    scanFolder("mem", fs, state, builder);

    LoadContext context{fs, "mem", false};
    CurveTrace trace;
    state.curveFileName = name;
    out.curveLoad = CURVELOAD(trace, spindle, state, context);
    LoadedCurveTable table;
    table.setRowCount(3);
    if (isMulti(ending)) {
        std::array<int, 32> rows{};
        rows[0] = 1;
        rows[1] = 2;
        out.tableLoad = MULTIFILELOAD(name, table, rows, state, context);
    } else {
        out.tableLoad = SINGLEFILELOAD(name, table, 1, state, context);
    }
    return out;
}

struct Case {
    const char* name;
    std::function<std::string()> bytes;
    bool listed;
    bool curveLoad;
    bool tableLoad; // keyed files only
};

void runCases(const std::string& ending, const std::vector<Case>& cases, bool keyed) {
    for (const Case& c : cases) {
        SCOPED_TRACE(ending + ": " + c.name);
        const std::string bytes = c.bytes();
        const Outcome out = readEveryWay(ending, bytes);
        EXPECT_EQ(out.listed, c.listed) << out.summary;
        EXPECT_EQ(out.curveLoad, c.curveLoad);
        if (keyed) {
            EXPECT_EQ(out.tableLoad, c.tableLoad);
        }
    }
}

// The bytes that are no file of any kind, and what each reader makes of them:
// L listed by the scan, C loaded as one curve, T loaded into the table (the
// table load is only asked of keyed files).
struct Common {
    const char* name;
    const std::string& (*bytes)();
    const char* keyedSingle; // nullptr: the row is tested per ending
    const char* keyedMulti;
    const char* bin;
    const char* cur;
    const char* querna;
    const char* csv;
};
const Common kCommon[] = {
    {"empty", bad::empty, "LT", "LT", "", "", "", ""},
    {"one byte", bad::oneByte, "LT", "LT", "", "", "", ""},
    {"random bytes", bad::randomBytes, "LT", "LT", "", "", "", ""},
    {"NULs", bad::nuls, "LT", "LT", "", "", "", ""},
    {"50 MiB line without an end", bad::hugeLine, "LT", "LT", "", "", "", ""},
    // Seven csv lines without a unit: no summary; the load reads to the end.
    {"1 MiB lines", bad::megabyteLines, nullptr, "LT", "", "L", "L", "C"},
    {"5000 TABs", bad::manyTabs, "LT", "LT", "", "", "", ""},
    {"5000 commas", bad::manyCommas, "LT", "LT", "", "L", "", ""},
};

// The common rows for one reader, its column picked by `flags`.
std::vector<Case> commonCases(const char* Common::*flags) {
    std::vector<Case> cases;
    for (const Common& c : kCommon) {
        const char* f = c.*flags;
        if (!f) continue;
        const std::string has(f);
        cases.push_back({c.name, c.bytes, has.find('L') != std::string::npos,
                         has.find('C') != std::string::npos,
                         has.find('T') != std::string::npos});
    }
    return cases;
}

std::string sample(const std::string& name) {
    std::ifstream in(std::string(PLOTWISE_SAMPLES_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// ---- keyed single-spindle files ----

std::string validSingle(int headerLines) {
    return test::keyedSingleFile(headerLines,
                                 {"SPNO\t1", "YPeak\t25.34", "XPeak\t412.5", "WavePoint\t3", "Interval\t2", "Unit\t1"},
                                 {"0.1", "0.2", "0.3"});
}

std::vector<Case> keyedSingleCases(int headerLines) {
    // The scan never fails on a keyed file; CURVELOAD needs every header
    // line; the table loader reads to the end of any file.
    std::vector<Case> cases = {
        {"valid", [=] { return validSingle(headerLines); }, true, true, true},
        {"LF-only line ends", [=] { return bad::withLineEnds(validSingle(headerLines), "\n"); }, true, true, true},
        {"CR-only line ends: one line", [=] { return bad::withLineEnds(validSingle(headerLines), "\r"); }, true, false, true},
    };
    for (const Case& c : commonCases(&Common::keyedSingle)) cases.push_back(c);
    return cases;
}

TEST(KeyedSingleBadInput, CommonCases) {
    runCases(".nrcur", keyedSingleCases(10), true);
    runCases(".NCUR", keyedSingleCases(10), true);
    runCases(".SPCUR", keyedSingleCases(16), true);
    // Twelve header-less lines of 1 MiB: no "WavePoint", so no sample is read.
    runCases(".nrcur", {{"1 MiB lines", bad::megabyteLines, true, true, true}}, true);
    runCases(".spcur", {{"1 MiB lines", bad::megabyteLines, true, false, true}}, true);
}

// The count is the number after the TAB; a write position beyond slot 4096
// fails the load, a count below 0 reads no sample.
TEST(KeyedSingleBadInput, WavePointCounts) {
    struct Row {
        const char* count;
        bool loads;
        int lastSlot; // highest slot written, 17 when no sample
    };
    const Row rows[] = {
        {"0", true, 17},         {"-1", true, 17},     {"4096", false, 17}, {"100000000", false, 17},
        {"1e308", false, 17},    {"nan", true, 17},    {"4079", true, 4096}, {"4080", false, 17},
        {"-1e308", true, 17},    {"", true, 17},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.count);
        MemoryFileSystem fs;
        fs.put("w.nrcur", test::keyedSingleFile(10, {std::string("WavePoint\t") + row.count}, {"1", "2", "3"}));
        LoadState state;
        state.curveFileName = "w.nrcur";
        CurveTrace trace;
        EXPECT_EQ(CURVELOAD(trace, 1, state, LoadContext{fs, "mem", false}), row.loads);
        if (row.loads) {
            EXPECT_EQ(trace.lastSampleSlot(), row.lastSlot);
        }
        LoadedCurveTable table;
        table.setRowCount(2);
        EXPECT_TRUE(SINGLEFILELOAD("w.nrcur", table, 1, state, LoadContext{fs, "mem", false}));
        EXPECT_EQ(table.text(1, 4), row.count);
    }
}

TEST(KeyedSingleBadInput, HugeAndMissingPeaks) {
    struct Row {
        const char* peak;
        const char* shown; // field 2 of the summary line
    };
    // 1e39 shows all its 40 digits (the nearest double's, not the shortest
    // form's); beyond the double range the field is empty.
    const Row rows[] = {{"1e39", "999999999999999939709166371603178586112.00"},
                        {"nan", "0.00"},
                        {"-1e39", "-999999999999999939709166371603178586112.00"},
                        {"1e400", ""},
                        {"", "0.00"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.peak);
        const auto out = readEveryWay(".nrcur", validSingle(10).replace(
                                                    validSingle(10).find("25.34"), 5, row.peak));
        ASSERT_TRUE(out.listed);
        EXPECT_EQ(TabFields(out.summary)[2], row.shown);
        EXPECT_TRUE(out.curveLoad);
    }
}

// ---- keyed multi-spindle files ----

std::string validMulti() {
    return "SPNO\t1\t2\r\nYPeak\t8.67\t8.77\r\nXPeak\t522.5\t523.5\r\nUnit\t0\t0\r\nWavePoint\t2\t2\r\n"
           "Interval\t2\t2\r\nWaveData\r\n1\t0.1\t0.2\r\n2\t0.3\t0.4\r\n";
}

TEST(KeyedMultiBadInput, CommonCases) {
    // The scan never fails; one spindle's load needs its header within the
    // file; the table loader reads to the end of any file.
    std::vector<Case> cases = {
        {"valid", validMulti, true, true, true},
        {"LF-only line ends", [] { return bad::withLineEnds(validMulti(), "\n"); }, true, true, true},
        {"CR-only line ends: one line", [] { return bad::withLineEnds(validMulti(), "\r"); }, true, false, true},
    };
    for (const Case& c : commonCases(&Common::keyedMulti)) cases.push_back(c);
    runCases(".nracd", cases, true);
    // ".SPACD" has no one-curve load: CURVELOAD reports success untouched.
    std::vector<Case> press = cases;
    for (Case& c : press) c.curveLoad = true;
    runCases(".SPACD", press, true);
}

// A keyed file cut at every line of its header lists and table-loads; only the
// whole header (10 or 16 lines single, 7 multi, to "WaveData") loads a curve.
TEST(KeyedBadInput, CutAtEveryHeaderLine) {
    for (const auto& [ending, whole, headerLines] :
         {std::tuple{".nrcur", validSingle(10), 10}, {".spcur", validSingle(16), 16}, {".nracd", validMulti(), 7}}) {
        for (int lines = 0; lines <= headerLines; ++lines) {
            const std::string cut = bad::firstLines(whole, lines);
            runCases(ending, {{"cut", [&] { return cut; }, true, lines == headerLines, true}}, true);
        }
    }
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

// Lines with more than 40 fields fail one spindle's load, more than 41 the
// table load; the scan lists the file all the same.
TEST(KeyedMultiBadInput, SpindleColumnCounts) {
    const std::vector<Case> cases = {
        {"32 columns", [] { return withColumns(32); }, true, true, true},
        {"39 columns", [] { return withColumns(39); }, true, true, true},
        {"40 columns", [] { return withColumns(40); }, true, false, true},
        {"45 columns", [] { return withColumns(45); }, true, false, false},
    };
    runCases(".nracd", cases, true);
}

TEST(KeyedMultiBadInput, SpindleNumbersOutsideTheRange) {
    const std::string file = "SPNO\t0\t33\t-5\t99999999999\tnan\t1e308\r\nYPeak\t1\t2\t3\t4\t5\t6\r\n"
                             "XPeak\t1\t2\t3\t4\t5\t6\r\nWavePoint\t1\t1\t1\t1\t1\t1\r\nWaveData\r\n"
                             "1\t1\t2\t3\t4\t5\t6\r\n";
    for (int spindle : {1, 0, 33, -5, 32767, -32768}) {
        SCOPED_TRACE(spindle);
        MemoryFileSystem fs;
        fs.put("s.nracd", file);
        LoadState state;
        state.curveFileName = "s.nracd";
        CurveTrace trace;
        EXPECT_TRUE(CURVELOAD(trace, spindle, state, LoadContext{fs, "mem", false}));
        // Spindle 0 is column 1's number; 33 and -5 name columns 2 and 3.
        const bool found = spindle == 0 || spindle == 33 || spindle == -5;
        EXPECT_EQ(trace[CurveTrace::kPeakX].empty(), !found);
    }
    // The list shows no spindle entry for numbers outside 1..32, and a table
    // load by spindle number writes no row.
    MemoryFileSystem fs;
    fs.put("s.nracd", file);
    LoadState state;
    CurveList list;
    SpindleColors colors = defaultSpindleColors();
    CurveListBuilder builder(list, state, colors);
    scanFolder("mem", fs, state, builder);
    ASSERT_EQ(list.count(), 1);
    LoadedCurveTable table;
    table.setRowCount(3);
    std::array<int, 32> bySpindle{};
    bySpindle.fill(1);
    EXPECT_TRUE(MULTIFILELOAD("s.nracd", table, bySpindle, state, LoadContext{fs, "mem", false},
                              keyed::SpindleRowsBy::SpindleNumber));
    EXPECT_EQ(table.usedColumns(1), 0);
}

// ---- packed binary files ----

TEST(BinBadInput, EveryTableLengthPlusAndMinusOne) {
    const std::size_t lengths[] = {293, 294, 563, 564, 1103, 1104, 301, 571, 1111};
    std::vector<Case> cases;
    for (std::size_t length : lengths)
        for (std::size_t n : {length - 1, length, length + 1}) {
            const bool known = std::find(std::begin(lengths), std::end(lengths), n) != std::end(lengths);
            cases.push_back({"length", [n] { return std::string(n, '\x12'); }, known, known, false});
        }
    runCases(".bin", cases, false);
}

TEST(BinBadInput, CommonCases) {
    std::vector<Case> cases = commonCases(&Common::bin);
    cases.push_back({"no peak value (0x8F bytes)", [] { return std::string(1104, '\x8F'); }, true, true, false});
    runCases(".BIN", cases, false);
}

// ---- comma-delimited files ----

TEST(CommaBadInput, CurFiles) {
    const std::string valid = sample("legacy_M8_bolt.CUR");
    std::vector<Case> cases = {
        {"valid", [&] { return valid; }, true, true, false},
        {"LF-only line ends", [&] { return bad::withLineEnds(valid, "\n"); }, true, true, false},
        // A CR alone ends no value: the values of two lines run together.
        {"CR-only line ends", [&] { return bad::withLineEnds(valid, "\r"); }, true, false, false},
        {"cut after the peaks", [&] { return bad::firstLines(valid, 1); }, false, false, false},
        {"cut after 500 samples", [&] { return bad::firstLines(valid, 51); }, true, false, false},
    };
    for (const Case& c : commonCases(&Common::cur)) cases.push_back(c);
    runCases(".CUR", cases, false);
}

TEST(CommaBadInput, QuernaCurFiles) {
    const std::string valid = sample("quill_press_plain.QUERNACUR");
    std::vector<Case> cases = {
        {"valid", [&] { return valid; }, true, true, false},
        {"LF-only line ends", [&] { return bad::withLineEnds(valid, "\n"); }, true, true, false},
        {"cut after the head line", [&] { return bad::firstLines(valid, 1); }, true, false, false},
    };
    for (const Case& c : commonCases(&Common::querna)) cases.push_back(c);
    runCases(".QUERNACUR", cases, false);
}

TEST(CommaBadInput, CsvFiles) {
    const std::string valid = sample("press_export_newton.csv");
    std::vector<Case> cases = {
        {"valid", [&] { return valid; }, true, true, false},
        {"LF-only line ends", [&] { return bad::withLineEnds(valid, "\n"); }, true, true, false},
    };
    for (const Case& c : commonCases(&Common::csv)) cases.push_back(c);
    // The summary needs seven lines, the load the header's eight.
    for (int lines = 0; lines <= 8; ++lines)
        cases.push_back({"cut", [&valid, lines] { return bad::firstLines(valid, lines); }, lines >= 7,
                         lines >= 7, false});
    runCases(".csv", cases, false);
}

// ---- unreadable files ----

class UnreadableFileSystem : public MemoryFileSystem {
public:
    std::optional<std::string> read(const std::string&, std::size_t) const override { return std::nullopt; }
};

TEST(UnreadableFiles, EveryEndingIsSkippedAndEveryLoadFails) {
    UnreadableFileSystem fs;
    const char* endings[] = {".CUR", ".QUERNACUR", ".BIN", ".CSV", ".NCUR", ".NRCUR",
                             ".NRACD", ".SPCUR", ".SPACD", ".TSV"};
    for (const char* ending : endings) fs.put(std::string("f") + ending, "x");
    LoadState state;
    RecordingBuilder recorder;
    scanFolder("mem", fs, state, recorder);
    // Only the result table is listed: by its name alone.
    EXPECT_EQ(recorder.lines, std::vector<std::string>{"f.TSV"});
    for (const char* ending : endings) {
        SCOPED_TRACE(ending);
        state.curveFileName = std::string("f") + ending;
        CurveTrace trace;
        const bool loads = CURVELOAD(trace, 1, state, LoadContext{fs, "mem", false});
        // Names without a curve-loading block report true untouched.
        EXPECT_EQ(loads, std::string(ending) == ".SPACD" || std::string(ending) == ".TSV");
        LoadedCurveTable table;
        table.setRowCount(3);
        EXPECT_FALSE(SINGLEFILELOAD(state.curveFileName, table, 1, state, LoadContext{fs, "mem", false}));
        EXPECT_FALSE(MULTIFILELOAD(state.curveFileName, table, {1}, state, LoadContext{fs, "mem", false}));
    }
}

} // namespace
} // namespace plotwise
