#include "shell/DriveRules.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

#ifndef _WIN32
DriveRules linuxDrives() {
    return DriveRules(
        {{"/", "/"}, {"/media/usb", "/media/usb [STICK]"}, {"/mnt/data", "/mnt/data"}});
}

TEST(DriveRules, DriveOfIsTheInnermostVolume) {
    DriveRules rules = linuxDrives();
    struct Case {
        std::string path, drive;
    } cases[] = {
        {"/", "/"},
        {"/home/x", "/"},
        {"/media/usb", "/media/usb"},
        {"/media/usb/", "/media/usb"},
        {"/media/usb/curves/a", "/media/usb"},
        {"/media/usbstick", "/"},
        {"/mnt/data2/x", "/"},
        {"relative/path", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rules.driveOf(c.path), c.drive) << c.path;
}

TEST(DriveRules, DriveRoots) {
    DriveRules rules = linuxDrives();
    EXPECT_TRUE(rules.isDriveRoot("/"));
    EXPECT_TRUE(rules.isDriveRoot("/media/usb"));
    EXPECT_TRUE(rules.isDriveRoot("/media/usb/"));
    EXPECT_FALSE(rules.isDriveRoot("/media"));
    EXPECT_FALSE(rules.isDriveRoot("/ab")); // three characters, still not a drive
}

TEST(DriveRules, FindByTextOrRoot) {
    DriveRules rules = linuxDrives();
    EXPECT_EQ(rules.find("/media/usb [STICK]")->root, "/media/usb");
    EXPECT_EQ(rules.find("/media/usb/")->text, "/media/usb [STICK]");
    EXPECT_FALSE(rules.find("/media/other [X]"));
    EXPECT_FALSE(rules.find(""));
}

TEST(DriveRules, PathParts) {
    EXPECT_EQ(normalizeFolder("/a/b/"), "/a/b");
    EXPECT_EQ(normalizeFolder("/"), "/");
    EXPECT_EQ(normalizeFolder("//"), "/");
    EXPECT_EQ(upToLastSeparator("/a/b"), "/a/");
    EXPECT_EQ(upToLastSeparator("/a"), "/");
    EXPECT_EQ(upToLastSeparator("/"), "/");
    EXPECT_EQ(upToLastSeparator("name"), "");
    EXPECT_EQ(lastPathPart("/opt/Console"), "Console");
    EXPECT_EQ(lastPathPart("Console"), "Console");
    EXPECT_EQ(pathChain("/media/usb", "/media/usb/a/b"),
              (std::vector<std::string>{"/media/usb", "/media/usb/a", "/media/usb/a/b"}));
    EXPECT_EQ(pathChain("/", "/a"), (std::vector<std::string>{"/", "/a"}));
    EXPECT_EQ(pathChain("/", "/"), (std::vector<std::string>{"/"}));
}
#endif

} // namespace
} // namespace plotwise
