// The index on a PostgreSQL server that the test starts in a temporary folder
// (initdb, pg_ctl on a Unix socket); skipped when the server is not installed.
#include "ArchiveFixture.h"
#include "support/CommandRun.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace plotwise::test;
using namespace plotwise::archive;

namespace {

// A shell line in `folder` with the newest server's programs on the path; as
// "nobody" when root, since the server refuses to run as root.
int asServerUser(const std::string& folder, const std::string& line) {
    const std::string user = ::geteuid() == 0 ? "chown nobody . && runuser -u nobody -- " : "";
    return ::test::runCommand("cd '" + folder + "' && bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1) && " +
                            user + "env PATH=\"$bin:$PATH\" sh -c '" + line + "' >/dev/null 2>&1").status;
}

struct PostgresServer {
    TempFolder folder;
    bool started = asServerUser(folder.path(), "initdb -D data -A trust -U plotwise --no-sync && pg_ctl -D data "
                                               "-w -l log -o \"-k $PWD -c listen_addresses= -c fsync=off\" start") == 0;
    ~PostgresServer() {
        if (started) asServerUser(folder.path(), "pg_ctl -D data -m immediate stop");
    }
};

} // namespace

TEST(ArchivePostgres, TheSameIndexAndSearchOnAServer) {
    PostgresServer server;
    if (!QSqlDatabase::isDriverAvailable("QPSQL") || !server.started)
        GTEST_SKIP() << "no PostgreSQL server binaries or Qt driver";
    ArchiveFixture archive;
    QString error;
    const auto target = parseArchiveTarget("postgresql://plotwise:NotShown42@/postgres?host=" + QString::fromStdString(server.folder.path()), &error);
    ASSERT_TRUE(target) << error.toStdString();
    for (int run = 0; run < 2; ++run) {
        const auto counts = archive.index(-1, *target);
        EXPECT_EQ(counts.filesRead, run == 0 ? counts.added : 0);
    }
    archive.index();
    EXPECT_EQ(lines(archive.find({}, *target)), lines(archive.find()));
    // The search never writes.
    ArchiveDatabase database;
    ASSERT_TRUE(database.open(*target, true));
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
