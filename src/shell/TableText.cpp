#include "TableText.h"

#include "curvelist/FileNameText.h"

namespace plotwise {

std::string loadedCurveTableText(const LoadedCurveTable& table) {
    std::string text;
    text.reserve(static_cast<std::size_t>(table.rowCount()) * (LoadedCurveTable::kColumns + 64));
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < LoadedCurveTable::kColumns; ++column) {
            if (column > 0) text += '\t';
            text += table.text(row, column);
        }
        text += "\r\n";
    }
    return text;
}

QString loadedCurveTableClipboardText(const LoadedCurveTable& table) {
    const std::string bytes = loadedCurveTableText(table);
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    // Row 0 holds the headings; every further line begins with a file name.
    std::size_t start = 0;
    for (int row = 0; start < bytes.size(); ++row) {
        std::size_t end = bytes.find("\r\n", start);
        end = end == std::string::npos ? bytes.size() : end + 2;
        const std::size_t name = row == 0 ? start : std::min(bytes.find('\t', start), end);
        text += fileNameText(bytes.substr(start, name - start));
        text += QString::fromLatin1(bytes.data() + name, static_cast<qsizetype>(end - name));
        start = end;
    }
    return text;
}

} // namespace plotwise
