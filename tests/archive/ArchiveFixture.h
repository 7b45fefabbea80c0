#pragma once
// An archive copied from the sample console folders into a temporary folder,
// with an index file beside it.
#include "archive/ArchiveIndexer.h"
#include "archive/ArchiveSearch.h"
#include "curvefiles/FileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>

#include <filesystem>
#include <optional>
#include <vector>

namespace plotwise::test {

// Matches as comparable text lines.
inline std::vector<std::string> lines(const std::vector<archive::ArchiveMatch>& matches) {
    std::vector<std::string> out;
    for (const auto& m : matches) out.push_back(archive::csvRow(m).toStdString());
    return out;
}

class ArchiveFixture {
public:
    ArchiveFixture() {
        std::filesystem::copy(std::string(PLOTWISE_SAMPLES_DIR) + "/console", folder.path("root"),
                              std::filesystem::copy_options::recursive);
    }
    std::string root() const { return folder.path("root"); }

    // The index file, or another SQLite file below the folder.
    archive::ArchiveTarget sqlite(const std::string& name = "index.sqlite") const {
        archive::ArchiveTarget target;
        target.file = QString::fromStdString(folder.path(name));
        return target;
    }

    // Runs the indexer into the index file or `target`; `stopAfter` folders when given.
    archive::IndexCounts index(int stopAfter = -1, const std::optional<archive::ArchiveTarget>& target = {}) {
        archive::ArchiveDatabase database;
        EXPECT_TRUE(database.open(target.value_or(sqlite()), false)) << database.error().toStdString();
        archive::ArchiveIndexer indexer(database, root(), fs);
        indexer.onProgress = [stopAfter](const archive::IndexCounts& c) { return c.folders != stopAfter; };
        EXPECT_TRUE(indexer.run()) << database.error().toStdString();
        return indexer.counts();
    }

    std::vector<archive::ArchiveMatch> find(const archive::ArchiveFilter& filter = {},
                                            const std::optional<archive::ArchiveTarget>& target = {}) {
        archive::ArchiveDatabase database;
        std::vector<archive::ArchiveMatch> matches;
        EXPECT_TRUE(database.open(target.value_or(sqlite()), true)) << database.error().toStdString();
        EXPECT_TRUE(archive::findCurves(database, filter, [&](const auto& m) { matches.push_back(m); }));
        return matches;
    }

    // The index file passes SQLite's integrity check.
    bool sound() const {
        archive::ArchiveDatabase database;
        if (!database.open(sqlite(), true)) return false;
        QSqlQuery query(database.db());
        return query.exec("PRAGMA integrity_check") && query.next() && query.value(0).toString() == "ok";
    }

    // The index holds what a fresh index of the archive as it is now holds.
    void expectEqualsAFreshIndex() {
        QFile::remove(sqlite("fresh.sqlite").file);
        index(-1, sqlite("fresh.sqlite"));
        EXPECT_EQ(lines(find()), lines(find({}, sqlite("fresh.sqlite"))));
    }

    TempFolder folder;
    LocalFileSystem fs;
};

} // namespace plotwise::test
