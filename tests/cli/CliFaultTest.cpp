// plotwise-cli under faults: outputs that cannot take the file, outputs that
// are no plain files, and options out of range. A failure never reports
// success, and nothing already there is lost.
#include "support/CommandRun.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

using ShellRun = test::CommandRun; // output: stdout and stderr

// Runs a shell command line in the samples folder; `cli` in it names the tool.
ShellRun shell(const std::string& line) {
    return test::runCommand("export cli=\"" + std::string(PLOTWISE_CLI) + "\"; cd \"" +
                            PLOTWISE_SAMPLES_DIR + "\" && timeout 60 bash -c '" + line + "' 2>&1");
}

bool isRoot() { return ::geteuid() == 0; }

// Each row prepares OUT in a fresh folder, runs the command with OUT and
// checks the status, a word of the message and what OUT is afterwards.
TEST(CliFaults, BadOutputsFailAndKeepWhatWasThere) {
    const std::string old = "the earlier file, kept byte for byte";
    const std::string render = "\"$cli\" render . --check engine -o ";
    // Under the size limit a coverage build could not write its counters whole and would
    // spoil those of every other run: they go nowhere (other builds ignore the variable).
    const std::string limited = "ulimit -f 4; export GCOV_PREFIX=/dev/null/uncounted; ";
    struct Row {
        const char* name;
        std::string setup;   // shell commands in the folder; $d is the folder
        std::string command; // $d/OUT is the output
        int status;
        const char* message;
        bool needsUser; // rights are not enforced for root
    } rows[] = {
        {"full disk png", "printf \"" + old + "\" > $d/OUT.png",
         limited + render + "$d/OUT.png --size 1600x1000", 1,
         "File too large", false},
        {"full disk pdf", "printf \"" + old + "\" > $d/OUT.pdf",
         limited + render + "$d/OUT.pdf --size 1600x1000", 1,
         "File too large", false},
        {"full disk convert", "cp engine_head_4spindle.nracd M8_bolt_spindle1.nrcur $d/",
         limited + "\"$cli\" convert $d --format bmp", 1,
         "0 of 2 images written; stopped at engine_head_4spindle.nracd: File too large", false},
        {"link to device", "ln -s /dev/full $d/OUT.png", render + "$d/OUT.png", 1,
         "not a regular file", false},
        {"fifo", "mkfifo $d/OUT.png", render + "$d/OUT.png", 1, "not a regular file", false},
        {"link to fifo", "mkfifo $d/fifo && ln -s fifo $d/OUT.png", render + "$d/OUT.png", 1,
         "not a regular file", false},
        {"link to file", "printf \"" + old + "\" > $d/file && ln -s file $d/OUT.png",
         render + "$d/OUT.png && test -L $d/OUT.png && head -c 4 $d/file", 0, "PNG", false},
        {"stdout full", "", "\"$cli\" scan . > /dev/full", 1, "No space left on device", false},
        {"stdout full, full tool", "", "\"$cli\" grid . > /dev/full", 1, "No space left on device",
         false},
        {"read-only folder", "printf \"" + old + "\" > $d/OUT.png && chmod 555 $d",
         render + "$d/OUT.png", 1, "Permission denied", true},
        {"unlistable folder", "", "chmod 000 $d; \"$cli\" scan $d; \"$cli\" convert $d", 1,
         "Permission denied", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.needsUser && isRoot()) continue;
        plotwise::test::TempFolder temp;
        const std::string d = "d=\"" + temp.path() + "\"; ";
        ASSERT_EQ(shell(d + row.setup).status, 0);
        const std::string before = shell(d + "ls -l $d").output;
        const ShellRun run = shell(d + row.command);
        EXPECT_EQ(run.status, row.status) << run.output;
        EXPECT_NE(run.output.find(row.message), std::string::npos) << run.output;
        shell(d + "chmod 755 $d");
        if (row.status == 0) continue;
        // No file came or went (no cut image, no temporary file), none changed.
        EXPECT_EQ(shell(d + "ls -l $d").output, before);
        for (const char* name : {"OUT.png", "OUT.pdf", "file"}) {
            if (fs::is_regular_file(temp.path(name))) {
                EXPECT_EQ(plotwise::test::fileBytes(temp.path(name)), old) << name;
            }
        }
        if (fs::exists(temp.path("fifo"))) {
            EXPECT_TRUE(fs::is_fifo(temp.path("fifo")));
        }
    }
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

// Options out of range are usage errors (2) that name what is allowed, and
// a command with nothing to do fails (1); neither writes a file.
TEST(CliFaults, BadOptionsAndEmptyRunsWriteNothing) {
    plotwise::test::TempFolder temp;
    const std::string out = temp.path("plot.png");
    const std::string render = "\"$cli\" render . --check engine -o " + out + " ";
    const std::string paging = "\"$cli\" table paging/line5_results_2500.TSV --page ";
    struct Row {
        std::string command;
        int status;
        const char* message;
    } rows[] = {
        {render + "--size 99999x99999", 2, "16 to 16384 pixels"},
        {render + "--size 0x10", 2, "16 to 16384 pixels"},
        {render + "--ymax abc", 2, "a number above 0"},
        {render + "--hs 99999999999", 2, "from -500 to 9999"},
        {render + "--vs -10001", 2, "from -10000 to 10000"},
        {"\"$cli\" render . -o " + out, 1, "no curve drawn"},
        {"\"$cli\" convert " + temp.path(), 1, "no curve file"},
        {paging + "4", 2, "line5_results_2500.TSV has 3 pages"},
        {paging + "2147483647", 2, "has 3 pages"},
        {"\"$cli\" load no_such_file.nrcur", 1, "No such file or directory"},
        {"\"$cli\" load README.md", 1, "no sample was loaded"},
        {"\"$cli\" load .", 1, "not a regular file"},
        {"\"$cli\" load engine_head_4spindle.nracd --spindle 99", 1, "for spindle 99"},
        {"\"$cli\" load -- -dash.nrcur", 1, "-dash.nrcur: No such file"},
        {"\"$cli\" stats . --chart /no/such/chart.pdf", 1, "/no/such/chart.pdf: No such file"},
        {"QT_QPA_PLATFORM=xcb DISPLAY= WAYLAND_DISPLAY= " + render + "&& rm " + out, 0, ""},
    };
    for (const Row& row : rows) {
        const ShellRun run = shell(row.command);
        EXPECT_EQ(run.status, row.status) << row.command << "\n" << run.output;
        EXPECT_NE(run.output.find(row.message), std::string::npos) << row.command << "\n" << run.output;
        EXPECT_FALSE(fs::exists(out)) << row.command;
        EXPECT_EQ(run.output.find("QPainter"), std::string::npos) << run.output;
    }
}

} // namespace
