// Bad folders on the real file system: entries that are not ordinary files,
// symbolic-link loops under the folder list, a folder that vanishes while it
// is scanned. Each case ends (its TIMEOUT is the hang guard) and writes
// nothing.
#include "BadBytes.h"
#include "curvefiles/CurveFilePath.h"
#include "curvefiles/CurveLoader.h"
#include "curvefiles/TabFields.h"
#include "support/CurveFileText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace plotwise {
namespace {

namespace fs = std::filesystem;

using Names = std::vector<std::string>;

// The names a scan of the folder hands on: a summary's second field, a table's name.
Names scanNames(const std::string& folder, const FileSystem& files) {
    LoadState state;
    test::RecordingBuilder builder;
    scanFolder(folder, files, state, builder);
    for (std::string& line : builder.lines) line = TabFields(line).size() > 1 ? TabFields(line)[1] : line;
    return builder.lines;
}

const std::string kCurve =
    test::keyedSingleFile(10, {"YPeak\t2.5", "XPeak\t10.5", "WavePoint\t2"}, {"1", "2"});

TEST(FolderBadInput, EntriesThatAreNoOrdinaryFilesAreSkipped) {
    test::TempFolder temp;
    temp.write("good.nrcur", kCurve);
    temp.makeFolder("folder.nrcur");
    for (const auto& [target, link] : {std::pair{"missing.nrcur", "dangling.nrcur"}, {"loop.nrcur", "loop.nrcur"},
                                       {"b.NRACD", "a.NRACD"}, {"a.NRACD", "b.NRACD"}})
        fs::create_symlink(temp.path(target), temp.path(link));
    // A FIFO would block a read for good.
    for (const char* fifo : {"pipe.nrcur", "pipe.TSV"}) ASSERT_EQ(::mkfifo(temp.path(fifo).c_str(), 0600), 0);
    const auto before = test::folderSnapshot(temp.path());

    LocalFileSystem local;
    EXPECT_EQ(scanNames(temp.path(), local), Names{"good.nrcur"});
    const auto files = local.files(temp.path());
    ASSERT_TRUE(files && files->size() == 1);
    EXPECT_EQ(std::pair(files->front().name, files->front().size), std::pair(std::string("good.nrcur"), std::int64_t(kCurve.size())));
    for (const char* name : {"pipe.nrcur", "loop.nrcur", "a.NRACD", "folder.nrcur", "dangling.nrcur"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(local.read(temp.path(name)), std::nullopt);
        EXPECT_EQ(local.readAt(temp.path(name), 0, 10), std::nullopt);
        LoadState state;
        state.curveFileName = name;
        CurveTrace trace;
        EXPECT_FALSE(CURVELOAD(trace, 1, state, LoadContext{local, temp.path(), false}));
    }
    EXPECT_EQ(test::folderSnapshot(temp.path()), before);
}

TEST(FolderBadInput, SymbolicLinkLoopsUnderTheFolderList) {
    test::TempFolder temp;
    temp.write("RESULT/202611/t.tsv", "x");
    temp.write("CURVE/202611/20261105/ST02/20261105_090703_0_01.nrcur", kCurve);
    fs::create_directory_symlink(temp.path(), temp.path("CURVE/202611/20261105/ST02/up"));
    fs::create_directory_symlink(temp.path("CURVE/202611/20261105"), temp.path("CURVE/202611/20261105/again"));
    for (const auto& [to, from] : {std::pair{"x", "y"}, {"y", "x"}}) fs::create_symlink(temp.path(to), temp.path(from));
    const auto before = test::folderSnapshot(temp.path());
    LocalFileSystem local;

    // The folder list shows the loops as folders; following them goes deeper
    // one step at a time and never hangs. Past the system's limit of links in
    // one path the deeper folders cannot be listed any more.
    std::string deep = temp.path("CURVE/202611/20261105");
    for (int depth = 0; depth < 60; ++depth) {
        const auto subfolders = local.subfolders(deep);
        EXPECT_TRUE(depth >= 30 || subfolders == Names({"again", "ST02"})) << depth;
        (void)scanNames(deep, local);
        deep = joinPath(deep, "again");
    }
    EXPECT_EQ(local.subfolders(temp.path()), (Names{"CURVE", "RESULT"})); // x and y lead nowhere

    // The curve-file search walks a fixed depth: the loops change nothing.
    ResultLineKey key{"2026/11/05", "09:07:03", "0", "", "001"};
    EXPECT_EQ(CF_Curve_Path(key, 2, {temp.path("RESULT/202611"), "", ""}, local), joinPath(temp.path("CURVE/202611/20261105/ST02"), "20261105_090703_0_01.nrcur"));
    EXPECT_EQ(test::folderSnapshot(temp.path()), before);
}

// The folder is removed after it was listed and before its files are read.
class VanishingFolder : public LocalFileSystem {
public:
    std::optional<std::vector<std::string>> fileNames(const std::string& folder) const override {
        auto entries = LocalFileSystem::fileNames(folder);
        std::error_code ec;
        fs::remove_all(folder, ec);
        return entries;
    }
};

TEST(FolderBadInput, FolderVanishesDuringTheScan) {
    test::TempFolder temp;
    for (const char* name : {"a.nrcur", "b.NRACD", "c.CUR", "d.csv", "e.bin", "f.spcur", "g.QUERNACUR"})
        temp.write(std::string("gone/") + name, kCurve);
    temp.write("gone/h.tsv", "");
    VanishingFolder vanishing;
    // Result tables are listed by name alone; no curve file could be read.
    EXPECT_EQ(scanNames(temp.path("gone"), vanishing), Names{"h.tsv"});
    EXPECT_FALSE(fs::exists(temp.path("gone")));
    // A folder that is gone lists nothing.
    LocalFileSystem local;
    EXPECT_EQ(local.files(temp.path("gone")), std::nullopt);
    EXPECT_EQ(local.subfolders(temp.path("gone")), std::nullopt);
    EXPECT_TRUE(scanNames(temp.path("gone"), local).empty());
}

} // namespace
} // namespace plotwise
