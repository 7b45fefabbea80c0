#pragma once
// Finding the curve file of a result line from its date, time and identifiers.
#include "FileSystem.h"

#include <string>

namespace plotwise {

struct ResultLineKey {
    std::string date;      // 10 characters: yyyy?mm?dd
    std::string time;      // 8 characters: hh?mi?ss
    std::string sec;       // "0" or "1"
    std::string id;        // identification, may be empty
    std::string parameter; // program number text
};

struct CurveFolders {
    std::string currentFolder;    // the folder list's folder
    std::string resultSaveFolder; // where the console writes result tables
    std::string waveSavePath;     // where the console writes curve files
};

// Candidate names N1, N2, N3 for a curve family (1 .nracd, 2 .nrcur, 3 .spacd),
// built by the patterns of CurveFileName.h that the archive index reads back;
// all empty for other families.
struct CurveFileNames {
    std::string first, second, third;
};
CurveFileNames curveFileNames(const ResultLineKey& key, int family, bool live);

// Full path of the curve file found, or "" when none is found.
std::string CF_Curve_Path(const ResultLineKey& key, int family, const CurveFolders& folders,
                          const FileSystem& fs);

} // namespace plotwise
