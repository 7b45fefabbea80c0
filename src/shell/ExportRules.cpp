#include "ExportRules.h"

#include "curvefiles/FileSystem.h"
#include "curvefiles/NumberText.h"

#include <QFileInfo>
#include <QString>

namespace plotwise {
namespace {

int tipEntry(PictureWriter writer) {
    return LanguageTable::ConvertAllJpg + static_cast<int>(writer);
}

QString qtPath(const std::string& path) {
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
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

std::string writeFailureLine(const std::string& path, const std::string& writerError) {
    const QFileInfo target(qtPath(path));
    const QFileInfo folder(target.absolutePath());
    const std::string name = target.fileName().toStdString();
    const std::string folderName = folder.absoluteFilePath().toStdString();
    std::string reason = writerError;
    if (!folder.exists())
        reason = "the folder " + folderName + " does not exist";
    else if (!folder.isDir())
        reason = folderName + " is not a folder";
    else if (!folder.isWritable())
        reason = "the folder " + folderName + " is not writable";
    else if (target.isDir())
        reason = "a folder of that name is in the way";
    return "Could not save " + (name.empty() ? path : name) + ": " + reason;
}

std::string writeFailureLine(const std::string& path, const ImageWriteError& error) {
    return writeFailureLine(path, error.description);
}

} // namespace plotwise
