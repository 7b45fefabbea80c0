#include "ArchiveFixture.h"

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlError>
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

TEST(ArchiveIndex, RecordsCurvesFromNamesHeadsAndTheListsPeaks) {
    ArchiveFixture archive;
    const auto counts = archive.index();
    EXPECT_EQ(counts.unreadable, 0);
    EXPECT_EQ(counts.filesRead, counts.added);
    const auto matches = archive.find();
    struct Row {
        std::string path;
        const char* expected; // the CSV row
    };
    const Row rows[] = {
        {kSt02 + "20261105_090703_0_01.nrcur",
         "CURVE/202611/20261105/ST02/20261105_090703_0_01.nrcur,2026-11-05T09:07:03,,,1,"},
        {kSt02 + "BRK0815_20261105_091012_005_ANG_0.nrcur",
         "CURVE/202611/20261105/ST02/BRK0815_20261105_091012_005_ANG_0.nrcur,2026-11-05T09:10:12,BRK0815,5,1,"},
        // Only the day in the name: the date comes from the file's head.
        {kSt02 + "BRK0816_05_091145_ANGLE.nrcur",
         "CURVE/202611/20261105/ST02/BRK0816_05_091145_ANGLE.nrcur,2026-11-05T09:11:45,BRK0816,,1,"},
        {"CURVE/202611/20261105/ST01/ENG4711_20261105_080502_009_ANG_0.nracd",
         "CURVE/202611/20261105/ST01/ENG4711_20261105_080502_009_ANG_0.nracd,2026-11-05T08:05:02,ENG4711,9,"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        auto found = std::find_if(matches.begin(), matches.end(),
                                  [&](const ArchiveMatch& m) { return m.path.toStdString() == row.path; });
        ASSERT_NE(found, matches.end());
        EXPECT_EQ(csvRow(*found).toStdString().rfind(row.expected, 0), 0u) << csvRow(*found).toStdString();
        EXPECT_TRUE(found->peakY && found->peakX);
    }
    // One record per spindle of a multi-spindle file.
    const auto spindles = std::count_if(matches.begin(), matches.end(), [](const ArchiveMatch& m) {
        return m.path.endsWith("ENG4711_20261105_080502_009_ANG_0.nracd");
    });
    EXPECT_GT(spindles, 1);
}

TEST(ArchiveIndex, SecondRunReadsOnlyWhatChanged) {
    ArchiveFixture archive;
    const auto first = archive.index();
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

    // The index now equals a fresh index of the archive as it is.
    const QString fresh = QString::fromStdString(archive.folder.path("fresh.sqlite"));
    archive.index(-1, fresh);
    EXPECT_EQ(test::lines(archive.find()), test::lines(archive.find({}, fresh)));
    ArchiveFilter byDate;
    byDate.from = "2026-11-06T00:00:00";
    ASSERT_EQ(archive.find(byDate).size(), 1u);
}

TEST(ArchiveIndex, AnInterruptedRunLeavesASoundIndexTheNextRunCompletes) {
    ArchiveFixture archive;
    const auto stopped = archive.index(4);
    EXPECT_EQ(stopped.folders, 4);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName(archive.dbFile());
        ASSERT_TRUE(db.open());
        QSqlQuery query("PRAGMA integrity_check", db);
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toString(), "ok");
    }
    QSqlDatabase::removeDatabase("check");
    archive.index();
    const QString fresh = QString::fromStdString(archive.folder.path("fresh.sqlite"));
    archive.index(-1, fresh);
    EXPECT_EQ(test::lines(archive.find()), test::lines(archive.find({}, fresh)));
}

TEST(ArchiveIndex, ResultRowsKeepTheCurveTheyResolveTo) {
    ArchiveFixture archive;
    EXPECT_GT(archive.index().results, 0);
    ArchiveDatabase database;
    ArchiveTarget target;
    target.file = archive.dbFile();
    ASSERT_TRUE(database.open(target, true));
    QSqlQuery query(database.db());
    ASSERT_TRUE(query.exec("SELECT COUNT(*), COUNT(curve) FROM archive_results"));
    ASSERT_TRUE(query.next());
    EXPECT_GT(query.value(1).toInt(), 0);
    ASSERT_TRUE(query.exec("SELECT curve FROM archive_results WHERE id = 'BRK/0815'"));
    ASSERT_TRUE(query.next());
    EXPECT_EQ(query.value(0).toString().toStdString(), kSt02 + "BRK0815_20261105_091012_005_ANG_0.nrcur");
}
