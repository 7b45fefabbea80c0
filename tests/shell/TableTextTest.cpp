#include "shell/TableText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace plotwise {
namespace {

long tabs(const std::string& line) {
    return std::count(line.begin(), line.end(), '\t');
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    EXPECT_EQ(start, text.size()) << "text must end with CR LF";
    return lines;
}

TEST(TableText, HeadingsOnlyGiveOneFullLine) {
    LoadedCurveTable table;
    table.setHeadings("File Name", "SP #", "Torque", "Angle", "Points");
    auto lines = linesOf(loadedCurveTableText(table));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(tabs(lines[0]), 4004);
    EXPECT_EQ(lines[0].rfind("File Name\tSP #\tTorque\tAngle\tPoints\t1\t2\t", 0), 0u);
    EXPECT_TRUE(lines[0].ends_with("\t3999\t4000"));
}

TEST(TableText, ShortRowsKeepEveryEmptyCell) {
    LoadedCurveTable table;
    int row = table.appendRow();
    table.setText(row, 0, "A.nrcur");
    table.setText(row, 6, "0.5");
    auto lines = linesOf(loadedCurveTableText(table));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(tabs(lines[1]), 4004);
    EXPECT_EQ(lines[1].substr(0, 16), "A.nrcur\t\t\t\t\t\t0.5");
}

TEST(TableText, TabInsideCellWrittenUnchanged) {
    LoadedCurveTable table;
    int row = table.appendRow();
    table.setText(row, 5, "1\t2");
    auto lines = linesOf(loadedCurveTableText(table));
    EXPECT_EQ(tabs(lines[1]), 4005);
}

} // namespace
} // namespace plotwise
