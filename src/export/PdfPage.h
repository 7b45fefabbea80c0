#pragma once
#include "AtomicFile.h"

#include <functional>
#include <optional>
#include <string>

class QPainter;

namespace plotwise {

// Writes one PDF page of widthPixels x heightPixels (96 to the inch) through
// the atomic writer; `draw` paints onto it in pixel units, so lines and text
// stay vectors.
std::optional<FileWriteFailure> writePdfPage(const std::string& path, int widthPixels,
                                             int heightPixels,
                                             const std::function<void(QPainter&)>& draw);

} // namespace plotwise
