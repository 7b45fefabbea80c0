#pragma once
// Writing a file in one step: the bytes go to a temporary file in the target's
// folder that replaces the target only when all of them were written, flushed
// and synced, so a failed write leaves the earlier file as it was and no
// temporary file. A target that is a link is written through (the link
// stays); a target that is not a regular file (a FIFO, a device, a folder) is
// refused and left untouched.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

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

// A file written and synced beside its target, not yet in its place. Dropped
// unplaced, it goes and the target stays as it was. It may be placed or
// dropped on another thread than the one that wrote it.
class PendingFile {
public:
    PendingFile(PendingFile&&) noexcept;
    PendingFile& operator=(PendingFile&&) noexcept;
    ~PendingFile();

    // Replaces the target (a rename: the bytes are on the disk already);
    // nullopt on success.
    std::optional<FileWriteFailure> place();

    class Temp;

private:
    friend std::variant<PendingFile, FileWriteFailure> writeFileBeside(const std::string&,
                                                                       const FileFiller&);
    explicit PendingFile(std::unique_ptr<Temp> temp);
    std::unique_ptr<Temp> temp_;
};

// Writes the file (UTF-8 path) beside its target through `fill`, synced.
std::variant<PendingFile, FileWriteFailure> writeFileBeside(const std::string& path,
                                                            const FileFiller& fill);

// Writes the file through `fill` and puts it in place; nullopt on success.
std::optional<FileWriteFailure> writeFileAtomically(const std::string& path,
                                                    const FileFiller& fill);
// Writes the bytes as the file's whole content; nullopt on success.
std::optional<FileWriteFailure> writeFileAtomically(const std::string& path,
                                                    std::string_view bytes);
// The filler that writes the bytes.
FileFiller bytesFiller(std::string_view bytes);

// Writes through named temporary files even where unnamed ones can be had,
// as on a file system without them (for tests).
void useNamedTemporaryFiles(bool named);

// The reason given for a target that exists and is not a regular file.
inline constexpr const char* kNotRegularFile = "not a regular file";

} // namespace plotwise
