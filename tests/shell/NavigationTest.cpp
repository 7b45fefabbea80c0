#include "CoreFixture.h"
#include "shell/PathCfg.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

using test::CoreFixture;

std::vector<std::string> dirNames(const Form1Core& core) {
    std::vector<std::string> names;
    for (const DirListEntry& entry : core.folders().dirEntries)
        names.push_back(std::string(entry.open ? "+" : "-") + std::to_string(entry.level) +
                        entry.name);
    return names;
}

TEST(Navigation, UpWalksToTheDriveRootAndStops) {
    CoreFixture f;
    f.temp.makeFolder("a/b");
    Form1Core& core = f.start(f.temp.path("a/b"));
    core.command1Click(0);
    EXPECT_EQ(core.folders().dir, f.temp.path("a"));
    EXPECT_TRUE(core.layout().command1[0].enabled);
    core.command1Click(0);
    EXPECT_EQ(core.folders().dir, f.temp.path());
    EXPECT_FALSE(core.layout().command1[0].enabled);
    core.command1Click(0);
    EXPECT_EQ(core.folders().dir, f.temp.path());
    EXPECT_FALSE(core.layout().command1[0].enabled);
}

TEST(Navigation, ScanReenablesUpBelowTheRootOnly) {
    CoreFixture f;
    f.temp.makeFolder("a");
    Form1Core& core = f.start(f.temp.path("a"));
    core.command1Click(0); // to the drive root: disabled
    core.dir1Open(f.temp.path());
    EXPECT_FALSE(core.layout().command1[0].enabled);
    core.dir1Open(f.temp.path("a"));
    EXPECT_TRUE(core.layout().command1[0].enabled);
}

TEST(Navigation, UpRescansTheParent) {
    CoreFixture f;
    f.temp.makeFolder("a/b");
    f.temp.write("a/A.nrcur", test::nrcurFile());
    Form1Core& core = f.start(f.temp.path("a/b"));
    EXPECT_EQ(core.curveList().count(), 0);
    core.command1Click(0);
    EXPECT_EQ(core.curveList().count(), 1);
    EXPECT_EQ(core.folders().files, std::vector<std::string>{"A.nrcur"});
}

TEST(Navigation, ShellFolderOnAnotherDriveSwitchesDriveFirst) {
    CoreFixture f;
    test::TempFolder other;
    other.makeFolder("Desktop");
    f.platform.driveList.push_back({other.path(), other.path() + " [OTHER]"});
    f.platform.shellFolders[ShellFolder::Desktop] = other.path("Desktop");
    Form1Core& core = f.start();
    core.command1Click(1);
    EXPECT_EQ(core.folders().dir, other.path("Desktop"));
    EXPECT_EQ(core.folders().drive, other.path() + " [OTHER]");
    EXPECT_TRUE(core.layout().command1[0].enabled);
}

TEST(Navigation, ShellFolderAtADriveRootDisablesUp) {
    CoreFixture f;
    f.platform.shellFolders[ShellFolder::Documents] = f.temp.path() + "/";
    Form1Core& core = f.start();
    core.command1Click(2);
    EXPECT_EQ(core.folders().dir, f.temp.path());
    EXPECT_FALSE(core.layout().command1[0].enabled);
}

TEST(Navigation, MissingShellFolderLeavesFolderUnchanged) {
    CoreFixture f;
    f.platform.shellFolders[ShellFolder::NetworkPlaces] = f.temp.path("no such folder");
    Form1Core& core = f.start();
    for (int button : {3, 4}) {
        core.command1Click(button);
        EXPECT_EQ(core.folders().dir, f.work) << button;
    }
}

TEST(Navigation, PreviousFolderWithoutPathCfgGoesToProgramFolder) {
    CoreFixture f;
    Form1Core& core = f.start();
    core.command1Click(5);
    EXPECT_EQ(core.folders().dir, f.program);
    EXPECT_FALSE(core.layout().grid2.visible);
}

TEST(Navigation, PreviousFolderRestoresPathCfg) {
    CoreFixture f;
    f.temp.makeFolder("kept, with comma");
    f.temp.write("Console/PATH.CFG", PathCfg{"/", f.temp.path("kept, with comma")}.text());
    Form1Core& core = f.start();
    EXPECT_EQ(core.folders().dir, f.work); // working folder has no PATH.CFG
    core.command1Click(5);
    EXPECT_EQ(core.folders().dir, f.temp.path("kept, with comma"));
}

TEST(Navigation, DriveChangeOpensTheDriveRoot) {
    CoreFixture f;
    test::TempFolder other;
    other.write("R.nrcur", test::nrcurFile());
    f.platform.driveList.push_back({other.path(), other.path() + " [OTHER]"});
    Form1Core& core = f.start();
    core.drive1Change(other.path() + " [OTHER]");
    EXPECT_EQ(core.folders().dir, other.path());
    EXPECT_EQ(core.curveList().count(), 1);
    core.drive1Change("Z: [NOT THERE]");
    EXPECT_EQ(core.folders().dir, other.path());
}

TEST(Navigation, FolderListShowsAncestorsThenSubfolders) {
    CoreFixture f;
    f.temp.makeFolder("a/b/zeta");
    f.temp.makeFolder("a/b/Alpha");
    f.temp.makeFolder("a/b/.hidden");
    f.temp.write("a/b/file.txt", "x");
    Form1Core& core = f.start(f.temp.path("a/b"));
    EXPECT_EQ(dirNames(core),
              (std::vector<std::string>{"+0" + f.temp.path(), "+1a", "+2b", "-3Alpha", "-3zeta"}));
    EXPECT_EQ(core.folders().dirEntries[3].path, f.temp.path("a/b/Alpha"));
    EXPECT_EQ(core.folders().files, std::vector<std::string>{"file.txt"});
}

TEST(Navigation, OpeningAMissingFolderChangesNothing) {
    CoreFixture f;
    Form1Core& core = f.start();
    core.dir1Open(f.temp.path("missing"));
    EXPECT_EQ(core.folders().dir, f.work);
}

TEST(Navigation, RefreshOutsideResultFolderRescansOnce) {
    CoreFixture f;
    Form1Core& core = f.start();
    EXPECT_EQ(core.curveList().count(), 0);
    f.temp.write("work/New.nrcur", test::nrcurFile());
    core.check2Click(true);
    EXPECT_EQ(core.curveList().count(), 1);
    EXPECT_FALSE(core.check2Value());
    EXPECT_FALSE(core.timers().timer1);
    EXPECT_FALSE(core.timers().timer2);
}

TEST(Navigation, EveryFolderChangeIsOneNotification) {
    CoreFixture f;
    f.temp.makeFolder("a/b");
    Form1Core& core = f.start(f.temp.path("a/b"));
    int calls = 0;
    core.onChanged = [&](unsigned changes) {
        ++calls;
        EXPECT_TRUE(changes & Change::Folders);
        EXPECT_TRUE(changes & Change::List);
    };
    core.command1Click(0);
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace plotwise
