#pragma once
// Writing a file in one step: the bytes go to a temporary file in the target's
// folder that is renamed over the target only when all of them were written,
// flushed and synced, so a failed write leaves the earlier file as it was and
// no temporary file. A target that is a link is written through (the link
// stays); a target that is not a regular file (a FIFO, a device, a folder) is
// refused and left untouched.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QIODevice;

namespace plotwise {

// Where a file write stopped and why.
struct FileWriteFailure {
    enum class Step {
        Create, // the file could not be created
        Write,  // filling, flushing or renaming it failed
    };
    Step step = Step::Write;
    int status = 1;     // errno or the encoder's code; never 0
    std::string reason; // in the system's words, e.g. "No space left on device"
};

// Fills the opened temporary file; returns 0, or a non-zero status on failure.
using FileFiller = std::function<int(QIODevice& device)>;

// Asked once the bytes are written and synced, just before the target is
// replaced: false drops the temporary file and leaves the target as it was
// (the write then returns nullopt; the caller knows what it answered).
using ReplaceGate = std::function<bool()>;

// Writes the file (UTF-8 path) through `fill`; nullopt on success.
std::optional<FileWriteFailure> writeFileAtomically(const std::string& path,
                                                    const FileFiller& fill,
                                                    const ReplaceGate& mayReplace = {});
// Writes the bytes as the file's whole content; nullopt on success.
std::optional<FileWriteFailure> writeFileAtomically(const std::string& path,
                                                    std::string_view bytes,
                                                    const ReplaceGate& mayReplace = {});

// The reason given for a target that exists and is not a regular file.
inline constexpr const char* kNotRegularFile = "not a regular file";

} // namespace plotwise
