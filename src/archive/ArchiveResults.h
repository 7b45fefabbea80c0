#pragma once
// The rows of a result table (".TSV") as the index keeps them, each with the
// curve file the result's click would open.
#include "curvefiles/FileSystem.h"

#include <optional>
#include <string>
#include <vector>

namespace plotwise::archive {

struct ResultRow {
    int line = 0;          // line number in the file, from 1
    std::string dateTime;  // "yyyy-mm-ddThh:mm:ss", "" when the row's texts are no date and time
    std::string id;        // identification (column 2)
    std::optional<int> program; // the number in column 3
    std::string fields;    // the line as written (TAB-separated)
    std::string curve;     // the curve file, relative to `root` when below it; "" when none
};

// Every result's first row (date and time not blank) after the heading line.
std::vector<ResultRow> readResultRows(const std::string& folder, const std::string& name,
                                      const std::string& root, const FileSystem& fs);

} // namespace plotwise::archive
