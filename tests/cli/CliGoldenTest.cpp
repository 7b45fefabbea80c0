// plotwise-cli on the samples: each line of data/cases.txt runs the tool in
// the samples folder and compares its exit status and its output, byte for
// byte, with a file in data/. Regenerate a file only after checking the new
// output by hand.
#include "support/CaseFile.h"
#include "support/CommandRun.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

namespace {

using CliRun = test::CommandRun;

CliRun runCli(const std::string& arguments) {
    return test::runCommand(std::string("cd \"") + PLOTWISE_SAMPLES_DIR + "\" && \"" +
                            PLOTWISE_CLI + "\" " + arguments + " 2>/dev/null");
}

} // namespace

TEST(CliGolden, OutputMatchesTheExpectedFiles) {
    std::istringstream cases(plotwise::test::dataFileBytes("cases.txt"));
    const std::string samples = PLOTWISE_SAMPLES_DIR;
    std::string line;
    int rows = 0;
    while (std::getline(cases, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        int status = -1;
        std::string expected, arguments;
        fields >> status >> expected >> std::ws;
        std::getline(fields, arguments);
        ++rows;
        CliRun run = runCli(arguments);
        EXPECT_EQ(run.status, status) << arguments;
        for (auto at = run.output.find(samples); at != std::string::npos; at = run.output.find(samples))
            run.output.replace(at, samples.size(), "<samples>");
        if (expected != "*") {
            EXPECT_TRUE(run.output == (expected == "-" ? "" : plotwise::test::dataFileBytes(expected)))
                << arguments << " differs from " << expected;
        }
    }
    EXPECT_GT(rows, 80); // the cases were read
}

std::string fileHead(const std::string& path, std::size_t n) {
    std::ifstream in(path, std::ios::binary);
    std::string head(n, '\0');
    in.read(head.data(), static_cast<std::streamsize>(n));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return head;
}

// The picture file, in the format its name asks for, of the size asked for;
// the statistics pictures likewise.
TEST(CliRender, WritesThePictureInTheNamedFormat) {
    const std::string render = "render . --check engine --select engine --scale 3 --hs 480 --vs 5 --ymax 60 --size 320x200 -o ";
    const std::tuple<std::string, const char*, const char*> rows[] = {
        {render, "plot.png", "\x89PNG"}, {render, "plot.gif", "GIF8"}, {render, "plot.bmp", "BM"},
        {render, "plot.jpg", "\xff\xd8"}, {render, "plot.pdf", "%PDF-"},
        {"stats . --ylimits 20:30 --histogram ", "histogram.jpg", "\xff\xd8"},
        {"stats . --chart ", "chart.PDF", "%PDF-"}};
    plotwise::test::TempFolder temp; // of this run alone: tests run side by side
    for (const auto& [command, file, signature] : rows) {
        const std::string path = temp.path(file);
        EXPECT_EQ(runCli(command + path).status, 0) << file;
        EXPECT_EQ(fileHead(path, std::strlen(signature)), signature) << file;
    }
    // PNG: width and height big-endian from byte 16.
    EXPECT_EQ(fileHead(temp.path("plot.png"), 24).substr(16), std::string("\0\0\x01\x40\0\0\0\xc8", 8));
}

// Convert all on a copy of a few samples: one image per curve file (none for
// the result table), named after the file, in the format asked for.
TEST(CliConvert, WritesAnImagePerCurveFileInTheFormatAskedFor) {
    const char* rows[][3] = {{"", "jpg", "\xff\xd8"}, {"--format gif", "gif", "GIF8"},
                             {"--format PNG", "png", "\x89PNG"}, {"--format bmp", "BMP", "BM"}};
    plotwise::test::TempFolder temp;
    for (const auto& [option, extension, signature] : rows) {
        SCOPED_TRACE(extension);
        const std::string folder = temp.path(std::string("convert-") + extension);
        std::system(("mkdir -p '" + folder + "' && cd '" + PLOTWISE_SAMPLES_DIR +
                     "' && cp M8_bolt_spindle1.nrcur engine_head_4spindle.nracd nr_M5_90pts.BIN "
                     "line3_results_202611.TSV '" + folder + "'").c_str());
        const CliRun run = runCli("convert " + folder + " " + option);
        EXPECT_EQ(run.status, 0);
        for (const char* stem : {"M8_bolt_spindle1.", "engine_head_4spindle.", "nr_M5_90pts."}) {
            const std::string image = folder + "/" + stem + extension;
            EXPECT_NE(run.output.find(image + "\n"), std::string::npos) << image;
            EXPECT_EQ(fileHead(image, std::strlen(signature)), signature) << image;
        }
        EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 3) << run.output;
    }
}
