#pragma once
#include "ImageWriteError.h"

#include <QByteArray>
#include <QList>
#include <optional>
#include <string>

class QImage;

namespace plotwise {

// The format argument of PicSave::savePicture.
namespace ImageFormatCode {
inline constexpr int Gif = 0;
inline constexpr int Jpeg = 1;
inline constexpr int Png = 2;
} // namespace ImageFormatCode

// Writes the plot picture as a GIF, JPEG or PNG file. The program keeps one
// started writer from its first use to its end.
class PicSave {
public:
    static constexpr const char* SourceName = "PicSave";

    // The program's writer, started on first use.
    static PicSave& instance();

    // Starts over the encoders Qt offers.
    PicSave();
    // Starts over the given encoder names; the start fails (token 0) unless
    // JPEG and PNG are among them (GIF is written here).
    explicit PicSave(const QList<QByteArray>& encoders);

    bool started() const { return startToken_ != 0; }

    // Writes the picture to the file (UTF-8 path), replacing it only when
    // the whole file was written. Quality 1..100 applies to JPEG only.
    // nullopt on success.
    std::optional<ImageWriteError> savePicture(const QImage& picture, const std::string& fileName,
                                               int format, int quality) const;
    // The same encoding into memory; nullopt on success.
    std::optional<ImageWriteError> encodePicture(const QImage& picture, int format, int quality,
                                                 QByteArray& bytes) const;

private:
    // Checks the start and the arguments, and gives the picture as the
    // encoders take it.
    std::optional<ImageWriteError> prepare(const QImage& picture, int format, int quality,
                                           QImage& bitmap) const;

    unsigned long startToken_ = 0;
};

} // namespace plotwise
