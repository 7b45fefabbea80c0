#pragma once
// File names are kept as the bytes the file system gave, so that they open
// again; shown as text they are decoded as the platform decodes file names.
// Values read from inside curve files stay 8-bit text shown as Latin-1.
#include <QFile>
#include <QString>

#include <algorithm>
#include <string>

namespace plotwise {

inline QString fileNameText(const std::string& bytes) {
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

// A list text that begins with a file name ending at its first "\" (or made
// of the name alone): the name decoded as a file name, the rest as Latin-1.
inline QString nameFirstText(const std::string& text) {
    const std::size_t end = std::min(text.find('\\'), text.size());
    return fileNameText(text.substr(0, end)) +
           QString::fromLatin1(text.data() + end, static_cast<qsizetype>(text.size() - end));
}

} // namespace plotwise
