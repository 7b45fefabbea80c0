// Times the result table's page turns on a result file of 1,000,000 lines:
// the first page (TABLESHOW) and single page turns at the end of the file,
// each of which reads the file from its start.
// Usage: plotwise-table-bench [LINES]   (default 1000000; target well under 1 s)
#include "results/ResultTable.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;
using namespace plotwise;

namespace {

void writeTable(const fs::path& file, int lines) {
    std::ofstream out(file, std::ios::binary);
    out << "Line 5 results\r\n"
        << "Date\tTime\tSerial No.\tSEQ #\tJudge\tSpindle\tTorque[Nm]\tAngle[deg]\tFinal Angle[deg]\t"
           "Torque High\tTorque Low\tAngle High\tAngle Low\tProgram\r\n";
    char line[256];
    for (int i = 1; i <= lines; ++i) {
        if (i % 3 == 1) // results of three spindles: the first line names the result
            std::snprintf(line, sizeof line,
                          "2026/11/07\t%02d:%02d:%02d\tBLK-%07d\t%d\tOK\t1\t32.%02d\t45.%d\t390.0\t"
                          "34.00\t31.00\t60.0\t35.0\t1\r\n",
                          i / 3600 % 24, i / 60 % 60, i % 60, i, i, i % 100, i % 10);
        else
            std::snprintf(line, sizeof line,
                          "\t\t\t\t\t%d\t32.%02d\t45.%d\t390.0\t34.00\t31.00\t60.0\t35.0\t1\r\n",
                          i % 3 == 2 ? 2 : 3, i % 100, i % 10);
        out << line;
    }
}

template <typename F> double seconds(F&& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    const int lines = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const fs::path folder = fs::temp_directory_path() / "plotwise-table-bench";
    fs::create_directories(folder);
    const fs::path file = folder / "big.tsv";
    writeTable(file, lines);
    std::printf("result file: %d lines, %.1f MB\n", lines,
                static_cast<double>(fs::file_size(file)) / 1e6);

    LocalFileSystem files;
    const std::string path = file.string();
    ResultTable table;
    table.setPageRowTexts(ResultTable::pageRowCells("PREVIOUS 1000 LINES"),
                          ResultTable::pageRowCells("NEXT 1000 LINES"));
    double first = 0;
    for (int round = 0; round < 3; ++round)
        first = seconds([&] { table.show(files, path); });
    std::printf("first page (TABLESHOW): %.3f s, %d rows\n", first, table.rowCount());

    const double toLast = seconds([&] { table.loadLastPage(files, path); });
    std::printf("every page turned in one pass to the last: %.3f s, at line %lld\n", toLast,
                static_cast<long long>(table.linePosition()));
    double previous = 0, next = 0;
    for (int round = 0; round < 3; ++round) {
        previous = seconds([&] { table.loadPrev(files, path); });
        next = seconds([&] { table.loadNext(files, path); });
    }
    std::printf("page turn back from the last page (LOADPREV): %.3f s\n", previous);
    std::printf("page turn to the last page (LOADNEXT): %.3f s, %d rows\n", next, table.rowCount());
    const double worst = std::max({first, previous, next});
    std::printf("slowest result-table page turn (%d lines)\t%.3f s\t< 0.5 s\t%s\n", lines, worst,
                worst < 0.5 ? "ok" : "MISSED");
    fs::remove_all(folder);
    return worst < 1.0 ? 0 : 1;
}
