// plotwise-cli output on the samples, byte for byte against the files in data/.
// Regenerate a file only after checking the new output by hand.
#include "support/CommandRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using CliRun = test::CommandRun;

CliRun runCli(const std::string& arguments) {
    return test::runCommand(std::string("cd \"") + PLOTWISE_SAMPLES_DIR + "\" && \"" +
                            PLOTWISE_CLI + "\" " + arguments + " 2>/dev/null");
}

std::string readFile(const std::string& name) {
    std::ifstream in(std::string(PLOTWISE_TESTDATA_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(CliGolden, OutputMatchesTheExpectedFiles) {
    struct Row {
        const char* arguments;
        const char* expected;
        int status = 0; // 1: the load failed
    };
    const Row rows[] = {
        {"scan .", "scan-samples.txt"},
        {"scan console/CURVE/202611/20261105/ST01", "scan-st01.txt"},
        // Names padded to 40 characters, CSV units, exact markers in a spindle file.
        {"scan ../tests/cli/data/edge-scan", "scan-edge.txt"},
        {"load M8_bolt_spindle1.nrcur", "load-nrcur.txt"},
        {"load engine_head_4spindle.nracd --spindle 5", "load-nracd-5.txt"},
        {"load nr_M5_90pts.BIN", "load-bin-nutrunner.txt"},
        {"load press_90pts.BIN", "load-bin-press.txt"},
        {"load legacy_M8_bolt.CUR", "load-cur.txt"},
        {"load quill_press_partid.quernacur", "load-quernacur.txt"},
        {"load nutrunner_export_dataid.CSV", "load-csv.txt"},
        {"load truncated_295_bytes.BIN", "load-bin-unknown.txt", 1},
        {"load nr_no_peak_value.BIN", "load-bin-no-peak.txt"},
        {"load snap_fit_clip.SPCUR", "load-spcur.txt"},
        {"load quill_press_plain.QUERNACUR", "load-quernacur-plain.txt"},
        {"load press_export_kilonewton.CSV", "load-csv-kilonewton.txt"},
        {"load nutrunner_export.csv", "load-csv-degree.txt"},
        {"grid . --check engine --check door", "grid-multi.txt"},
        // Every kind ticked: row texts of every entry layout; keyed files load
        // by their own kind in a folder of mixed kinds, the others load nothing.
        {"grid . --check all", "grid-all.txt"},
        {"stats . --json --ylimits 20:30 --ylimits 2=10:", "stats-samples.json"},
        {"outliers . --json", "outliers-samples.json"},
        {"table console/RESULT/202611/st03_press_20261105.tsv", "table-st03.txt"},
        {"table paging/line5_results_2500.TSV", "table-paging-page1.txt"},
        {"table paging/line5_results_2500.TSV --page 3", "table-paging-page3.txt"},
    };
    for (const auto& row : rows) {
        CliRun run = runCli(row.arguments);
        EXPECT_EQ(run.status, row.status) << row.arguments;
        EXPECT_TRUE(run.output == readFile(row.expected)) << row.arguments << " differs from " << row.expected;
    }
}

// Readers on the edge: small files under data/edge/, each load's output in
// data/edge/<file>[.spindle<N>].txt.
TEST(CliGolden, LoadsOfReaderEdgeCases) {
    struct Row {
        const char* file;
        int spindle; // 0: no --spindle
        int status;  // 1: the load failed or loaded no sample
    } rows[] = {
        {"surplus_sample.nrcur", 0, 0},       {"two_surplus_samples.nrcur", 0, 0},
        {"largest_count.nrcur", 0, 0},        {"count_beyond_the_trace.nrcur", 0, 1},
        {"quoted_values.nrcur", 0, 0},        {"key_without_tab.nrcur", 0, 1},
        {"key_with_empty_value.nrcur", 0, 1}, {"header_ends_early.nrcur", 0, 1},
        {"negative_peak.nracd", 2, 0},        {"negative_peak.nracd", 5, 0},
        {"negative_peak.nracd", 9, 1},        {"cut_after_500_samples.cur", 0, 1},
        {"non_numeric_sample.cur", 0, 1},     {"1100_sample_lines.csv", 0, 0},
    };
    for (const Row& row : rows) {
        const std::string path = std::string(PLOTWISE_TESTDATA_DIR) + "/edge/" + row.file;
        const std::string spindle = row.spindle ? std::to_string(row.spindle) : "";
        const CliRun run = runCli("load '" + path + "'" + (row.spindle ? " --spindle " + spindle : ""));
        const std::string expected = std::string("edge/") + row.file + (row.spindle ? ".spindle" + spindle : "") + ".txt";
        EXPECT_EQ(run.status, row.status) << expected;
        EXPECT_TRUE(run.output == readFile(expected)) << expected;
    }
}

// Result tables on the edge, under data/edge-tables/: page ends, headings
// after junk lines, 40 columns kept of 60, results whose lines continue.
TEST(CliGolden, PagesOfEdgeResultTables) {
    const std::pair<const char*, int> rows[] = {
        {"lines_500", 1},         {"lines_1000", 1},           {"lines_1000", 2},
        {"sixty_columns", 1},     {"junk_before_the_heading", 1},
        {"results_of_three_lines", 1}, {"results_of_three_lines", 2},
    };
    for (const auto& [table, page] : rows) {
        const std::string stem = std::string(PLOTWISE_TESTDATA_DIR) + "/edge-tables/" + table;
        const CliRun run = runCli("table '" + stem + ".tsv' --page " + std::to_string(page));
        EXPECT_EQ(run.status, 0) << table;
        EXPECT_TRUE(run.output == readFile(std::string("edge-tables/") + table + ".page" +
                                           std::to_string(page) + ".txt"))
            << table << " page " << page;
    }
}

TEST(CliGolden, UsageErrorsExitWithTwo) {
    for (const char* arguments :
         {"", "nonsense", "scan", "scan no/such/folder", "load", "load x.nrcur --spindle many",
          "grid", "render .", "render . -o /tmp/x.tiff", "render . -o /tmp/x.png --scale 6",
          "render . -o /tmp/x.png --size 0x10", "render . -o /tmp/x.png --hs left", "table",
          "table no.tsv", "table paging/line5_results_2500.TSV --page 0",
          "curve-path paging/line5_results_2500.TSV",
          "curve-path paging/line5_results_2500.TSV --row x", "convert", "convert no/such/folder",
          "convert . --format tiff", "convert . --format .png", "stats", "stats . --ylimits 5",
          "stats . --xlimits 3=5:1", "stats . --chart c.tif", "outliers", "outliers . --threshold 0",
          "outliers . --threshold x"})
        EXPECT_EQ(runCli(arguments).status, 2) << arguments;
    EXPECT_EQ(runCli("--help").status, 0);
}

// The picture file: the size asked for, in the format its name asks for; a
// folder that cannot be written fails with 1.
TEST(CliRender, WritesThePictureInTheNamedFormat) {
    const std::string folder = testing::TempDir();
    struct Row {
        const char* file;
        const char* signature;
    } rows[] = {{"plot.png", "\x89PNG"}, {"plot.gif", "GIF8"}, {"plot.bmp", "BM"},
                {"plot.jpg", "\xff\xd8"}};
    for (const Row& row : rows) {
        const std::string path = folder + "/" + row.file;
        std::remove(path.c_str());
        const CliRun run = runCli("render . -o " + path +
                                  " --check engine --scale 3 --hs 480 --size 320x200");
        EXPECT_EQ(run.status, 0) << row.file;
        std::ifstream in(path, std::ios::binary);
        std::string head(4, '\0');
        in.read(head.data(), 4);
        EXPECT_EQ(head.compare(0, std::strlen(row.signature), row.signature), 0) << row.file;
    }
    std::ifstream png(folder + "/plot.png", std::ios::binary);
    std::string header(24, '\0');
    png.read(header.data(), 24);
    auto bigEndian = [&header](int at) {
        return (static_cast<unsigned char>(header[at]) << 24) | (static_cast<unsigned char>(header[at + 1]) << 16) |
               (static_cast<unsigned char>(header[at + 2]) << 8) | static_cast<unsigned char>(header[at + 3]);
    };
    EXPECT_EQ(bigEndian(16), 320);
    EXPECT_EQ(bigEndian(20), 200);
    EXPECT_EQ(runCli("render . -o /no/such/folder/plot.png").status, 1);
}

std::string fileHead(const std::string& path, std::size_t n) {
    std::ifstream in(path, std::ios::binary);
    std::string head(n, '\0');
    in.read(head.data(), static_cast<std::streamsize>(n));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return head;
}

// Convert all on a copy of a few samples: one image per curve file (none for
// the result table), named after the file, in the format asked for.
TEST(CliConvert, WritesAnImagePerCurveFileInTheFormatAskedFor) {
    struct Row {
        const char* option;
        const char* extension;
        const char* signature;
    } rows[] = {{"", "jpg", "\xff\xd8"},
                {"--format gif", "gif", "GIF8"},
                {"--format PNG", "png", "\x89PNG"},
                {"--format bmp", "BMP", "BM"}};
    const char* samples[] = {"M8_bolt_spindle1.nrcur", "engine_head_4spindle.nracd",
                             "nr_M5_90pts.BIN", "line3_results_202611.TSV"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.extension);
        const std::string folder = testing::TempDir() + "/convert-" + row.extension;
        std::system(("rm -rf '" + folder + "' && mkdir -p '" + folder + "'").c_str());
        for (const char* sample : samples)
            std::system(("cp '" + std::string(PLOTWISE_SAMPLES_DIR) + "/" + sample + "' '" + folder + "'").c_str());
        const CliRun run = runCli("convert " + folder + " " + row.option);
        EXPECT_EQ(run.status, 0);
        std::string expected;
        for (const char* stem : {"M8_bolt_spindle1.", "engine_head_4spindle.", "nr_M5_90pts."}) {
            const std::string image = folder + "/" + stem + row.extension;
            EXPECT_NE(run.output.find(image + "\n"), std::string::npos) << image;
            EXPECT_EQ(fileHead(image, std::strlen(row.signature)), row.signature) << image;
        }
        EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 3) << run.output;
    }
    EXPECT_EQ(runCli("convert " + testing::TempDir() + "/convert-none").status, 2);
}

// A PDF of the plot, drawn by the same renderer as the picture.
TEST(CliRender, WritesAVectorPdf) {
    const std::string path = testing::TempDir() + "/plot.pdf";
    std::remove(path.c_str());
    EXPECT_EQ(runCli("render . -o " + path + " --check engine --size 640x400").status, 0);
    EXPECT_EQ(fileHead(path, 5), "%PDF-");
    EXPECT_EQ(runCli("render . -o /no/such/folder/plot.PDF").status, 1);
}

// The path printed is the folder list's (absolute) path: compared from the
// samples folder on.
TEST(CliGolden, CurvePathFollowsTheResultRowToItsCurveFile) {
    const std::string st = "curve-path console/RESULT/202611/";
    struct Row {
        std::string arguments, expected; // expected below samples/, "" for none
    };
    const Row rows[] = {
        {st + "st01_nutrunner_20261105.tsv --row 4",
         "console/CURVE/202611/20261105/ST01/20261105_080340_008_ANG_0.nracd"},
        {st + "st01_nutrunner_20261105.tsv --row 7",
         "console/CURVE/202611/20261105/ST01/ENG4712_05_080627_ANGLE.nracd"},
        {st + "st01_nutrunner_20261105.tsv --row 11", ""},
        {st + "st02_nutrunner_20261105.tsv --row 3",
         "console/CURVE/202611/20261105/ST02/BRK0815_20261105_091012_005_ANG_0.nrcur"},
        {st + "st02_nutrunner_20261105.tsv --row 8", ""}, // upper-case extension
        {st + "st02_nutrunner_20261105.tsv --row 0", ""},
        {st + "st03_press_20261105.tsv --row 6",
         "console/CURVE/202611/20261105/ST03/HUB-A17_20261105_102301_023_DIS_0.spacd"},
        // The live case searches the curve folder for the live names.
        {"curve-path live/RESULT/today.tsv --row 2 --rsave-folder live/RESULT --wave-path live/WAVE",
         "live/WAVE/ST02/08_073319_01_ANGLE.nrcur"},
        {"curve-path live/RESULT/today.tsv --row 2 --wave-path live/WAVE", ""},
    };
    for (const Row& row : rows) {
        CliRun run = runCli(row.arguments);
        EXPECT_EQ(run.status, 0) << row.arguments;
        ASSERT_FALSE(run.output.empty()) << row.arguments;
        EXPECT_EQ(run.output.back(), '\n');
        const std::string path = run.output.substr(0, run.output.size() - 1);
        if (row.expected.empty()) {
            EXPECT_EQ(path, "") << row.arguments;
        } else {
            EXPECT_EQ(path.front(), '/') << row.arguments;
            EXPECT_TRUE(path.ends_with("/samples/" + row.expected)) << row.arguments << " gave " << path;
        }
    }
}
