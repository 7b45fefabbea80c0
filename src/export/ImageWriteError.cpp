#include "ImageWriteError.h"

#include <cerrno>
#include <cstring>

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

std::string reason(long number) {
    switch (number) {
    case ImageErrorNumber::StartFailed:
        return "no JPEG or PNG encoder could be loaded";
    case ImageErrorNumber::InvalidArgument:
        return std::strerror(EINVAL);
    case ImageErrorNumber::BitmapFailed:
        return std::strerror(ENOMEM);
    default:
        return "the image could not be encoded";
    }
}

} // namespace

ImageWriteError imageWriteError(long number, const std::string& source, int status) {
    return ImageWriteError{number, source, description(number, status), reason(number)};
}

ImageWriteError imageWriteError(const FileWriteFailure& failure, const std::string& source) {
    long number = failure.step == FileWriteFailure::Step::Create ? ImageErrorNumber::CreateFailed
                                                                 : ImageErrorNumber::SaveFailed;
    ImageWriteError error = imageWriteError(number, source, failure.status);
    if (!failure.reason.empty()) error.reason = failure.reason;
    return error;
}

} // namespace plotwise
