#include "TextLines.h"

#include <QString>

#include <algorithm>

namespace plotwise {

std::vector<std::string_view> textLineViews(std::string_view bytes) {
    std::vector<std::string_view> lines;
    // One allocation for files whose lines end alike (LF, CR or CR LF); a file
    // that mixes lone CRs and LFs grows the list as it goes.
    lines.reserve(static_cast<std::size_t>(std::max(std::count(bytes.begin(), bytes.end(), '\n'),
                                                    std::count(bytes.begin(), bytes.end(), '\r'))) +
                  1);
    forEachTextLine(bytes, [&lines](std::string_view line) { lines.push_back(line); });
    return lines;
}

std::vector<std::string> textLines(std::string_view bytes) {
    const auto views = textLineViews(bytes);
    return std::vector<std::string>(views.begin(), views.end());
}

std::string utf8Text(std::string_view bytes) {
    // Plain ASCII is UTF-8 as it is; most files are, and a long one is then
    // copied once instead of decoded twice.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::string(bytes);
    QByteArray raw(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString decoded = QString::fromUtf8(raw);
    if (decoded.toUtf8() == raw) return std::string(bytes);
    return QString::fromLatin1(raw).toUtf8().toStdString();
}

} // namespace plotwise
