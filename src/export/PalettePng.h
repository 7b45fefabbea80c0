#pragma once
#include "PicturePalette.h"

#include <string>

namespace plotwise {

// A palette PNG of the indexed picture (width x height indices, at most 256
// colours), in as few bits a pixel as its palette needs (1, 2, 4 or 8), a row
// that shares the row above's indices filtered "up", the others unfiltered,
// packed with zlib's fastest level: a plot of three colours packs into a
// quarter of the bytes an 8-bit image needs. The resolution is written when
// both its figures are above 0. Appends the file's bytes to `out`; false when
// zlib fails.
bool appendPalettePng(const IndexedPicture& picture, int width, int height, int dotsPerMeterX,
                      int dotsPerMeterY, std::string& out);

} // namespace plotwise
