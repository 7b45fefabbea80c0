#include "curvefiles/FolderScan.h"
#include "support/CurveFileText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace plotwise;
using plotwise::test::keyedSingleFile;
using plotwise::test::TempFolder;

namespace {

struct Call {
    std::string builder, text, waveForm;
    int formatBefore;
};

class RecordingBuilder : public ListBuilder {
public:
    explicit RecordingBuilder(const LoadState& state) : state_(state) {}
    void TreeAdd(const std::string& s, const std::string& w) override { record("TreeAdd", s, w); }
    void TreeAddMulti(const std::string& s, const std::string& w) override { record("TreeAddMulti", s, w); }
    void TreeAddTSV(const std::string& name) override { record("TreeAddTSV", name, ""); }

    std::vector<Call> calls;

private:
    void record(const char* builder, const std::string& text, const std::string& wave) {
        calls.push_back({builder, text, wave, state_.curveFormat});
    }
    const LoadState& state_;
};

// The summary line without its date-time field.
std::string withoutDate(const std::string& summary) { return summary.substr(summary.find('\t') + 1); }

const std::string kMulti = "SPNO\t1\t2\r\nYPeak\t1\t2\r\nXPeak\t3\t4\r\nWAVEFormat\t32\r\nWaveData\r\n";

} // namespace

TEST(FolderScan, HandsSummariesOnInListOrder) {
    TempFolder folder;
    folder.write("A.nrcur", keyedSingleFile(10, {"XPeak\t12.25", "YPeak\t3.456", "WAVEF\t7"}, {"1"}));
    folder.write("B.SPACD", kMulti);
    folder.write("C.txt", "ignored");
    folder.write("a.tsv", "table");
    LoadState state;
    RecordingBuilder builder(state);
    scanFolder(folder.path(), LocalFileSystem(), state, builder);
    ASSERT_EQ(builder.calls.size(), 3u);
    EXPECT_EQ(builder.calls[0].builder, "TreeAdd");
    EXPECT_EQ(withoutDate(builder.calls[0].text), "A.nrcur\t3.46\t12.3\tN/R");
    EXPECT_EQ(builder.calls[0].formatBefore, 0); // the kind is set after the hand-over
    EXPECT_EQ(builder.calls[1].builder, "TreeAddTSV");
    EXPECT_EQ(builder.calls[1].text, "a.tsv");
    EXPECT_EQ(builder.calls[2].builder, "TreeAddMulti");
    EXPECT_EQ(withoutDate(builder.calls[2].text), "B.SPACD\tSPNO\t1\t2\tYPeak\t1\t2\tXPeak\t3\t4");
    EXPECT_EQ(builder.calls[2].waveForm, "WAVEFormat\t32");
    EXPECT_EQ(state.curveFormat, 9);
    EXPECT_EQ(state.curveFileFamily, 3);
    EXPECT_EQ(builder.calls[0].text.size(), std::string("2026-12-06 07:40:20\tA.nrcur\t3.46\t12.3\tN/R").size());
}

TEST(FolderScan, WaveFormLinePassesAlongWithinOneScan) {
    TempFolder folder;
    folder.write("1.nrcur", keyedSingleFile(10, {"WAVEFormat\t40"}, {}));
    folder.write("2.nracd", "SPNO\t1\r\nYPeak\t5\r\nWaveData\r\n");
    LoadState state;
    RecordingBuilder builder(state);
    scanFolder(folder.path(), LocalFileSystem(), state, builder);
    ASSERT_EQ(builder.calls.size(), 2u);
    EXPECT_EQ(builder.calls[1].waveForm, "WAVEFormat\t40");
    RecordingBuilder again(state);
    scanFolder(folder.path(), LocalFileSystem(), state, again);
    ASSERT_EQ(again.calls.size(), 2u);
    EXPECT_EQ(again.calls[0].waveForm, "WAVEFormat\t40");
    EXPECT_EQ(again.calls[1].text, builder.calls[1].text);
}

TEST(FolderScan, LongHeadLinesAreReadWhole) {
    TempFolder folder;
    folder.write("long.nrcur", "Note\t" + std::string(20000, 'x') + "\r\nYPeak\t9.5\r\n");
    LoadState state;
    RecordingBuilder builder(state);
    scanFolder(folder.path(), LocalFileSystem(), state, builder);
    ASSERT_EQ(builder.calls.size(), 1u);
    EXPECT_EQ(withoutDate(builder.calls[0].text), "long.nrcur\t9.50\t0.0\tN/R");
}

TEST(FolderScan, MissingFolderAddsNothingAndSaysWhy) {
    LoadState state;
    RecordingBuilder builder(state);
    EXPECT_EQ(scanFolder("/nonexistent/plotwise/folder", LocalFileSystem(), state, builder),
              "No such file or directory");
    EXPECT_TRUE(builder.calls.empty());
}

TEST(ListOrder, CaseInsensitiveThenBytewise) {
    std::vector<std::string> names = {"b", "B", "a.nrcur", "A.NRCUR", "_x", "Z", "a"};
    std::sort(names.begin(), names.end(), listOrderLess);
    std::vector<std::string> expected = {"_x", "a", "A.NRCUR", "a.nrcur", "B", "b", "Z"};
    EXPECT_EQ(names, expected);
}
