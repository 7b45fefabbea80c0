#pragma once
// Standard output of every command: what it printed must reach its reader.
#include <string_view>

namespace plotwise::cli {

// Bytes to standard output exactly as given; a failure is remembered.
void writeOutput(std::string_view bytes);

// Flushes and closes standard output. Returns `status`, or 1 with a message
// on standard error when the output could not be written (a full disk, a
// closed pipe).
int finishOutput(int status);

// A file-size limit (ulimit -f) makes a write fail with EFBIG, which is then
// reported, instead of ending the process by signal without a word.
void reportFileSizeLimit();

} // namespace plotwise::cli
