// Start-up, shutdown, PATH.CFG and the window caption of the headless window.
#include "CoreFixture.h"
#include "shell/PathCfg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace plotwise {
namespace {

using test::CoreFixture;
using test::fileText;

constexpr int kInnerW = 12780, kInnerH = 13485, kOuterW = 12915; // an 800 x 500 plot

TEST(Form1CoreStartup, TextsWithAndWithoutLanguageFile) {
    struct Row {
        const char* name;
        std::optional<std::string> languageFile;
        std::string file; // the one file of the working folder
        bool loaded;
        std::string caption, label2, option1, tips[2], headings[2], prevRow, font;
        int charset, drawSource;
        bool listTools; // tick boxes, "Check All" and "Toggle Tag"
        int outerWidth;
        std::string resizedCaption;
    } rows[] = {
        // clang-format off
        {"built-in table, a curve file", std::nullopt, "A.nrcur", false,
         "PLOTWISE Version 3.21", "NO CURVE FILE FOUND", "100 Degree", {"UP", "Desktop"},
         {"File Name", "SP #"}, "PREVIOUS 1000 LINES\tPREVIOUS", "MS Sans Serif", 0, 2, true,
         kOuterW + 1, "PLOTWISE Version 3.21 -- Image Size = 800.066666666667 x 500"},
        {"language file, a result table",
         test::crlf({"0\tArial", "1\t128", "; translator's note", "3\tDatei", "8\tKURVE Version",
                     "12\tGrad", "20\tHOCH", "37\tZURUECK", "39\tZEILEN", "49\t -- Bild = "}),
         "results.TSV", true,
         "KURVE Version 3.21", "", "100 Grad", {"HOCH", ""},
         {"Datei", ""}, "ZURUECK 1000 ZEILEN\tZURUECK", "Arial", 128, 1, false,
         kOuterW, "KURVE Version 3.21 -- Bild = 800 x 500"},
        // clang-format on
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CoreFixture f;
        if (row.languageFile) f.temp.write("Console/CURVELANG.TXT", *row.languageFile);
        f.temp.write("work/" + row.file, row.file == "A.nrcur" ? test::nrcurFile() : "a\tb\r\n");
        Form1Core& core = f.start();
        const WindowTexts& texts = core.texts();
        EXPECT_EQ(core.shellState().languageLoaded, row.loaded);
        EXPECT_EQ(texts.caption, row.caption);
        EXPECT_EQ(texts.label2Caption, row.label2);
        EXPECT_EQ(texts.option1[1], row.option1);
        EXPECT_EQ(texts.command1Tips[0], row.tips[0]);
        EXPECT_EQ(texts.command1Tips[1], row.tips[1]);
        EXPECT_TRUE(texts.pagePrevRow.starts_with(row.prevRow)) << texts.pagePrevRow;
        ASSERT_EQ(core.grid1().rowCount(), 1);
        EXPECT_EQ(core.grid1().text(0, 0), row.headings[0]);
        EXPECT_EQ(core.grid1().text(0, 1), row.headings[1]);
        EXPECT_EQ(core.grid1().text(0, 4004), "4000");
        EXPECT_EQ(core.windowFont().name, row.font);
        EXPECT_EQ(core.windowFont().charset, row.charset);
        EXPECT_EQ(core.plot().view().drawSource, row.drawSource);
        EXPECT_EQ(core.curveList().checkBoxes, row.listTools);
        EXPECT_EQ(core.layout().command2[0].visible, row.listTools);
        EXPECT_EQ(core.layout().check1.enabled, row.listTools);
        core.formResize(kInnerW, kInnerH, row.outerWidth);
        EXPECT_EQ(texts.caption, row.resizedCaption);
    }
}

TEST(Form1CoreStartup, WheelSwitch) {
    struct Row {
        std::string commandLine;
        bool wheel;
    } rows[] = {{"", true},   {"/W", false},   {"  /W  ", false},
                {"/w", true}, {"/W /X", true}, {"-W", true}};
    for (const Row& row : rows) {
        CoreFixture f;
        f.commandLine = row.commandLine;
        Form1Core& core = f.start();
        EXPECT_EQ(core.shellState().hookMouseWheel, row.wheel) << "'" << row.commandLine << "'";
        EXPECT_EQ(core.wheelTranslationOn(), row.wheel) << "'" << row.commandLine << "'";
        core.formUnload();
        EXPECT_FALSE(core.wheelTranslationOn());
    }
}

// A folder or a curve file named on the command line: the program opens on it.
TEST(Form1CoreStartup, PathOnTheCommandLine) {
    CoreFixture f;
    f.temp.write("work/sub/B.NRCUR", test::nrcurFile("12.5"));
    f.temp.write("work/sub/C.NRCUR", test::nrcurFile("30"));
    f.startPath = f.temp.path("work/sub");
    EXPECT_EQ(f.start().folders().dir, f.temp.path("work/sub"));
    EXPECT_EQ(f.core->curveList().count(), 2);
    EXPECT_EQ(f.core->grid1().rowCount(), 1) << "a folder ticks nothing";

    f.startPath = f.temp.path("work/sub/C.NRCUR");
    f.wheelSwitch = true;
    Form1Core& core = f.start();
    EXPECT_EQ(core.folders().dir, f.temp.path("work/sub"));
    ASSERT_EQ(core.curveList().selected, 1);
    EXPECT_TRUE(core.curveList().entry(1).checked);
    ASSERT_EQ(core.grid1().rowCount(), 2) << "the file's curve is loaded for the drawing";
    EXPECT_EQ(core.grid1().text(1, 0), "C.NRCUR");
    EXPECT_TRUE(core.redrawPending());
    EXPECT_FALSE(core.shellState().hookMouseWheel) << "/W beside a path";

    // A multi-spindle file is drawn with every spindle.
    std::ifstream multi(PLOTWISE_SAMPLES_DIR "/engine_head_4spindle.nracd", std::ios::binary);
    f.temp.write("work/sub/E.NRACD", std::string(std::istreambuf_iterator<char>(multi), {}));
    EXPECT_TRUE(core.navigator().openPath(f.temp.path("work/sub/E.NRACD")));
    EXPECT_EQ(core.grid1().rowCount(), 5) << "four spindles loaded";

    // A path that cannot be opened leaves the folder as it was.
    EXPECT_FALSE(core.navigator().openPath(f.temp.path("work/missing/X.NRCUR")));
    EXPECT_EQ(core.folders().dir, f.temp.path("work/sub"));
    EXPECT_TRUE(core.navigator().openPath(f.temp.path("work")));
    EXPECT_EQ(core.folders().dir, f.work);
}

TEST(Form1CoreStartup, ConsoleDetection) {
    const std::string tavrin = test::consoleExecutable("1.0.3.0");
    const std::string querna = test::consoleExecutable("2.1.0.5");
    const std::string link = " Userconsole Software";
    struct Row {
        const char* name;
        std::vector<std::pair<std::string, std::string>> executables; // name, bytes
        std::string present, version, folder, captionTail;
        bool appDataFolder = true;
    } rows[] = {
        // clang-format off
        {"none", {}, "", "", "", ""},
        {"tavrin with record", {{"TAVRIN UserConsole.exe", tavrin}},
         "T", "1.030", "/TAVRIN_1.030/Console", "  Linked with TAVRIN" + link},
        {"moskel without record", {{"MOSKEL UserConsole.exe", test::consoleExecutable("")}},
         "M", "", "/MOSKEL_/Console", "  Linked with MOSKEL" + link},
        {"querna alone", {{"QUERNA UserConsole.exe", querna}},
         "Q", "2.105", "/QUERNA_2.105/Console", "  Linked with QUERNA" + link},
        {"tavrin and querna",
         {{"TAVRIN UserConsole.exe", tavrin}, {"QUERNA UserConsole.exe", querna}},
         "TQ", "2.105", "/QUERNA_2.105/Console", ""},
        {"empty executable", {{"TAVRIN UserConsole.exe", ""}}, "", "", "", ""},
        {"name case matters", {{"tavrin userconsole.exe", tavrin}}, "", "", "", ""},
        {"no application data folder", {{"TAVRIN UserConsole.exe", tavrin}},
         "T", "1.030", "/TAVRIN_1.030/Console", "  Linked with TAVRIN" + link, false},
        // clang-format on
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CoreFixture f;
        if (!row.appDataFolder) f.platform.shellFolders.erase(ShellFolder::ApplicationData);
        for (const auto& [name, bytes] : row.executables)
            f.temp.write("Console/" + name, bytes);
        Form1Core& core = f.start();
        const ShellState& shell = core.shellState();
        EXPECT_EQ(shell.tavrinConsolePresent, (row.present.find('T') != std::string::npos));
        EXPECT_EQ(shell.moskelConsolePresent, (row.present.find('M') != std::string::npos));
        EXPECT_EQ(shell.quernaConsolePresent, (row.present.find('Q') != std::string::npos));
        EXPECT_EQ(shell.consoleVersion, row.version);
        const std::string appData = row.appDataFolder ? f.appData : "";
        EXPECT_EQ(shell.consoleSettingsFolder, row.folder.empty() ? "" : appData + row.folder);
        EXPECT_EQ(core.texts().caption, "PLOTWISE Version 3.21" + row.captionTail);
        core.formResize(kInnerW, kInnerH, kOuterW); // the plot size replaces the link text
        EXPECT_EQ(core.texts().caption, "PLOTWISE Version 3.21 -- Image Size = 800 x 500");
    }
}

// At start (when the working folder holds PATH.CFG) and on "Previous Folder".
TEST(Form1CorePathCfg, SavedFolderAtStartAndOnPreviousFolder) {
    struct Row {
        const char* name;
        std::optional<std::string> savedFolder; // below the temporary folder
        std::string savedDrive;
        bool startInProgramFolder;
        std::string atStart, previous; // below the temporary folder
    } rows[] = {
        {"no PATH.CFG", std::nullopt, "/", true, "Console", "Console"},
        {"working folder without PATH.CFG", "a, b", "/", false, "work", "a, b"},
        {"program folder with PATH.CFG", "a, b", "/", true, "a, b", "a, b"},
        {"saved folder gone", "gone", "/", true, "Console", "Console"},
        {"saved drive gone", "a, b", "Q: [GONE]", true, "Console", "Console"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CoreFixture f;
        f.temp.makeFolder("a, b");
        if (row.savedFolder)
            f.temp.write("Console/PATH.CFG",
                         PathCfg{row.savedDrive, f.temp.path(*row.savedFolder)}.text());
        Form1Core& core = f.start(row.startInProgramFolder ? f.program : f.work);
        EXPECT_EQ(core.folders().dir, f.temp.path(row.atStart));
        core.navigator().dir1Open(f.work);
        core.navigator().command1Click(5);
        EXPECT_EQ(core.folders().dir, f.temp.path(row.previous));
    }
}

TEST(Form1CorePathCfg, RoundTrip) {
    for (bool writable : {true, false}) {
        SCOPED_TRACE(writable ? "program folder" : "unwritable program folder");
        CoreFixture f;
        f.platform.programFolderWritable = writable;
        f.temp.makeFolder("data, line 3");
        const std::string folder = f.temp.path("data, line 3");
        const std::string kept = (writable ? f.program : f.temp.path("config")) + "/PATH.CFG";
        Form1Core& core = f.start(f.program);
        EXPECT_EQ(core.navigator().pathCfgFile(), kept);
        core.navigator().dir1Open(folder);
        core.formUnload();
        const std::string saved = "\"" + f.temp.path() + " [TEMP]\"\r\n\"" + folder + "\"\r\n";
        EXPECT_EQ(fileText(kept), saved);
        EXPECT_EQ(std::filesystem::exists(f.program + "/PATH.CFG"), writable);

        Form1Core& again = f.start(writable ? f.program : f.work);
        EXPECT_EQ(again.folders().dir, folder);
        EXPECT_EQ(again.folders().drive, f.temp.path() + " [TEMP]");
        again.formUnload(); // closing at once writes the same folder back
        EXPECT_EQ(fileText(kept), saved);
    }
}

TEST(Form1CoreResize, SplitterReleaseChoosesDrawSourceByFamily) {
    CoreFixture f;
    f.temp.write("work/A.nrcur", test::nrcurFile());
    Form1Core& core = f.start();
    core.formResize(kInnerW, kInnerH, kOuterW);
    EXPECT_EQ(core.plot().view().drawSource, 1); // family 2 after the scan of a .nrcur file
    core.listPanel().treeViewClick();                 // every list click ends with family 1
    core.frame2MouseDown(1, 0, 0, 10);
    core.frame2MouseUp(1, 0, 0, -300);
    EXPECT_EQ(core.plot().view().drawSource, 2);
    EXPECT_EQ(core.layout().frame1.rect.height, 4800 - 300);
    EXPECT_TRUE(core.texts().caption.ends_with("800 x 520")) << "the caption follows the plot";
}

TEST(Form1Core, EveryHandlerNotifiesOnce) {
    CoreFixture f;
    f.temp.write("work/A.nrcur", test::nrcurFile());
    Form1Core& core = f.start();
    std::vector<unsigned> calls;
    core.onChanged = [&calls](unsigned changes) { calls.push_back(changes); };
    core.formResize(kInnerW, kInnerH, kOuterW);
    core.listPanel().command2Click(0); // Check All
    core.navigator().command1Click(0); // Up
    const unsigned expected[] = {Change::Layout | Change::Texts, Change::List | Change::Grid1,
                                 Change::Folders | Change::List};
    ASSERT_EQ(calls.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(calls[i] & expected[i], expected[i]) << i;
}

} // namespace
} // namespace plotwise
