#include "DriveRules.h"

#include "curvefiles/FileSystem.h"
#include "curvefiles/NumberText.h"

namespace plotwise {
namespace {

bool samePath(const std::string& a, const std::string& b) {
#ifdef _WIN32
    return upperAscii(a) == upperAscii(b);
#else
    return a == b;
#endif
}

// True when `root` is a folder prefix of `path` (whole path parts).
bool holds(const std::string& root, const std::string& path) {
    std::string r = normalizeFolder(root);
    std::string p = normalizeFolder(path);
    if (r.empty() || p.size() < r.size() || !samePath(p.substr(0, r.size()), r)) return false;
    return p.size() == r.size() || isPathSeparator(r.back()) || isPathSeparator(p[r.size()]);
}

bool isRootText(const std::string& path) {
    if (path.size() == 1 && isPathSeparator(path[0])) return true;
#ifdef _WIN32
    if (path.size() == 3 && path[1] == ':' && isPathSeparator(path[2])) return true;
#endif
    return false;
}

} // namespace

bool isPathSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == pathSeparator();
#endif
}

std::string normalizeFolder(const std::string& path) {
    std::string result = path;
    while (result.size() > 1 && isPathSeparator(result.back()) && !isRootText(result))
        result.pop_back();
    return result;
}

std::string upToLastSeparator(const std::string& path) {
    for (std::size_t i = path.size(); i > 0; --i)
        if (isPathSeparator(path[i - 1])) return path.substr(0, i);
    return "";
}

std::string lastPathPart(const std::string& path) {
    for (std::size_t i = path.size(); i > 0; --i)
        if (isPathSeparator(path[i - 1])) return path.substr(i);
    return path;
}

std::vector<std::string> pathChain(const std::string& root, const std::string& path) {
    std::vector<std::string> chain;
    std::string current = normalizeFolder(path);
    std::string top = normalizeFolder(root);
    while (!current.empty()) {
        chain.insert(chain.begin(), current);
        if (samePath(current, top)) break;
        std::string parent = normalizeFolder(upToLastSeparator(current));
        if (parent == current || parent.empty()) break;
        current = parent;
    }
    return chain;
}

std::string DriveRules::driveOf(const std::string& path) const {
    std::string best;
    for (const DriveEntry& drive : drives_)
        if (holds(drive.root, path) && drive.root.size() > best.size()) best = drive.root;
    return best;
}

bool DriveRules::isDriveRoot(const std::string& path) const {
    std::string folder = normalizeFolder(path);
    for (const DriveEntry& drive : drives_)
        if (samePath(normalizeFolder(drive.root), folder)) return true;
    return false;
}

std::optional<DriveEntry> DriveRules::find(const std::string& text) const {
    for (const DriveEntry& drive : drives_)
        if (drive.text == text || samePath(normalizeFolder(drive.root), normalizeFolder(text)))
            return drive;
#ifdef _WIN32
    // "C:", "c: [SYSTEM]": the drive letter decides.
    if (text.size() >= 2 && text[1] == ':')
        for (const DriveEntry& drive : drives_)
            if (samePath(drive.root.substr(0, 2), text.substr(0, 2))) return drive;
#endif
    return std::nullopt;
}

} // namespace plotwise
