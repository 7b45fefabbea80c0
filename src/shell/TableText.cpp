#include "TableText.h"

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

} // namespace plotwise
