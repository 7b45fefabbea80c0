#include "TextLines.h"

#include <QString>

namespace plotwise {

std::vector<std::string> textLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(bytes.substr(start, i - start));
        i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
    return lines;
}

std::string utf8Text(std::string_view bytes) {
    QByteArray raw(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString decoded = QString::fromUtf8(raw);
    if (decoded.toUtf8() == raw) return std::string(bytes);
    return QString::fromLatin1(raw).toUtf8().toStdString();
}

} // namespace plotwise
