#include "ImageWriteError.h"

namespace plotwise {
namespace {

std::string description(long number, int status) {
    const std::string code = std::to_string(status);
    switch (number) {
    case ImageErrorNumber::StartFailed:
        return "GDI+ failed to start";
    case ImageErrorNumber::InvalidArgument:
        return "Invalid procedure call or argument";
    case ImageErrorNumber::BitmapFailed:
        return "GdipCreateBitmapFromHBITMAP error " + code;
    case ImageErrorNumber::CreateFailed:
        return "SHCreateStreamOnFile error " + code;
    case ImageErrorNumber::SaveFailed:
        return "GdipSaveImageToStream error " + code;
    default:
        return "Error " + std::to_string(number);
    }
}

} // namespace

ImageWriteError imageWriteError(long number, const std::string& source, int status) {
    return ImageWriteError{number, source, description(number, status)};
}

ImageWriteError imageWriteError(const FileWriteFailure& failure, const std::string& source) {
    long number = failure.step == FileWriteFailure::Step::Create ? ImageErrorNumber::CreateFailed
                                                                 : ImageErrorNumber::SaveFailed;
    return imageWriteError(number, source, failure.status);
}

} // namespace plotwise
