#include "shell/LocalPlatform.h"
#include "shell/StartupConfig.h"
#include "support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace plotwise {
namespace {

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

TEST(LocalPlatform, ReplaceFileSwapsContentWhole) {
    test::TempFolder temp;
    LocalPlatform platform;
    const std::string path = temp.path("PATH.CFG");
    ASSERT_TRUE(platform.replaceFile(path, "old\r\n"));
    ASSERT_TRUE(platform.replaceFile(path, "new\r\n"));
    EXPECT_EQ(fileText(path), "new\r\n");
    EXPECT_EQ(platform.fileSize(path), 5);
}

TEST(LocalPlatform, ReplaceFileFailsWhereNoFolderCanBe) {
    test::TempFolder temp;
    LocalPlatform platform;
    const std::string blocker = temp.write("plain-file", "x");
    EXPECT_FALSE(platform.replaceFile(blocker + "/PATH.CFG", "data"));
    EXPECT_EQ(fileText(blocker), "x");
}

TEST(LocalPlatform, FileSizeTest) {
    test::TempFolder temp;
    LocalPlatform platform;
    temp.write("empty", "");
    temp.makeFolder("folder");
    EXPECT_EQ(platform.fileSize(temp.write("three", "abc")), 3);
    EXPECT_EQ(platform.fileSize(temp.path("empty")), 0);
    EXPECT_EQ(platform.fileSize(temp.path("missing")), 0);
    EXPECT_EQ(platform.fileSize(temp.path("folder")), 0);
}

TEST(LocalPlatform, VersionRecordIsTheFileOnThisPlatform) {
    test::TempFolder temp;
    LocalPlatform platform;
#ifndef _WIN32
    EXPECT_EQ(platform.versionRecord(temp.write("tool.exe", std::string("a\0b", 3))),
              std::string("a\0b", 3));
#endif
    EXPECT_FALSE(platform.versionRecord(temp.path("missing.exe")));
    EXPECT_FALSE(platform.versionRecord(temp.write("empty.exe", "")));
}

TEST(LocalPlatform, WritableFolders) {
    test::TempFolder temp;
    LocalPlatform platform;
    EXPECT_TRUE(platform.folderWritable(temp.path()));
    EXPECT_FALSE(platform.folderWritable(temp.path("missing")));
    EXPECT_FALSE(platform.folderWritable(temp.write("file", "x")));
    // The probe leaves nothing behind.
    QDir folder(QString::fromStdString(temp.path()));
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), QStringList{"file"});
}

#ifndef _WIN32
TEST(LocalPlatform, RootIsADrive) {
    LocalPlatform platform;
    auto drives = platform.drives();
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives.front().root, "/");
    for (const DriveEntry& drive : drives) {
        EXPECT_EQ(drive.root.rfind("/proc", 0), std::string::npos);
        EXPECT_EQ(drive.root.rfind("/sys", 0), std::string::npos);
    }
}

TEST(LocalPlatform, ApplicationDataFollowsXdg) {
    LocalPlatform platform;
    {
        ScopedEnv xdg("XDG_DATA_HOME", "/srv/data-home");
        EXPECT_EQ(platform.specialFolderPath(ShellFolder::ApplicationData), "/srv/data-home");
    }
    {
        ScopedEnv xdg("XDG_DATA_HOME", "relative/not/allowed");
        EXPECT_EQ(platform.specialFolderPath(ShellFolder::ApplicationData),
                  QDir::homePath().toStdString() + "/.local/share");
    }
}

TEST(LocalPlatform, MissingShellFoldersAreEmpty) {
    test::TempFolder home;
    ScopedEnv homeEnv("HOME", QByteArray::fromStdString(home.path()));
    ScopedEnv config("XDG_CONFIG_HOME", QByteArray::fromStdString(home.path(".config")));
    ScopedEnv runtime("XDG_RUNTIME_DIR", QByteArray::fromStdString(home.path("run")));
    LocalPlatform platform;
    EXPECT_EQ(platform.specialFolderPath(ShellFolder::Desktop), "");
    EXPECT_EQ(platform.specialFolderPath(ShellFolder::Favorites), "");
    EXPECT_EQ(platform.specialFolderPath(ShellFolder::NetworkPlaces), "");
    home.makeFolder("run/gvfs");
    EXPECT_EQ(platform.specialFolderPath(ShellFolder::NetworkPlaces), home.path("run/gvfs"));
    EXPECT_EQ(platform.userConfigFolder(), home.path(".config/plotwise"));
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
