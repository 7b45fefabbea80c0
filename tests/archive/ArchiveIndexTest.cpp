// The indexer on a copy of the sample archive. What it records of each file
// is in the golden files of the command-line test (data/find-all.csv).
#include "ArchiveFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace plotwise;
using namespace plotwise::archive;
using plotwise::test::ArchiveFixture;

namespace {

const std::string kSt02 = "CURVE/202611/20261105/ST02/";

int argc = 1;
char name[] = "archive_tests";
char* argv[] = {name, nullptr};
QCoreApplication app(argc, argv);

} // namespace

TEST(ArchiveIndex, SecondRunReadsOnlyWhatChanged) {
    ArchiveFixture archive;
    const auto first = archive.index();
    EXPECT_EQ(first.unreadable, 0);
    EXPECT_EQ(first.filesRead, first.added);
    const auto again = archive.index();
    EXPECT_EQ(again.filesRead, 0);
    EXPECT_EQ(again.unchanged, first.added);

    namespace fs = std::filesystem;
    const std::string st02 = archive.root() + "/" + kSt02;
    // Rewritten in place with the same size: only the time tells.
    const std::string rewritten = st02 + "20261105_091320_0_01.nrcur";
    std::string bytes = archive.fs.read(rewritten).value();
    bytes.replace(bytes.find("YPeak\t") + 6, 1, "9");
    archive.folder.write("root/" + kSt02 + "20261105_091320_0_01.nrcur", bytes);
    fs::last_write_time(rewritten, fs::last_write_time(rewritten) + std::chrono::seconds(5));
    fs::remove(st02 + "20261105_090703_0_02.nrcur");
    archive.folder.write("root/CURVE/202611/20261106/ST09/20261106_070000_0_01.nrcur", bytes);
    const int folderFiles = static_cast<int>(fs::remove_all(archive.root() + "/CURVE/202611/20261105/ST03")) - 1;
    const auto after = archive.index();
    EXPECT_EQ(after.changed, 1);
    EXPECT_EQ(after.added, 1);
    EXPECT_EQ(after.removed, 1 + folderFiles);
    EXPECT_EQ(after.filesRead, 2);
    archive.expectEqualsAFreshIndex();
    ArchiveFilter byDate;
    byDate.from = "2026-11-06T00:00:00";
    ASSERT_EQ(archive.find(byDate).size(), 1u);
}

TEST(ArchiveIndex, AnInterruptedRunLeavesASoundIndexTheNextRunCompletes) {
    ArchiveFixture archive;
    EXPECT_EQ(archive.index(4).folders, 4);
    EXPECT_TRUE(archive.sound());
    archive.index();
    archive.expectEqualsAFreshIndex();
}

TEST(ArchiveIndex, ResultRowsKeepTheCurveTheyResolveTo) {
    ArchiveFixture archive;
    EXPECT_GT(archive.index().results, 0);
    ArchiveDatabase database;
    ASSERT_TRUE(database.open(archive.sqlite(), true));
    QSqlQuery query(database.db());
    ASSERT_TRUE(query.exec("SELECT curve FROM archive_results WHERE id = 'BRK/0815'") && query.next());
    EXPECT_EQ(query.value(0).toString().toStdString(), kSt02 + "BRK0815_20261105_091012_005_ANG_0.nrcur");
}
