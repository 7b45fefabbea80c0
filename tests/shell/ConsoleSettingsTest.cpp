// The console's settings files and the console link at start-up.
#include "CoreFixture.h"
#include "shell/ConsoleSettings.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace plotwise {
namespace {

using test::CoreFixture;
using test::crlf;

TEST(ConsoleSettings, FieldsDropTabsBeyondTheFourthAndUnprintableCharacters) {
    const auto fields = settingsFields("Key\tVal\xe9ue\tc\td\te\tf\x01g");
    EXPECT_EQ(fields[0] + "|" + fields[1] + "|" + fields[4], "Key|Value|efg");
}

TEST(ConsoleSettings, KeysValuesAndFlagsAsTheConsoleWritesThem) {
    test::TempFolder temp;
    LocalFileSystem fs;
    LocalPlatform platform;
    ShellState shell;
    shell.consoleSettingsFolder = temp.path();
    temp.write("IP.SYS", crlf({"StationName\tLine 3\tx\ty", "  ResumeSetup  \tTrue", "Other\tz"}));
    temp.write("MONI.SYS", crlf({"  RSaveFolder\t/wrong", "RSaveFolder\t/data/RESULT/202611",
                                 "RSaveName\ta.tsv", "RSaveName\tb\xe9.tsv", "RSaveFlag\ttrue"}));
    temp.write("WAVE.SYS", crlf({"WaveAutoSavePath\t/data/WAVE ", "WaveAutoSave\tTrue"}));
    // Every setting read, as one line; flags as 1 or 0.
    auto settings = [&] {
        readConsoleSettings(shell, fs, platform);
        return shell.stationName + "|" + std::to_string(shell.resumeSetup) + "|" + shell.resumeParamFile + "|" +
               shell.rSaveFolder + "|" + shell.rSaveName + "|" + std::to_string(shell.rSaveFlag) + "|" +
               shell.waveAutoSavePath + "|" + std::to_string(shell.waveAutoSave);
    };
    // The untrimmed key is another key, the last line wins, non-ASCII is
    // dropped, "true" is not "True" and values keep their blanks.
    EXPECT_EQ(settings(), "Line 3|1|" + temp.path("Resume.nrpar") + "|/data/RESULT/202611|b.tsv|0|/data/WAVE |1");

    // A re-read keeps what the files no longer say; a key alone empties its value.
    temp.write("IP.SYS", crlf({"StationName", "ResumeSetup\tFalse"}));
    std::filesystem::remove(temp.path("WAVE.SYS"));
    temp.write("MONI.SYS", "");
    EXPECT_EQ(settings(), "|0|" + temp.path("Resume.nrpar") + "|/data/RESULT/202611|b.tsv|0|/data/WAVE |1");
}

// A TAVRIN console beside the program, its result folder below the temporary
// folder ("" for the drive root "/"): the window opens on it when it can.
TEST(ConsoleLink, OpensTheResultFolderWhenItCan) {
    const struct {
        const char* name;
        std::string rSaveFolder;
        bool linked;
        std::string folder; // where the folder list ends up
    } rows[] = {
        {"real folder", "results", true, "results"},
        {"drive root", "", true, "work"},
        {"missing folder", "no/such/folder", false, "work"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CoreFixture f;
        f.temp.makeFolder("results");
        const std::string rSaveFolder = row.rSaveFolder.empty() ? "/" : f.temp.path(row.rSaveFolder);
        f.temp.write("Console/TAVRIN UserConsole.exe", test::consoleExecutable("1.0.3.0"));
        f.temp.write("appdata/TAVRIN_1.030/Console/MONI.SYS",
                     crlf({"RSaveFolder\t" + rSaveFolder, "RSaveName\t", "RSaveFlag\tTrue"}));
        Form1Core& core = f.start();
        EXPECT_EQ(core.shellState().rSaveFolder, rSaveFolder);
        EXPECT_EQ(core.folders().dir, f.temp.path(row.folder));
        EXPECT_EQ(core.texts().caption.find("Linked with TAVRIN") != std::string::npos, row.linked);
    }
}

} // namespace
} // namespace plotwise
