#pragma once
// An archive copied from the sample console folders into a temporary folder,
// with an index file beside it.
#include "archive/ArchiveIndexer.h"
#include "archive/ArchiveSearch.h"
#include "curvefiles/FileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSqlQuery>

#include <filesystem>
#include <vector>

namespace plotwise::test {

class ArchiveFixture {
public:
    ArchiveFixture() {
        std::filesystem::copy(std::string(PLOTWISE_SAMPLES_DIR) + "/console", folder.path("root"),
                              std::filesystem::copy_options::recursive);
    }
    std::string root() const { return folder.path("root"); }
    QString dbFile() const { return QString::fromStdString(folder.path("index.sqlite")); }

    // Runs the indexer; `stopAfter` folders when given.
    archive::IndexCounts index(int stopAfter = -1, const QString& db = {}) {
        archive::ArchiveDatabase database;
        archive::ArchiveTarget target;
        target.file = db.isEmpty() ? dbFile() : db;
        EXPECT_TRUE(database.open(target, false)) << database.error().toStdString();
        archive::ArchiveIndexer indexer(database, root(), fs);
        indexer.onProgress = [stopAfter](const archive::IndexCounts& c) { return c.folders != stopAfter; };
        EXPECT_TRUE(indexer.run()) << database.error().toStdString();
        return indexer.counts();
    }

    std::vector<archive::ArchiveMatch> find(const archive::ArchiveFilter& filter = {}, const QString& db = {}) {
        archive::ArchiveDatabase database;
        archive::ArchiveTarget target;
        target.file = db.isEmpty() ? dbFile() : db;
        std::vector<archive::ArchiveMatch> matches;
        EXPECT_TRUE(database.open(target, true)) << database.error().toStdString();
        EXPECT_TRUE(archive::findCurves(database, filter, [&](const auto& m) { matches.push_back(m); }));
        return matches;
    }

    TempFolder folder;
    LocalFileSystem fs;
};

// Matches as comparable text lines.
inline std::vector<std::string> lines(const std::vector<archive::ArchiveMatch>& matches) {
    std::vector<std::string> out;
    for (const auto& m : matches) out.push_back(archive::csvRow(m).toStdString());
    return out;
}

} // namespace plotwise::test
