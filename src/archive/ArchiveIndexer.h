#pragma once
// Brings an archive index up to date with the curve files below a root:
// files whose size or modification time changed are read again, new files
// added, the records of files that are gone dropped. Each folder is written
// in one transaction, so a run stopped at any moment leaves a sound index
// that the next run completes.
#include "ArchiveDatabase.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>

namespace plotwise {
class FileSystem;
}

namespace plotwise::archive {

struct IndexCounts {
    int folders = 0;     // folders walked
    int unreadable = 0;  // folders that could not be listed
    int filesRead = 0;   // new and changed files read
    int added = 0, changed = 0, removed = 0, unchanged = 0;
    int curves = 0;      // curve records written
    int results = 0;     // result-table rows written
};

class ArchiveIndexer {
public:
    // `root` as file-system bytes.
    ArchiveIndexer(ArchiveDatabase& database, std::string root, const FileSystem& fs);

    // Told after each folder; returning false stops the run after that folder.
    std::function<bool(const IndexCounts&)> onProgress;
    // Told of each folder that cannot be read (it is skipped, its records kept).
    std::function<void(const QString&)> onProblem;

    // False with the database's error() when the index cannot be written.
    bool run();
    const IndexCounts& counts() const { return counts_; }
    bool stopped() const { return stopped_; }

private:
    struct Impl;
    ArchiveDatabase& database_;
    std::string root_;
    const FileSystem& fs_;
    IndexCounts counts_;
    bool stopped_ = false;
};

} // namespace plotwise::archive
