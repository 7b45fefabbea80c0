#include "CurveFilePath.h"

#include "CurveFileName.h"

namespace plotwise {
namespace {

constexpr std::size_t kResultFolderTail = 13; // "RESULT" + separator + yyyymm

struct DateTimeParts {
    std::string yyyy, mm, dd, hh, mi, ss;
    std::string d8() const { return yyyy + mm + dd; }
    std::string t6() const { return hh + mi + ss; }
};

DateTimeParts parts(const ResultLineKey& key) {
    return {key.date.substr(0, 4), key.date.substr(5, 2), key.date.substr(8, 2),
            key.time.substr(0, 2), key.time.substr(3, 2), key.time.substr(6, 2)};
}

bool hasSubfolder(const FileSystem& fs, const std::string& folder) {
    auto folders = fs.subfolders(folder);
    return folders && !folders->empty();
}

} // namespace

CurveFileNames curveFileNames(const ResultLineKey& key, int family, bool live) {
    if (!*curveNameExtension(family) || key.date.size() != 10 || key.time.size() != 8) return {};
    const auto p = parts(key);
    CurveNameParts name;
    name.family = family;
    name.date = p.d8();
    name.day = p.dd;
    name.time = p.t6();
    name.sec = key.sec;
    name.id = key.id;
    name.program = key.parameter;
    CurveFileNames names;
    name.pattern = live ? CurveNamePattern::Live : CurveNamePattern::Archive;
    names.first = formatCurveFileName(name);
    name.pattern = CurveNamePattern::Program;
    names.second = formatCurveFileName(name);
    name.pattern = CurveNamePattern::IdDay;
    names.third = formatCurveFileName(name);
    return names;
}

std::string CF_Curve_Path(const ResultLineKey& key, int family, const CurveFolders& folders,
                          const FileSystem& fs) {
    if (key.date.size() != 10 || key.time.size() != 8) return {};
    if (!*curveNameExtension(family)) return {};
    const bool live = folders.currentFolder == folders.resultSaveFolder;
    const auto names = curveFileNames(key, family, live);

    std::string root;
    if (!live && folders.currentFolder.size() >= 16) {
        std::string base = folders.currentFolder.substr(0, folders.currentFolder.size() - kResultFolderTail);
        root = joinPath(joinPath(base, "CURVE"), names.first.substr(0, 6));
    } else {
        root = folders.waveSavePath;
    }
    if (!hasSubfolder(fs, root)) return {};
    const std::string searched = live ? root : joinPath(root, names.first.substr(0, 8));
    auto subfolders = fs.subfolders(searched);
    if (!subfolders || subfolders->empty()) return {};

    std::string found;
    for (const auto& sub : *subfolders) {
        const std::string folder = joinPath(searched, sub);
        auto listed = fs.fileNames(folder);
        if (!listed) return found;
        for (const auto& name : *listed) {
            if (name.empty() || curveNameFamily(name) != family) continue;
            if (name == names.first || name == names.second ||
                (!names.third.empty() && name == names.third)) {
                found = joinPath(folder, name);
                break;
            }
        }
    }
    return found;
}

} // namespace plotwise
