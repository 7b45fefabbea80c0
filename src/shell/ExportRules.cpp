#include "ExportRules.h"

#include "curvefiles/FileSystem.h"
#include "curvefiles/NumberText.h"


namespace plotwise {
namespace {

int tipEntry(PictureWriter writer) {
    return LanguageTable::ConvertAllJpg + static_cast<int>(writer);
}

} // namespace

std::optional<std::string> pictureBaseName(const std::string& listPath) {
    const auto dot = listPath.find('.');
    if (dot == std::string::npos) return std::nullopt;
    return listPath.substr(0, dot);
}

const std::string& exportFormatTip(const LanguageTable& table, PictureWriter writer) {
    return table[tipEntry(writer)];
}

PictureWriter exportFormatOfTip(const LanguageTable& table, const std::string& tip) {
    for (PictureWriter writer : {PictureWriter::Jpeg, PictureWriter::Png, PictureWriter::Gif})
        if (tip == exportFormatTip(table, writer)) return writer;
    return PictureWriter::Bitmap;
}

bool convertsEntry(const std::string& rootText) {
    const auto dot = rootText.find('.');
    if (dot == std::string::npos) return false;
    const std::string upper = upperAscii(rootText);
    return !(upper.size() >= 4 && upper.compare(upper.size() - 4, 4, ".TSV") == 0);
}

std::string convertAllFileName(const std::string& folder, const std::string& rootText,
                               PictureWriter writer) {
    const std::string stem = rootText.substr(0, rootText.find('.') + 1);
    return joinPath(folder, stem + std::string(convertAllExtension(writer)));
}

std::string convertAllFileName(const std::string& folder, const std::string& rootText,
                               PictureWriter writer, std::set<std::string>& taken, bool& renamed) {
    std::string name = convertAllFileName(folder, rootText, writer);
    renamed = taken.count(name) != 0;
    const std::string fileName = rootText.substr(0, rootText.find('\\'));
    if (renamed) name = joinPath(folder, fileName + "." + std::string(convertAllExtension(writer)));
    taken.insert(name);
    return name;
}

std::string writeFailureLine(const std::string& path, const std::string& reason) {
    return "Could not save " + path + ": " + reason;
}

std::string writeFailureLine(const std::string& path, const ImageWriteError& error) {
    return writeFailureLine(path, error.reason.empty() ? error.description : error.reason);
}

} // namespace plotwise
