#pragma once
// The naming and format rules of the image and text exports, apart from the
// window core so they can be checked on their own.
#include "LanguageTable.h"
#include "export/ImageWriteError.h"
#include "export/PictureWriter.h"

#include <optional>
#include <set>
#include <string>

namespace plotwise {

inline constexpr const char* kSavePictureFilter =
    "JPG File|*.jpg|PNG File|*.png|GIF File|*.gif|BMP File|*.bmp";
inline constexpr const char* kTableTextFile = "TABLE.TXT";
inline constexpr const char* kSelectCurveColorTitle = "Select Curve Color";

// The single save's start name: the list path up to its first "."; nullopt
// when the path holds none.
std::optional<std::string> pictureBaseName(const std::string& listPath);

// The remembered export format is the convert-all button's tool tip: the
// language table's text for the writer (entries 45..48) ...
const std::string& exportFormatTip(const LanguageTable& table, PictureWriter writer);
// ... and back: entry 45 JPEG, 46 PNG, 47 GIF, any other text the bitmap writer.
PictureWriter exportFormatOfTip(const LanguageTable& table, const std::string& tip);

// Whether convert all writes an image for a top-level list entry: a curve
// file entry whose path holds a "." (result tables are no curve files).
bool convertsEntry(const std::string& rootText);
// The image a convert-all run writes for a top-level entry: the folder, the
// entry's path up to and including its first ".", and the writer's extension
// ("A1234.NRCUR" gives "A1234.jpg").
std::string convertAllFileName(const std::string& folder, const std::string& rootText,
                               PictureWriter writer);
// The same within one run: when an earlier file of the run took that name
// (A.NRCUR and A.BIN), the entry's whole path and the extension ("A.BIN.jpg").
// `taken` holds the names given so far; `renamed` tells which rule named it.
std::string convertAllFileName(const std::string& folder, const std::string& rootText,
                               PictureWriter writer, std::set<std::string>& taken, bool& renamed);

// One status-bar line for a failed write of `path`, with the reason in the
// system's words ("No space left on device").
std::string writeFailureLine(const std::string& path, const std::string& reason);
std::string writeFailureLine(const std::string& path, const ImageWriteError& error);

} // namespace plotwise
