#pragma once
#include "AtomicFile.h"

#include <string>

namespace plotwise {

// A failed picture write. The numbers and descriptions are the ones the image
// writer has always reported, whatever encoder does the work now.
struct ImageWriteError {
    long number = 0;
    std::string source;
    std::string description;
    std::string reason; // what went wrong in the system's words, for messages
};

namespace ImageErrorNumber {
// The object-error base 0x80040000 as a signed 32-bit number.
inline constexpr long ObjectErrorBase = -2147221504L;
inline constexpr long InvalidArgument = 5;
inline constexpr long StartFailed = ObjectErrorBase + 18432;  // 0x80044800
inline constexpr long BitmapFailed = ObjectErrorBase + 18504; // 0x80044848
inline constexpr long CreateFailed = ObjectErrorBase + 18512; // 0x80044850
inline constexpr long SaveFailed = ObjectErrorBase + 18520;   // 0x80044858
} // namespace ImageErrorNumber

// The error of `number` with its description; `status` follows the texts
// that carry one.
ImageWriteError imageWriteError(long number, const std::string& source, int status = 0);
// A failed file write: CreateFailed when the file could not be created,
// SaveFailed when encoding or writing it failed.
ImageWriteError imageWriteError(const FileWriteFailure& failure, const std::string& source);

} // namespace plotwise
