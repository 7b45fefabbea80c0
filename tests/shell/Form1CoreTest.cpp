// Start-up, shutdown, PATH.CFG and the window caption of the headless window.
#include "CoreFixture.h"
#include "shell/PathCfg.h"
#include "support/CaseFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace plotwise {
namespace {

using test::CoreFixture;
using test::fileBytes;

constexpr int kInnerW = 12780, kInnerH = 13485, kOuterW = 12915; // an 800 x 500 plot

// The texts, font and switches start-up sets, as one line.
std::string startState(Form1Core& core) {
    const WindowTexts& t = core.texts();
    const bool tools = core.curveList().checkBoxes; // tick boxes, "Check All" and "Toggle Tag"
    const std::string prevRow = t.pagePrevRow.substr(0, t.pagePrevRow.find('\t', t.pagePrevRow.find('\t') + 1));
    EXPECT_EQ(core.layout().command2[0].visible, tools);
    EXPECT_EQ(core.layout().check1.enabled, tools);
    return t.caption + "|" + t.label2Caption + "|" + t.option1[1] + "|" + t.command1Tips[0] + "|" +
           t.command1Tips[1] + "|" + core.grid1().text(0, 0) + "|" + core.grid1().text(0, 1) + "|" +
           core.grid1().text(0, 4004) + "|" + prevRow +
           "|" + core.windowFont().name + "|" + std::to_string(core.windowFont().charset) + "|" +
           std::to_string(core.plot().view().drawSource) + (tools ? "|tools" : "|");
}

TEST(Form1CoreStartup, TextsWithAndWithoutLanguageFile) {
    for (const auto& [line, row] : test::readCases(PLOTWISE_TESTDATA_DIR "/start_texts.txt")) {
        CoreFixture f;
        if (row[1] != "(none)") f.temp.write("Console/CURVELANG.TXT", fileBytes(PLOTWISE_TESTDATA_DIR "/" + row[1]));
        f.put(row[2], row[2] == "A.nrcur" ? test::nrcurFile() : "a\tb\r\n");
        Form1Core& core = f.start();
        EXPECT_EQ(core.shellState().languageLoaded, row[1] != "(none)") << line;
        ASSERT_EQ(core.grid1().rowCount(), 1) << line;
        EXPECT_EQ(startState(core), test::bytesOf(row[5])) << line;
        core.formResize(kInnerW, kInnerH, std::stoi(row[3]));
        EXPECT_EQ(core.texts().caption, row[4]) << line;
    }
}

TEST(Form1CoreStartup, WheelSwitch) {
    const std::pair<std::string, bool> rows[] = {{"", true},   {"/W", false},   {"  /W  ", false},
                                                 {"/w", true}, {"/W /X", true}, {"-W", true}};
    for (const auto& [commandLine, wheel] : rows) {
        CoreFixture f;
        f.commandLine = commandLine;
        Form1Core& core = f.start();
        EXPECT_EQ(core.shellState().hookMouseWheel, wheel) << "'" << commandLine << "'";
        EXPECT_EQ(core.wheelTranslationOn(), wheel) << "'" << commandLine << "'";
        core.formUnload();
        EXPECT_FALSE(core.wheelTranslationOn());
    }
}

// A folder or a curve file named on the command line: the program opens on it.
TEST(Form1CoreStartup, PathOnTheCommandLine) {
    CoreFixture f;
    f.put("sub/B.NRCUR", test::nrcurFile("12.5"));
    f.put("sub/C.NRCUR", test::nrcurFile("30"));
    f.startPath = f.temp.path("work/sub");
    EXPECT_EQ(f.start().folders().dir, f.startPath);
    EXPECT_EQ(f.core->curveList().count(), 2);
    EXPECT_EQ(f.core->grid1().rowCount(), 1) << "a folder ticks nothing";

    f.startPath = f.temp.path("work/sub/C.NRCUR");
    f.wheelSwitch = true;
    Form1Core& core = f.start();
    EXPECT_EQ(core.folders().dir, f.temp.path("work/sub"));
    EXPECT_EQ(core.curveList().selected, 1);
    EXPECT_EQ(f.ticks(), "-x");
    EXPECT_EQ(f.gridRows({0}), test::Strings{"C.NRCUR"}) << "the file's curve is loaded for the drawing";
    EXPECT_TRUE(core.redrawPending());
    EXPECT_FALSE(core.shellState().hookMouseWheel) << "/W beside a path";

    // A multi-spindle file is drawn with every spindle.
    f.put("sub/E.NRACD", test::fileBytes(PLOTWISE_SAMPLES_DIR "/engine_head_4spindle.nracd"));
    EXPECT_TRUE(core.navigator().openPath(f.temp.path("work/sub/E.NRACD")));
    EXPECT_EQ(core.grid1().rowCount(), 5) << "four spindles loaded";

    // A path that cannot be opened leaves the folder as it was.
    EXPECT_FALSE(core.navigator().openPath(f.temp.path("work/missing/X.NRCUR")));
    EXPECT_EQ(core.folders().dir, f.temp.path("work/sub"));
    EXPECT_TRUE(core.navigator().openPath(f.work));
    EXPECT_EQ(core.folders().dir, f.work);
}

TEST(Form1CoreStartup, ConsoleDetection) {
    for (const auto& [line, row] : test::readCases(PLOTWISE_TESTDATA_DIR "/console_detection.txt")) {
        CoreFixture f;
        for (std::size_t i = 5; i < row.size(); ++i) {
            const std::string version = row[i].substr(row[i].find('=') + 1);
            if (row[i] == "no-appdata") f.platform.shellFolders.erase(ShellFolder::ApplicationData);
            else f.temp.write("Console/" + row[i].substr(0, row[i].find('=')),
                              version == "(empty)" ? "" : test::consoleExecutable(version));
        }
        Form1Core& core = f.start();
        const ShellState& shell = core.shellState();
        std::string folder = shell.consoleSettingsFolder;
        if (folder.starts_with(f.appData)) folder.replace(0, f.appData.size(), "@");
        EXPECT_EQ(std::string(shell.tavrinConsolePresent ? "T" : "") + (shell.moskelConsolePresent ? "M" : "") +
                      (shell.quernaConsolePresent ? "Q" : "") + "|" + shell.consoleVersion + "|" + folder +
                      "|" + core.texts().caption,
                  row[1] + "|" + row[2] + "|" + row[3] + "|PLOTWISE Version 3.21" + row[4]) << line;
        core.formResize(kInnerW, kInnerH, kOuterW); // the plot size replaces the link text
        EXPECT_EQ(core.texts().caption, "PLOTWISE Version 3.21 -- Image Size = 800 x 500") << line;
    }
}

TEST(Form1CorePathCfg, SavedFolderAtStartAndOnPreviousFolder) {
    for (const auto& [line, row] : test::readCases(PLOTWISE_TESTDATA_DIR "/saved_folder.txt")) {
        CoreFixture f;
        f.temp.makeFolder("a, b");
        if (row[1] != "(none)") f.temp.write("Console/PATH.CFG", PathCfg{row[2], f.temp.path(row[1])}.text());
        Form1Core& core = f.start(f.temp.path(row[3]));
        EXPECT_EQ(core.folders().dir, f.temp.path(row[4])) << line;
        core.navigator().dir1Open(f.work);
        core.navigator().command1Click(5);
        EXPECT_EQ(core.folders().dir, f.temp.path(row[5])) << line;
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
        EXPECT_EQ(fileBytes(kept), saved);
        EXPECT_EQ(std::filesystem::exists(f.program + "/PATH.CFG"), writable);

        Form1Core& again = f.start(writable ? f.program : f.work);
        EXPECT_EQ(again.folders().dir, folder);
        EXPECT_EQ(again.folders().drive, f.temp.path() + " [TEMP]");
        again.formUnload(); // closing at once writes the same folder back
        EXPECT_EQ(fileBytes(kept), saved);
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
