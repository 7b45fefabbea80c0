#pragma once
#include "FolderState.h"

#include <optional>
#include <string>
#include <vector>

namespace plotwise {

// Path rules that depend on the drives: where a path's drive ends, whether a
// folder is a drive root, and the drive selector's texts. A drive is a mounted
// volume's root on Linux and a drive letter's root ("C:\") on Windows.
class DriveRules {
public:
    explicit DriveRules(std::vector<DriveEntry> drives) : drives_(std::move(drives)) {}

    const std::vector<DriveEntry>& drives() const { return drives_; }
    // The root of the drive holding the path ("" when no drive holds it).
    std::string driveOf(const std::string& path) const;
    // True when the folder is the root of its drive.
    bool isDriveRoot(const std::string& path) const;
    // The drive selector line for a text: its own line, or the line of the
    // drive whose root or text it names; nullopt for an unknown drive.
    std::optional<DriveEntry> find(const std::string& text) const;

private:
    std::vector<DriveEntry> drives_;
};

bool isPathSeparator(char c);
// Without trailing separators, except for a root ("/", "C:\").
std::string normalizeFolder(const std::string& path);
// The path up to and including its last separator ("" when it has none).
std::string upToLastSeparator(const std::string& path);
// The text after the last separator (the whole path when it has none).
std::string lastPathPart(const std::string& path);
// The folders from the outermost down to the path itself.
std::vector<std::string> pathChain(const std::string& root, const std::string& path);

} // namespace plotwise
