// The curve list and navigation handlers of the headless window.
#include "CoreFixture.h"
#include "support/GuiApp.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

using test::CoreFixture;
using test::Strings;

const std::string kThreeSpindles = test::multiFileText("1\t2\t3", "10.5\t11.5\t12.5");

TEST(CurveListHandlers, CheckAllThenUncheckAll) {
    CoreFixture f;
    f.put("A.nrcur", test::nrcurFile("25.34"));
    f.put("B.nrcur", test::nrcurFile("31.00"));
    f.put("m/M.NRACD", kThreeSpindles);
    Form1Core& core = f.start();
    core.listPanel().command2Click(0);
    EXPECT_EQ(f.ticks(), "xx");
    EXPECT_EQ(f.gridRows(), (Strings{"A.nrcur|1", "B.nrcur|1"})); // the spindle from the loaded file
    EXPECT_EQ(core.plot().view().drawSource, 2);
    EXPECT_EQ(core.loadState().curveFileFamily, 1);
    EXPECT_TRUE(core.layout().command3[2].enabled && core.layout().command3[4].enabled);
    core.listPanel().command2Click(1);
    EXPECT_EQ(f.ticks(), "--");
    EXPECT_EQ(core.grid1().rowCount(), 1);

    core.navigator().dir1Open(f.temp.path("work/m")); // Check All reaches the spindles of an expanded file
    core.listPanel().setEntryExpanded(0, true);
    core.listPanel().command2Click(0);
    EXPECT_EQ(f.gridRows(), (Strings{"M.NRACD| 1", "M.NRACD| 2", "M.NRACD| 3"}));
}

TEST(CurveListHandlers, ClickSelectsCurveOrResultTable) {
    CoreFixture f;
    f.put("M.NRACD", kThreeSpindles);
    Form1Core& core = f.start();
    core.listPanel().setEntryExpanded(0, true);
    core.listPanel().setEntryChecked(2, true);
    core.listPanel().setEntryChecked(3, true);
    core.listPanel().treeViewSelect(3);
    core.listPanel().treeViewClick();
    EXPECT_EQ(f.gridRows({0, 4}), (Strings{"M.NRACD| 1", "M.NRACD| 1"})); // loaded
    EXPECT_EQ(core.selectedCurveRow(), 2);
    EXPECT_TRUE(core.layout().command3[0].enabled);
    EXPECT_EQ(core.selectedEntryText(), core.curveList().fullPath(3));
    EXPECT_EQ(core.listPanel().tableFile(), core.curveList().fullPath(3));
    core.listPanel().treeViewSelect(1); // an unticked spindle: "Select Color" off
    core.listPanel().treeViewClick();
    EXPECT_FALSE(core.layout().command3[0].enabled);
    EXPECT_EQ(core.selectedCurveRow(), 0);

    const std::string drawn = core.selectedEntryText();
    f.put("A.TSV", "x\r\n");
    core.navigator().check2Click(true); // outside the result folder REFRESH rescans once
    EXPECT_FALSE(core.navigator().check2Value());
    EXPECT_FALSE(core.timers().timer1 || core.timers().timer2);
    ASSERT_GE(f.entryNamed("A.TSV"), 0); // a result table is remembered, not drawn
    EXPECT_TRUE(core.layout().command2[0].visible);
    f.click("A.TSV");
    EXPECT_EQ(core.listPanel().tableFile(), "A.TSV");
    EXPECT_EQ(core.selectedEntryText(), drawn);
    EXPECT_EQ(core.grid1().rowCount(), 1);
    // "Check All" and "Uncheck All" belong to the list, not the table over it.
    EXPECT_FALSE(core.layout().command2[0].visible || core.layout().command2[1].visible);
    core.navigator().dir1Open(f.work); // the folder opened again shows the list
    EXPECT_FALSE(core.layout().grid2.visible);
    EXPECT_TRUE(core.layout().command2[1].visible);
}

// The kind of the curve drawn decides the axes, in a folder whose last file
// scanned is a torque curve; a list click then follows the new curves' end.
TEST(CurveListHandlers, PressCurvesGetLoadAxesAndTheViewFollowsNewCurves) {
    test::guiApp(); // the drawing needs fonts
    const std::pair<const char*, int> files[] = {{"press_90pts.BIN", 13},
                                                 {"press_export_kilonewton.CSV", 10},
                                                 {"quill_press_plain.QUERNACUR", 13},
                                                 {"press_fit_bearing.spcur", 19}};
    for (const auto& [file, curveEnd] : files) {
        CoreFixture f;
        f.put(file, test::fileBytes(std::string(PLOTWISE_SAMPLES_DIR "/") + file));
        f.put("zz_bolt.nrcur", test::fileBytes(PLOTWISE_SAMPLES_DIR "/M8_bolt_spindle1.nrcur"));
        Form1Core& core = f.start();
        core.plotPanel().hsChange(900); // the user places the view
        core.listPanel().setEntryChecked(f.entryNamed(file), true);
        core.listPanel().treeViewClick();
        core.timer3Tick();
        EXPECT_TRUE(core.texts().option1[0].starts_with("10 mm")) << file;
        EXPECT_EQ(core.plot().hs().value, curveEnd) << file; // rounded up
    }
}

TEST(CurveListHandlers, ToggleTagSwitchesPlotAndTable) {
    for (const std::string file : {"A.nrcur", "M.NRACD"}) {
        SCOPED_TRACE(file);
        CoreFixture f;
        const bool single = file == "A.nrcur";
        f.put(file, single ? test::nrcurFile() : test::multiFileText("1", "10.5"));
        Form1Core& core = f.start();
        for (bool ticked : {true, false}) {
            core.listPanel().check1Click(ticked);
            core.listPanel().treeViewClick(); // the list click keeps the choice
            EXPECT_EQ(core.layout().grid1.visible, ticked);
            EXPECT_EQ(core.layout().picture1.visible, !ticked);
        }
        EXPECT_EQ(core.plot().view().drawSource, 2);
        core.listPanel().check1Click(true);
        core.navigator().check2Click(true); // refresh: a scan of single curves unticks the tag
        EXPECT_EQ(core.check1Value(), !single);
        EXPECT_EQ(core.layout().picture1.visible, single);
        EXPECT_TRUE(core.layout().check1.enabled);
    }
}

TEST(CurveListHandlers, SpindleColourPick) {
    CoreFixture f;
    f.put("M.NRACD", test::multiFileText("1\t3", "10.5\t12.5"));
    f.put("P.SPACD", test::multiFileText("2", "4.5"));
    Form1Core& core = f.start();
    const int spindle3 = f.entryNamed("Spindle  3");
    ASSERT_GE(spindle3, 0);
    EXPECT_FALSE(core.listPanel().colorPickTitle()); // nothing selected
    for (const char* other : {"Press  2", "M.NRACD"}) {
        core.listPanel().treeViewSelect(f.entryNamed(other));
        EXPECT_FALSE(core.listPanel().colorPickTitle()) << other;
    }
    core.listPanel().treeViewSelect(spindle3);
    EXPECT_EQ(core.listPanel().colorPickTitle(), "Select Spindle  3 Curve Color");
    core.listPanel().applySpindleColor(0x00123456);
    EXPECT_EQ(core.spindleColors()[2], 0x00123456u);
    EXPECT_EQ(core.curveList().entry(spindle3).textColor, 0x00123456u);
    EXPECT_EQ(core.spindleColors()[0], Pallet(1));

    core.listPanel().setEntryChecked(spindle3, true);
    core.listPanel().setEntryExpanded(f.entryNamed("M.NRACD"), true);
    core.listPanel().treeViewClick();
    ASSERT_EQ(core.grid1().rowCount(), 2);
    EXPECT_EQ(core.grid1().textColor(1, 2), 0x00123456u);
}

TEST(Navigation, FolderListAndUpToTheDriveRoot) {
    CoreFixture f;
    for (const char* folder : {"a/b/zeta", "a/b/Alpha", "a/b/.hidden"})
        f.temp.makeFolder(folder);
    f.temp.write("a/b/file.txt", "x");
    f.temp.write("a/A.nrcur", test::nrcurFile());
    Form1Core& core = f.start(f.temp.path("a/b"));
    Strings names; // ancestors open, then the subfolders
    for (const DirListEntry& entry : core.folders().dirEntries)
        names.push_back((entry.open ? "+" : "-") + std::to_string(entry.level) + entry.name);
    EXPECT_EQ(names, (Strings{"+0" + f.temp.path(), "+1a", "+2b", "-3Alpha", "-3zeta"}));
    EXPECT_EQ(core.folders().dirEntries[3].path, f.temp.path("a/b/Alpha"));
    EXPECT_EQ(core.folders().files, Strings{"file.txt"});
    EXPECT_EQ(core.curveList().count(), 0);

    core.navigator().command1Click(0);
    EXPECT_EQ(core.folders().dir, f.temp.path("a"));
    EXPECT_EQ(core.folders().files, Strings{"A.nrcur"}); // rescanned
    EXPECT_EQ(core.curveList().count(), 1);
    EXPECT_TRUE(core.layout().command1[0].enabled);
    for (int click = 0; click < 2; ++click) {
        core.navigator().command1Click(0);
        EXPECT_EQ(core.folders().dir, f.temp.path());
        EXPECT_FALSE(core.layout().command1[0].enabled);
    }
    core.navigator().dir1Open(f.temp.path()); // a scan re-enables Up only below the root
    EXPECT_FALSE(core.layout().command1[0].enabled);
    core.navigator().dir1Open(f.temp.path("a"));
    EXPECT_TRUE(core.layout().command1[0].enabled);
    core.navigator().dir1Open(f.temp.path("missing"));
    EXPECT_EQ(core.folders().dir, f.temp.path("a"));
}

TEST(Navigation, ShellFoldersAndDrives) {
    CoreFixture f;
    test::TempFolder other;
    other.makeFolder("Desktop");
    other.write("R.nrcur", test::nrcurFile());
    const std::string otherDrive = other.path() + " [OTHER]";
    f.platform.driveList.push_back({other.path(), otherDrive});
    f.platform.shellFolders[ShellFolder::Desktop] = other.path("Desktop");
    f.platform.shellFolders[ShellFolder::Documents] = f.temp.path() + "/";
    f.platform.shellFolders[ShellFolder::NetworkPlaces] = f.temp.path("no such folder");
    Form1Core& core = f.start();
    core.navigator().command1Click(1); // on another drive: the drive switches first
    EXPECT_EQ(core.folders().dir, other.path("Desktop"));
    EXPECT_EQ(core.folders().drive, otherDrive);
    EXPECT_TRUE(core.layout().command1[0].enabled);
    core.navigator().command1Click(2); // at a drive root
    EXPECT_EQ(core.folders().dir, f.temp.path());
    EXPECT_FALSE(core.layout().command1[0].enabled);
    for (const auto& [button, line] : // missing folders: the status line says so
         std::vector<std::pair<int, std::string>>{
             {3, "No My Favorites folder on this system"},
             {4, "Cannot open " + f.temp.path("no such folder") + ": No such file or directory"}}) {
        core.navigator().command1Click(button);
        EXPECT_EQ(core.folders().dir, f.temp.path()) << button;
        EXPECT_EQ(core.texts().statusLine, line);
    }
    core.navigator().drive1Change(otherDrive);
    EXPECT_EQ(core.folders().dir, other.path());
    EXPECT_EQ(core.curveList().count(), 1);
    core.navigator().drive1Change("Z: [NOT THERE]");
    EXPECT_EQ(core.folders().dir, other.path());
}

} // namespace
} // namespace plotwise
