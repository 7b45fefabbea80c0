#include "shell/LocalPlatform.h"
#include "CoreFixture.h"
#include "shell/StartupConfig.h"

#include <QDir>
#include <gtest/gtest.h>
#include <thread>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace plotwise {
namespace {

using test::fileBytes;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

// Sizes, version records and PATH.CFG writes also run through the start-up
// tests; what they leave out is checked here.
TEST(LocalPlatform, FilesAndFolders) {
    test::TempFolder temp;
    LocalPlatform platform;
    const std::string path = temp.path("PATH.CFG");
    ASSERT_TRUE(platform.replaceFile(path, "old, longer\r\n"));
    ASSERT_TRUE(platform.replaceFile(path, "new\r\n"));
    EXPECT_EQ(fileBytes(path), "new\r\n");
    const std::string blocker = temp.write("plain-file", "x");
    EXPECT_FALSE(platform.replaceFile(blocker + "/PATH.CFG", "data"));
    EXPECT_EQ(fileBytes(blocker), "x");
    temp.makeFolder("folder");
    EXPECT_EQ(platform.fileSize(path), 5);
    EXPECT_EQ(platform.fileSize(temp.path("folder")), 0);
    EXPECT_FALSE(platform.versionRecord(temp.path("missing.exe")));

    EXPECT_TRUE(platform.folderWritable(temp.path()));
    EXPECT_FALSE(platform.folderWritable(temp.path("missing")));
    EXPECT_FALSE(platform.folderWritable(blocker));
    QDir folder(QString::fromStdString(temp.path())); // the probe leaves nothing behind
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden),
              (QStringList{"PATH.CFG", "plain-file"}));
#ifdef __linux__
    // A worker gives way to the thread that started it, whatever that one's priority.
    const int callers = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    int workers = callers;
    std::thread([&] {
        platform.lowerThisThreadPriority();
        workers = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    }).join();
    EXPECT_EQ(workers, std::min(callers + 10, 19));
#endif
}

#ifndef _WIN32
TEST(LocalPlatform, DrivesAndShellFolders) {
    test::TempFolder home;
    ScopedEnv homeEnv("HOME", QByteArray::fromStdString(home.path()));
    ScopedEnv config("XDG_CONFIG_HOME", QByteArray::fromStdString(home.path(".config")));
    ScopedEnv runtime("XDG_RUNTIME_DIR", QByteArray::fromStdString(home.path("run")));
    LocalPlatform platform;
    auto drives = platform.drives();
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives.front().root, "/");
    for (const DriveEntry& drive : drives) {
        EXPECT_FALSE(drive.root.starts_with("/proc")) << drive.root;
        EXPECT_FALSE(drive.root.starts_with("/sys")) << drive.root;
    }
    for (int folder : {ShellFolder::Desktop, ShellFolder::Favorites, ShellFolder::NetworkPlaces})
        EXPECT_EQ(platform.specialFolderPath(folder), "") << folder;
    home.makeFolder("run/gvfs");
    EXPECT_EQ(platform.specialFolderPath(ShellFolder::NetworkPlaces), home.path("run/gvfs"));
    EXPECT_EQ(platform.userConfigFolder(), home.path(".config/plotwise"));
    {
        ScopedEnv xdg("XDG_DATA_HOME", "/srv/data-home");
        EXPECT_EQ(platform.specialFolderPath(ShellFolder::ApplicationData), "/srv/data-home");
    }
    ScopedEnv xdg("XDG_DATA_HOME", "relative/not/allowed");
    EXPECT_EQ(platform.specialFolderPath(ShellFolder::ApplicationData), home.path(".local/share"));
}
#endif

TEST(StartupConfig, ProgramFolderAndCommandLine) {
    {
        ScopedEnv homeEnv("PLOTWISE_HOME", "");
        StartupConfig config = startupConfigFromProcess({"/opt/pw/plotwise", "/W"}, "/opt/pw");
        EXPECT_EQ(config.commandLine, "/W");
        EXPECT_EQ(config.programFolder, QDir::toNativeSeparators("/opt/pw").toStdString());
        EXPECT_EQ(config.workingFolder,
                  QDir::toNativeSeparators(QDir::currentPath()).toStdString());
    }
    ScopedEnv homeEnv("PLOTWISE_HOME", "/srv/plotwise");
    StartupConfig config = startupConfigFromProcess({"plotwise", "a", "b"}, "/opt/pw");
    EXPECT_EQ(config.commandLine, "a b");
    EXPECT_EQ(config.programFolder, QDir::toNativeSeparators("/srv/plotwise").toStdString());
}

} // namespace
} // namespace plotwise
