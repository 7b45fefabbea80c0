#pragma once
#include "FileSystem.h"
#include "LoadState.h"

#include <optional>
#include <string>

namespace plotwise {

// Receives one call per recognised file of a folder scan, in list order.
class ListBuilder {
public:
    virtual ~ListBuilder() = default;
    virtual void TreeAdd(const std::string& summary, const std::string& waveForm) = 0;
    virtual void TreeAddMulti(const std::string& summary, const std::string& waveForm) = 0;
    virtual void TreeAddTSV(const std::string& fileName) = 0;
};

// Reads the head of every curve file of the folder and hands its summary on.
// Unreadable or malformed files contribute nothing. Returns nullopt, or why
// the folder itself could not be listed, in the system's words.
std::optional<std::string> scanFolder(const std::string& folder, const FileSystem& fs, LoadState& state,
                ListBuilder& builder);

} // namespace plotwise
