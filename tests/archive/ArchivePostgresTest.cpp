// The index on a PostgreSQL server that the test starts in a temporary folder
// (initdb, pg_ctl on a Unix socket); skipped when the server is not installed.
#include "ArchiveFixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>

#include <pwd.h>
#include <unistd.h>

using namespace plotwise;
using namespace plotwise::archive;

namespace {

QString serverTool(const QString& name) {
    const auto versions = QDir("/usr/lib/postgresql").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
    for (const QString& version : versions) {
        const QString path = "/usr/lib/postgresql/" + version + "/bin/" + name;
        if (QFileInfo(path).isExecutable()) return path;
    }
    return {};
}

// The server refuses to run as root: then it runs as "nobody".
bool runServerTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    if (::geteuid() == 0) process.start("runuser", QStringList{"-u", "nobody", "--", tool} + arguments);
    else process.start(tool, arguments);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

class PostgresServer {
public:
    bool start() {
        initdb_ = serverTool("initdb");
        pgctl_ = serverTool("pg_ctl");
        if (initdb_.isEmpty() || pgctl_.isEmpty()) return false;
        if (::geteuid() == 0) {
            const passwd* nobody = ::getpwnam("nobody");
            if (!nobody || ::chown(folder.path().c_str(), nobody->pw_uid, nobody->pw_gid) != 0) return false;
        }
        data_ = QString::fromStdString(folder.path("data"));
        socket = QString::fromStdString(folder.path());
        started_ = runServerTool(initdb_, {"-D", data_, "-A", "trust", "-U", "plotwise", "--no-sync"}) &&
                   runServerTool(pgctl_, {"-D", data_, "-w", "-l", QString::fromStdString(folder.path("log")), "-o",
                                          "-k " + socket + " -c listen_addresses= -c fsync=off", "start"});
        return started_;
    }
    ~PostgresServer() {
        if (started_) runServerTool(pgctl_, {"-D", data_, "-m", "immediate", "stop"});
    }
    test::TempFolder folder;
    QString socket;

private:
    QString initdb_, pgctl_, data_;
    bool started_ = false;
};

} // namespace

TEST(ArchivePostgres, TheSameIndexAndSearchOnAServer) {
    PostgresServer server;
    if (!QSqlDatabase::isDriverAvailable("QPSQL") || !server.start())
        GTEST_SKIP() << "no PostgreSQL server binaries or Qt driver";
    test::ArchiveFixture archive;
    QString error;
    const auto target = parseArchiveTarget("postgresql://plotwise:NotShown42@/postgres?host=" + server.socket, &error);
    ASSERT_TRUE(target) << error.toStdString();
    for (int run = 0; run < 2; ++run) {
        ArchiveDatabase database;
        ASSERT_TRUE(database.open(*target, false)) << database.error().toStdString();
        LocalFileSystem fs;
        ArchiveIndexer indexer(database, archive.root(), fs);
        ASSERT_TRUE(indexer.run()) << database.error().toStdString();
        EXPECT_EQ(indexer.counts().filesRead, run == 0 ? indexer.counts().added : 0);
    }
    archive.index();
    ArchiveDatabase database;
    ASSERT_TRUE(database.open(*target, true));
    std::vector<ArchiveMatch> matches;
    ASSERT_TRUE(findCurves(database, {}, [&](const ArchiveMatch& m) { matches.push_back(m); }));
    EXPECT_EQ(test::lines(matches), test::lines(archive.find()));
    QSqlQuery query(database.db());
    EXPECT_FALSE(query.exec("DELETE FROM archive_curves"));

    // A database that is not there: the error names it, never the password.
    auto missing = *target;
    missing.database = "nothere";
    ArchiveDatabase absent;
    EXPECT_FALSE(absent.open(missing, true));
    EXPECT_TRUE(absent.error().contains("nothere"));
    EXPECT_FALSE(absent.error().contains("NotShown42"));
}
