// The version record of an executable. Windows asks the system for it; on
// Linux the whole file stands in for the record, so a console executable's
// embedded version resource is found in its bytes.
#include "LocalPlatform.h"

#include <QFile>

#ifdef _WIN32
#include <windows.h>
#endif

namespace plotwise {

std::optional<std::string> LocalPlatform::versionRecord(const std::string& executable) const {
#ifdef _WIN32
    std::wstring path = QString::fromUtf8(executable.c_str()).toStdWString();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size < 1) return std::nullopt;
    std::string record(size, '\0');
    if (!GetFileVersionInfoW(path.c_str(), 0, size, record.data())) return std::nullopt;
    return record;
#else
    QFile file(QString::fromUtf8(executable.data(), qsizetype(executable.size())));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) return std::nullopt;
    return bytes.toStdString();
#endif
}

} // namespace plotwise
