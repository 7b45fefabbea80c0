#include "curvefiles/FolderScan.h"
#include "support/CurveFileText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace plotwise;
using plotwise::test::keyedSingleFile;
using Calls = std::vector<std::string>;

namespace {

// Records each call as "call | summary without its date-time | wave-form line
// | the curve kind the state held at the call".
class RecordingBuilder : public ListBuilder {
public:
    explicit RecordingBuilder(const LoadState& state) : state_(state) {}
    void TreeAdd(const std::string& s, const std::string& w) override { record("TreeAdd", s, w); }
    void TreeAddMulti(const std::string& s, const std::string& w) override { record("TreeAddMulti", s, w); }
    void TreeAddTSV(const std::string& name) override { calls.push_back("TreeAddTSV | " + name); }
    Calls calls;

private:
    void record(const char* call, const std::string& summary, const std::string& wave) {
        EXPECT_EQ(summary.find('\t'), std::string("2026-12-06 07:40:20").size()) << summary;
        calls.push_back(std::string(call) + " | " + summary.substr(summary.find('\t') + 1) + " | " +
                        wave + " | " + std::to_string(state_.curveFormat));
    }
    const LoadState& state_;
};

// The calls a scan of the folder makes; expects the scan to report `error`.
Calls scan(const std::string& folder, LoadState& state, std::optional<std::string> error = {}) {
    RecordingBuilder builder(state);
    EXPECT_EQ(scanFolder(folder, LocalFileSystem(), state, builder), error);
    return builder.calls;
}

} // namespace

// The kind of a file is set after its hand-over; a head line of any length is read whole.
TEST(FolderScan, HandsSummariesOnInListOrder) {
    test::TempFolder folder;
    folder.write("0long.nrcur", "Note\t" + std::string(20000, 'x') + "\r\nYPeak\t9.5\r\n");
    folder.write("A.nrcur", keyedSingleFile(10, {"XPeak\t12.25", "YPeak\t3.456", "WAVEF\t7"}, {"1"}));
    folder.write("B.SPACD", "SPNO\t1\t2\r\nYPeak\t1\t2\r\nXPeak\t3\t4\r\nWAVEFormat\t32\r\nWaveData\r\n");
    folder.write("C.txt", "ignored");
    folder.write("a.tsv", "table");
    LoadState state;
    EXPECT_EQ(scan(folder.path(), state),
              (Calls{"TreeAdd | 0long.nrcur\t9.50\t0.0\tN/R |  | 0",
                     "TreeAdd | A.nrcur\t3.46\t12.3\tN/R | WAVEF\t7 | 6", "TreeAddTSV | a.tsv",
                     "TreeAddMulti | B.SPACD\tSPNO\t1\t2\tYPeak\t1\t2\tXPeak\t3\t4 | WAVEFormat\t32 | 6"}));
    EXPECT_EQ(std::pair(state.curveFormat, state.curveFileFamily), std::pair(9, 3));
}

// A multi-spindle file without its own wave-form line gets the last one read,
// and a second scan with the same state hands on the same.
TEST(FolderScan, WaveFormLinePassesAlongWithinOneScan) {
    test::TempFolder folder;
    folder.write("1.nrcur", keyedSingleFile(10, {"WAVEFormat\t40"}, {}));
    folder.write("2.nracd", "SPNO\t1\r\nYPeak\t5\r\nWaveData\r\n");
    LoadState state;
    const Calls first = scan(folder.path(), state);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[1], "TreeAddMulti | 2.nracd\tSPNO\t1\tYPeak\t5\t | WAVEFormat\t40 | 6");
    EXPECT_EQ(scan(folder.path(), state), (Calls{"TreeAdd | 1.nrcur\t0.00\t0.0\tN/R | WAVEFormat\t40 | 7", first[1]}));
}

TEST(FolderScan, MissingFolderAddsNothingAndSaysWhy) {
    LoadState state;
    EXPECT_TRUE(scan("/nonexistent/plotwise/folder", state, "No such file or directory").empty());
}

TEST(ListOrder, CaseInsensitiveThenBytewise) {
    std::vector<std::string> names = {"b", "B", "a.nrcur", "A.NRCUR", "_x", "Z", "a"};
    std::sort(names.begin(), names.end(), listOrderLess);
    EXPECT_EQ(names, (std::vector<std::string>{"_x", "a", "A.NRCUR", "a.nrcur", "B", "b", "Z"}));
}
