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

} // namespace plotwise::cli
