#include "CurveFilePath.h"

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

const char* extensionOf(int family) {
    switch (family) {
    case 1: return ".nracd";
    case 2: return ".nrcur";
    case 3: return ".spacd";
    default: return nullptr;
    }
}

bool hasSuffixIgnoringCase(const std::string& name, const std::string& suffix) {
    if (name.size() < suffix.size()) return false;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        char a = name[name.size() - suffix.size() + i];
        char b = suffix[i];
        if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
        if (a != b) return false;
    }
    return true;
}

bool hasSubfolder(const FileSystem& fs, const std::string& folder) {
    auto folders = fs.subfolders(folder);
    return folders && !folders->empty();
}

} // namespace

CurveFileNames curveFileNames(const ResultLineKey& key, int family, bool live) {
    const char* ext = extensionOf(family);
    if (!ext || key.date.size() != 10 || key.time.size() != 8) return {};
    auto p = parts(key);
    const std::string d8 = p.d8(), t6 = p.t6(), s = key.sec, i = key.id, par = key.parameter;
    const std::string kind = family == 3 ? "_DIS_" : "_ANG_";
    CurveFileNames names;
    if (family == 2)
        names.first = live ? p.dd + "_" + t6 + "_01_ANGLE" + ext : d8 + "_" + t6 + "_" + s + "_01" + ext;
    else
        names.first = live ? p.dd + "_" + t6 + "_ANGLE" + ext : d8 + "_" + t6 + "_" + s + ext;
    names.second = (i.empty() ? "" : i + "_") + d8 + "_" + t6 + "_" + par + kind + s + ext;
    if (family != 3) names.third = i + "_" + p.dd + "_" + t6 + "_ANGLE" + ext;
    return names;
}

std::string CF_Curve_Path(const ResultLineKey& key, int family, const CurveFolders& folders,
                          const FileSystem& fs) {
    if (key.date.size() != 10 || key.time.size() != 8) return {};
    const char* ext = extensionOf(family);
    if (!ext) return {};
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
            if (name.empty() || !hasSuffixIgnoringCase(name, ext)) continue;
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
