#pragma once
// Cases of a test kept in a text file beside it: one case a line, fields
// split at blanks, a field that holds blanks or is empty in double quotes (a
// backslash is a plain character), and '#' outside quotes starting a comment.
#include <gtest/gtest.h>

#include <fstream>
#include <iomanip>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace plotwise::test {

using CaseFields = std::vector<std::string>;

// Every case of the file with the line it came from; fails when the file
// cannot be read.
inline std::vector<std::pair<std::string, CaseFields>> readCases(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::vector<std::pair<std::string, CaseFields>> cases;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        CaseFields f;
        for (std::string field;
             (fields >> std::ws).peek() != '#' && fields >> std::quoted(field, '"', '\0');)
            f.push_back(field);
        if (!f.empty()) cases.emplace_back(line, std::move(f));
    }
    return cases;
}

// A file of the test's data folder, whole; fails when it cannot be read.
inline std::string dataFileBytes(const std::string& name) {
    std::ifstream in(std::string(PLOTWISE_TESTDATA_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in.is_open()) << name;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace plotwise::test
