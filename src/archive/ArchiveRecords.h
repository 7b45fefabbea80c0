#pragma once
// What the index keeps of one curve file: one record per curve (one per
// spindle of a multi-spindle file), read with the folder scan's own readers.
#include "curvefiles/FileSystem.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plotwise::archive {

struct CurveRecord {
    std::string name;     // file name within its folder
    std::string kind;     // the name's ending in capitals: "NRCUR", "SPACD", ...
    std::string dateTime; // "yyyy-mm-ddThh:mm:ss", "" when unknown
    std::string id;       // identification from the name, "" when absent
    std::optional<int> program;
    std::optional<int> spindle;
    std::optional<double> peakY, peakX;
};

// A curve file or result table by its name's ending (any case).
bool isIndexedFile(std::string_view name);
bool isResultTable(std::string_view name);

// The cycle's date-time a file's head holds: "Date" and "Time" lines of the
// keyed formats, or the first date and time values of the comma formats.
std::string headDateTime(std::string_view head);

// Records of the named curve files of one folder (result tables give none),
// from one scan of their heads; files the scan lists nothing for give none.
std::vector<CurveRecord> readCurveRecords(const std::string& folder,
                                          const std::vector<std::string>& names,
                                          const FileSystem& fs);

} // namespace plotwise::archive
