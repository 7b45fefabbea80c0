#include "CoreFixture.h"
#include "shell/PathCfg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace plotwise {
namespace {

using test::CoreFixture;

std::string wide(const std::string& text) {
    std::string out;
    for (char c : text)
        out += std::string{c, '\0'};
    return out;
}

std::string consoleExecutable(const std::string& version) {
    std::string bytes = "MZ" + std::string(64, '\0') + "PE";
    if (!version.empty()) bytes += wide("Assembly Version") + std::string(2, '\0') + wide(version);
    return bytes;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(Form1CoreStartup, BuiltInTextsWithoutLanguageFile) {
    CoreFixture f;
    f.temp.write("work/A.nrcur", test::nrcurFile());
    Form1Core& core = f.start();
    const ShellState& shell = core.shellState();
    EXPECT_FALSE(shell.languageLoaded);
    EXPECT_EQ(core.texts().caption, "PLOTWISE Version 3.21");
    EXPECT_EQ(core.texts().label2Caption, "NO CURVE FILE FOUND");
    EXPECT_EQ(core.texts().option1[0], "50 Degree");
    EXPECT_EQ(core.texts().option1[5], "1200 Degree");
    EXPECT_EQ(core.texts().command1Tips[0], "UP");
    EXPECT_EQ(core.texts().command1Tips[5], "Previous Folder");
    EXPECT_EQ(core.texts().check1Tip, "DISPLAY ITEM SELECT");
    EXPECT_EQ(core.texts().command3Tips[0], "Select Color");
    EXPECT_EQ(core.texts().command3Tips[4], "Copy List to Clipboard");
    EXPECT_EQ(core.texts().command3Tips[5], "Convert All Curve as jpg Files");
    std::string prev = "PREVIOUS 1000 LINES";
    std::string row = prev;
    for (int i = 0; i < 40; ++i)
        row += "\t" + prev;
    EXPECT_EQ(core.texts().pagePrevRow, row);
    EXPECT_EQ(core.texts().pageNextRow.substr(0, 17), "NEXT 1000 LINES\tN");

    EXPECT_EQ(core.grid1().rowCount(), 1);
    EXPECT_EQ(core.grid1().text(0, 0), "File Name");
    EXPECT_EQ(core.grid1().text(0, 4), "Points");
    EXPECT_EQ(core.grid1().text(0, 5), "1");
    EXPECT_EQ(core.grid1().text(0, 4004), "4000");
    EXPECT_EQ(shell.columnWidths[40], 960);
    EXPECT_TRUE(shell.columnVisible[0]);

    WindowFont font = core.windowFont();
    EXPECT_EQ(font.name, "MS Sans Serif");
    EXPECT_EQ(font.size, 9);
    EXPECT_EQ(font.charset, 0);

    EXPECT_EQ(core.curveList().count(), 1);
    EXPECT_TRUE(core.curveList().checkBoxes);
    EXPECT_EQ(core.plot().drawSource, 2);
    EXPECT_TRUE(core.plot().redrawPending);
    EXPECT_TRUE(core.plot().gridDirty);
    EXPECT_DOUBLE_EQ(core.plot().plotTop, 210.0);
    EXPECT_DOUBLE_EQ(core.plot().panXPerStep, 0.2);
    EXPECT_DOUBLE_EQ(core.plot().panYPerStep, 0.5);
    EXPECT_EQ(core.plot().plotPointer, 2);
    EXPECT_EQ(core.spindleColors()[11], Pallet(12));
    EXPECT_TRUE(core.timers().timer3);
    EXPECT_FALSE(core.timers().timer1);
    EXPECT_TRUE(core.layout().command2[0].visible);
}

TEST(Form1CoreStartup, DrawSourceOneWithoutCheckBoxes) {
    CoreFixture f;
    f.temp.write("work/results.TSV", "a\tb\r\n");
    Form1Core& core = f.start();
    EXPECT_EQ(core.plot().drawSource, 1);
    EXPECT_FALSE(core.layout().command2[0].visible);
    EXPECT_FALSE(core.layout().check1.enabled);
}

TEST(Form1CoreStartup, LanguageFileTexts) {
    CoreFixture f;
    f.temp.write(
        "Console/CURVELANG.TXT",
        test::crlf({"0\tArial", "1\t128", "; translator's note", "3\tDatei", "8\tKURVE Version",
                    "12\tGrad", "20\tHOCH", "37\tZURUECK", "39\tZEILEN", "49\t -- Bild = "}));
    Form1Core& core = f.start();
    EXPECT_TRUE(core.shellState().languageLoaded);
    EXPECT_EQ(core.texts().caption, "KURVE Version 3.21");
    EXPECT_EQ(core.texts().option1[1], "100 Grad");
    EXPECT_EQ(core.texts().command1Tips[0], "HOCH");
    EXPECT_EQ(core.texts().command1Tips[1], "");
    EXPECT_EQ(core.texts().label2Caption, "");
    EXPECT_EQ(core.texts().pagePrevRow.substr(0, 20), "ZURUECK 1000 ZEILEN\t");
    EXPECT_EQ(core.grid1().text(0, 0), "Datei");
    EXPECT_EQ(core.grid1().text(0, 1), "");
    WindowFont font = core.windowFont();
    EXPECT_EQ(font.name, "Arial");
    EXPECT_EQ(font.charset, 128);
    core.formResize(12780, 13485, 12915);
    EXPECT_EQ(core.texts().caption, "KURVE Version 3.21 -- Bild = 800 x 500");
}

TEST(Form1CoreStartup, WheelSwitch) {
    struct Case {
        std::string commandLine;
        bool wheel;
    } cases[] = {{"", true},   {"/W", false},   {"  /W  ", false},
                 {"/w", true}, {"/W /X", true}, {"-W", true}};
    for (const Case& c : cases) {
        CoreFixture f;
        f.commandLine = c.commandLine;
        Form1Core& core = f.start();
        EXPECT_EQ(core.shellState().hookMouseWheel, c.wheel) << "'" << c.commandLine << "'";
        EXPECT_EQ(core.wheelTranslationOn(), c.wheel) << "'" << c.commandLine << "'";
        core.formUnload();
        EXPECT_FALSE(core.wheelTranslationOn());
    }
}

TEST(Form1CoreStartup, WheelKeys) {
    EXPECT_EQ(Form1Core::wheelKey(120), WheelKey::Up);
    EXPECT_EQ(Form1Core::wheelKey(1), WheelKey::Up);
    EXPECT_EQ(Form1Core::wheelKey(0), WheelKey::Down);
    EXPECT_EQ(Form1Core::wheelKey(-120), WheelKey::Down);
}

TEST(Form1CoreStartup, ConsoleDetection) {
    struct Exe {
        std::string name, bytes;
    };
    struct Case {
        const char* name;
        std::vector<Exe> executables;
        bool tavrin, moskel, querna;
        std::string version, folder, captionTail;
    } cases[] = {
        {"none", {}, false, false, false, "", "", ""},
        {"tavrin with record",
         {{"TAVRIN UserConsole.exe", consoleExecutable("1.0.3.0")}},
         true,
         false,
         false,
         "1.030",
         "/TAVRIN_1.030/Console",
         "  Linked with TAVRIN Userconsole Software"},
        {"moskel without record",
         {{"MOSKEL UserConsole.exe", consoleExecutable("")}},
         false,
         true,
         false,
         "",
         "/MOSKEL_/Console",
         "  Linked with MOSKEL Userconsole Software"},
        {"querna alone",
         {{"QUERNA UserConsole.exe", consoleExecutable("2.1.0.5")}},
         false,
         false,
         true,
         "2.105",
         "/QUERNA_2.105/Console",
         "  Linked with QUERNA Userconsole Software"},
        {"tavrin and querna",
         {{"TAVRIN UserConsole.exe", consoleExecutable("1.0.3.0")},
          {"QUERNA UserConsole.exe", consoleExecutable("2.1.0.5")}},
         true,
         false,
         true,
         "2.105",
         "/QUERNA_2.105/Console",
         ""},
        {"empty executable", {{"TAVRIN UserConsole.exe", ""}}, false, false, false, "", "", ""},
        {"name case matters",
         {{"tavrin userconsole.exe", consoleExecutable("1.0.3.0")}},
         false,
         false,
         false,
         "",
         "",
         ""},
    };
    for (const Case& c : cases) {
        CoreFixture f;
        for (const Exe& exe : c.executables)
            f.temp.write("Console/" + exe.name, exe.bytes);
        Form1Core& core = f.start();
        const ShellState& shell = core.shellState();
        EXPECT_EQ(shell.tavrinConsolePresent, c.tavrin) << c.name;
        EXPECT_EQ(shell.moskelConsolePresent, c.moskel) << c.name;
        EXPECT_EQ(shell.quernaConsolePresent, c.querna) << c.name;
        EXPECT_EQ(shell.consoleVersion, c.version) << c.name;
        EXPECT_EQ(shell.consoleSettingsFolder, c.folder.empty() ? "" : f.appData + c.folder)
            << c.name;
        EXPECT_EQ(core.texts().caption, "PLOTWISE Version 3.21" + c.captionTail) << c.name;
    }
}

TEST(Form1CoreStartup, SettingsFolderWithoutApplicationDataFolder) {
    CoreFixture f;
    f.platform.shellFolders.erase(ShellFolder::ApplicationData);
    f.temp.write("Console/TAVRIN UserConsole.exe", consoleExecutable("1.0.3.0"));
    EXPECT_EQ(f.start().shellState().consoleSettingsFolder, "/TAVRIN_1.030/Console");
}

TEST(Form1CoreResize, CaptionShowsPlotSizeAndReplacesLinkText) {
    CoreFixture f;
    f.temp.write("Console/TAVRIN UserConsole.exe", consoleExecutable("1.0.3.0"));
    Form1Core& core = f.start();
    core.formResize(12780, 13485, 12915);
    EXPECT_EQ(core.texts().caption, "PLOTWISE Version 3.21 -- Image Size = 800 x 500");
    core.formResize(12780, 13485, 12916);
    EXPECT_EQ(core.texts().caption, "PLOTWISE Version 3.21 -- Image Size = 800.066666666667 x 500");
}

TEST(Form1CoreResize, ResizeAsksForOneRedrawAndHidesLabels) {
    CoreFixture f;
    Form1Core& core = f.start();
    int calls = 0;
    core.onChanged = [&](unsigned changes) {
        ++calls;
        EXPECT_TRUE(changes & Change::Layout);
    };
    core.formResize(12780, 13485, 12915);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(core.plot().redrawPending);
    EXPECT_TRUE(core.plot().gridDirty);
    for (const WidgetGeometry& label : core.layout().label1)
        EXPECT_FALSE(label.visible);
    for (const ReferenceMarker& marker : core.plot().markers) {
        EXPECT_EQ(marker.x, 0);
        EXPECT_EQ(marker.style, 0);
    }
}

TEST(Form1CoreResize, SplitterReleaseChoosesDrawSourceByFamily) {
    CoreFixture f;
    f.temp.write("work/A.nrcur", test::nrcurFile());
    Form1Core& core = f.start();
    core.formResize(12780, 13485, 12915);
    EXPECT_EQ(core.plot().drawSource, 1); // family 2 after the scan of a .nrcur file
    core.treeViewClick();                 // every list click ends with family 1
    core.frame2MouseDown(1, 0, 0, 10);
    core.frame2MouseUp(1, 0, 0, -300);
    EXPECT_EQ(core.plot().drawSource, 2);
    EXPECT_EQ(core.layout().frame1.rect.height, 4800 - 300);
}

// ---- PATH.CFG ----

TEST(Form1CorePathCfg, RoundTripThroughProgramFolder) {
    CoreFixture f;
    f.temp.makeFolder("data, line 3");
    const std::string folder = f.temp.path("data, line 3");
    {
        Form1Core& core = f.start(f.program);
        core.dir1Open(folder);
        core.formUnload();
    }
    EXPECT_EQ(f.core->pathCfgFile(), f.program + "/PATH.CFG");
    EXPECT_EQ(fileText(f.program + "/PATH.CFG"),
              "\"" + f.temp.path() + " [TEMP]\"\r\n\"" + folder + "\"\r\n");
    Form1Core& again = f.start(f.program);
    EXPECT_EQ(again.folders().dir, folder);
    EXPECT_EQ(again.folders().drive, f.temp.path() + " [TEMP]");
    again.formUnload(); // closing at once writes the same folder back
    EXPECT_EQ(PathCfg::parse(fileText(f.program + "/PATH.CFG"))->folder, folder);
}

TEST(Form1CorePathCfg, OnlyAppliedWhenWorkingFolderHoldsIt) {
    CoreFixture f;
    f.temp.makeFolder("elsewhere");
    f.temp.write("Console/PATH.CFG", PathCfg{"/", f.temp.path("elsewhere")}.text());
    EXPECT_EQ(f.start(f.work).folders().dir, f.work);
    EXPECT_EQ(f.start(f.program).folders().dir, f.temp.path("elsewhere"));
}

TEST(Form1CorePathCfg, MissingFileKeepsWorkingFolder) {
    CoreFixture f;
    Form1Core& core = f.start(f.program);
    EXPECT_EQ(core.folders().dir, f.program);
    EXPECT_EQ(core.folders().filePath, f.program);
}

TEST(Form1CorePathCfg, VanishedFolderFallsBackToProgramFolder) {
    CoreFixture f;
    f.temp.write("Console/PATH.CFG", PathCfg{"/", f.temp.path("gone")}.text());
    f.temp.write("Console/A.nrcur", test::nrcurFile());
    Form1Core& core = f.start(f.program);
    EXPECT_EQ(core.folders().dir, f.program);
    EXPECT_EQ(core.curveList().count(), 1);
}

TEST(Form1CorePathCfg, UnwritableProgramFolderUsesConfigFolder) {
    CoreFixture f;
    f.platform.programFolderWritable = false;
    f.temp.makeFolder("data");
    {
        Form1Core& core = f.start();
        EXPECT_EQ(core.pathCfgFile(), f.temp.path("config") + "/PATH.CFG");
        core.dir1Open(f.temp.path("data"));
        core.formUnload();
    }
    EXPECT_FALSE(std::filesystem::exists(f.program + "/PATH.CFG"));
    EXPECT_EQ(f.start().folders().dir, f.temp.path("data"));
}

TEST(Form1CorePathCfg, UnknownDriveFallsBackToProgramFolder) {
    CoreFixture f;
    f.temp.makeFolder("data");
    f.temp.write("Console/PATH.CFG", PathCfg{"Q: [GONE]", f.temp.path("data")}.text());
    EXPECT_EQ(f.start(f.program).folders().dir, f.program);
}

} // namespace
} // namespace plotwise
