#pragma once
#include "FolderState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace plotwise {

// Well-known shell folder numbers.
namespace ShellFolder {
inline constexpr int Desktop = 0;
inline constexpr int Documents = 5;
inline constexpr int Favorites = 6;
inline constexpr int NetworkPlaces = 19;
inline constexpr int ApplicationData = 26;
} // namespace ShellFolder

// The platform facts the window needs, each behind one call, so tests can fake
// them. LocalPlatform answers for the machine it runs on.
class Platform {
public:
    virtual ~Platform() = default;
    // The mounted volumes (Linux) or drives (Windows), in list order.
    virtual std::vector<DriveEntry> drives() const = 0;
    // Path of a shell folder by number, "" when it does not exist.
    virtual std::string specialFolderPath(int folder) const = 0;
    // The raw version record of an executable, nullopt when it has none.
    virtual std::optional<std::string> versionRecord(const std::string& executable) const = 0;
    // Size of a file in bytes; 0 when missing or unreadable.
    virtual std::int64_t fileSize(const std::string& path) const = 0;
    // True when files can be created in the folder.
    virtual bool folderWritable(const std::string& folder) const = 0;
    // The user's configuration folder for this program.
    virtual std::string userConfigFolder() const = 0;
    // Replaces a file's content in one step (write aside, then rename), so a
    // failed write leaves the earlier file intact. False on failure.
    virtual bool replaceFile(const std::string& path, const std::string& bytes) const = 0;
    // Lets the calling thread, a background worker, give way to the program's
    // other threads when the cores are busy.
    virtual void lowerThisThreadPriority() const {}
};

} // namespace plotwise
