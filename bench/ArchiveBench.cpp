// Times the archive index on a generated archive: the full index, an index
// run over the unchanged archive, and searches by ID and by date range, then
// the same searches once the index holds a million records.
// Usage: plotwise-archive-bench [FILES] [RECORDS]   (default 20000, 1000000)
#include "archive/ArchiveIndexer.h"
#include "archive/ArchiveSearch.h"
#include "curvefiles/FileSystem.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QVariant>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;
using namespace plotwise;
using namespace plotwise::archive;

namespace {

std::string singleFile(int spindle, double peak) {
    std::string out = "SPNO\t" + std::to_string(spindle) + "\r\nYPeak\t" + std::to_string(peak).substr(0, 5) +
                      "\r\nXPeak\t412.5\r\nUnit\t0\r\nWAVEFormat\t1\r\nWavePoint\t720\r\nInterval\t2\r\n"
                      "Date\t2026/11/05\r\nTime\t07:42:18\r\nWaveData\r\n";
    for (int i = 0; i < 720; ++i) out += std::to_string(i % 2500 / 100.0).substr(0, 5) + "\r\n";
    return out;
}

std::string multiFile() {
    std::string out = "SPNO\t1\t2\t3\t4\r\nYPeak\t48.6\t47.9\t49.1\t48.3\r\nXPeak\t486.5\t471.0\t492.5\t478.0\r\n"
                      "Unit\t0\t0\t0\t0\r\nWAVEFormat\t1\t1\t1\t1\r\nWavePoint\t720\t720\t720\t720\r\n"
                      "Interval\t2\t2\t2\t2\r\nDate\t2026/11/05\t2026/11/05\t2026/11/05\t2026/11/05\r\n"
                      "Time\t08:30:44\t08:30:44\t08:30:44\t08:30:44\r\nWaveData\r\n";
    for (int i = 0; i < 720; ++i) out += std::to_string(i) + "\t0.1\t0.2\t0.3\t0.4\r\n";
    return out;
}

// ROOT/CURVE/202611/202611dd/STss/ with the console's names.
void writeArchive(const fs::path& root, int files) {
    const std::string multi = multiFile();
    for (int i = 0; i < files; ++i) {
        const int day = 1 + i / 1000 % 28, station = i / 200 % 5;
        char d8[16], t6[16], name[96];
        std::snprintf(d8, sizeof d8, "202611%02d", day);
        std::snprintf(t6, sizeof t6, "%02d%02d%02d", i / 3600 % 24, i / 60 % 60, i % 60);
        const fs::path folder = root / "CURVE" / "202611" / d8 / ("ST0" + std::to_string(station));
        if (i % 200 == 0) fs::create_directories(folder);
        if (i % 3 == 0) std::snprintf(name, sizeof name, "VIN%06d_%s_%s_%03d_ANG_0.nrcur", i, d8, t6, i % 12);
        else if (i % 3 == 1) std::snprintf(name, sizeof name, "%s_%s_0_01.nrcur", d8, t6);
        else std::snprintf(name, sizeof name, "%s_%s_%03d_ANG_0.nracd", d8, t6, i % 12);
        std::ofstream(folder / name, std::ios::binary) << (i % 3 == 2 ? multi : singleFile(1, 20 + i % 100 / 10.0));
    }
}

template <typename F> double seconds(F&& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void searches(ArchiveDatabase& database, const char* label, const char* id, const char* day) {
    ArchiveFilter byId, byDate;
    byId.id = id;
    byDate.from = QString(day) + "T03:00:00";
    byDate.to = QString(day) + "T03:10:00";
    for (auto [name, filter] : {std::pair{"ID", &byId}, std::pair{"date range", &byDate}}) {
        int found = 0;
        const double t = seconds([&] { findCurves(database, *filter, [&](const ArchiveMatch&) { ++found; }); });
        std::printf("search by %s in %s: %.1f ms (%d matches)\n", name, label, t * 1000, found);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int files = argc > 1 ? std::stoi(argv[1]) : 20000;
    const int records = argc > 2 ? std::stoi(argv[2]) : 1000000;
    const fs::path folder = fs::temp_directory_path() / "plotwise-archive-bench";
    fs::remove_all(folder);
    writeArchive(folder / "root", files);
    LocalFileSystem localFs;
    ArchiveTarget target;
    target.file = QString::fromStdString((folder / "index.sqlite").string());
    ArchiveDatabase database;
    if (!database.open(target, false)) return std::fprintf(stderr, "%s\n", qPrintable(database.error())), 1;
    ArchiveIndexer indexer(database, (folder / "root").string(), localFs);
    for (const char* run : {"full index", "unchanged re-index", "unchanged re-index"}) {
        const double t = seconds([&] { indexer.run(); });
        std::printf("%s of %d files: %.3f s (%d read, %d records)\n", run, files, t, indexer.counts().filesRead,
                    indexer.counts().curves);
    }
    searches(database, "the archive's index", "VIN012345", "2026-11-12");

    // Synthetic records up to `records`, spread over a year, to time the searches at scale.
    QSqlQuery count(database.db());
    count.exec("SELECT COUNT(*) FROM archive_curves");
    count.next();
    const int have = count.value(0).toInt();
    count.finish();
    database.db().transaction();
    QSqlQuery insert(database.db());
    insert.prepare("INSERT INTO archive_curves (path, spindle, kind, datetime, id, program, peak_y, peak_x) "
                   "VALUES (?, 1, 'NRCUR', ?, ?, 3, 25.0, 400.0)");
    for (int i = have; i < records; ++i) {
        const int day = i / 2800 % 365;
        char dateTime[32], id[16];
        std::snprintf(dateTime, sizeof dateTime, "2025-%02d-%02dT%02d:%02d:%02d", 1 + day / 31 % 12, 1 + day % 28,
                      i / 3600 % 24, i / 60 % 60, i % 60);
        std::snprintf(id, sizeof id, "X%07d", i);
        insert.bindValue(0, QString("synthetic/%1.nrcur").arg(i));
        insert.bindValue(1, QString::fromLatin1(dateTime));
        insert.bindValue(2, QString::fromLatin1(id));
        insert.exec();
    }
    database.db().commit();
    searches(database, QString("%1 records").arg(records).toLatin1().constData(), "X0500000", "2025-03-03");
    fs::remove_all(folder);
    return 0;
}
