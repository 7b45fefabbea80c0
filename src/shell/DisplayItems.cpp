#include "DisplayItems.h"

namespace plotwise {

std::vector<DisplayItem> displayItems(const ShellState& shell) {
    std::vector<DisplayItem> items;
    for (int i = 0; i < ShellState::kColumnItems; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (shell.columnNames[at].empty()) continue;
        items.push_back({i, shell.columnNames[at], shell.columnVisible[at]});
    }
    return items;
}

void applyDisplayItems(ShellState& shell, ResultTable& grid2, const std::vector<DisplayItem>& items,
                       const std::vector<bool>& selected) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int column = items[i].column;
        if (column < 0 || column >= ShellState::kColumnItems) continue;
        const auto at = static_cast<std::size_t>(column);
        if (i < selected.size() && selected[i]) {
            shell.columnVisible[at] = true;
            if (shell.columnWidths[at] == 0) shell.columnWidths[at] = ResultTable::kStartWidth;
            grid2.setColumnWidth(column, shell.columnWidths[at]);
            grid2.setColumnAlignment(column, ResultTable::kAlignCentre);
        } else {
            grid2.setColumnWidth(column, 0);
            grid2.setColumnAlignment(column, ResultTable::kAlignLeft);
            shell.columnVisible[at] = false;
        }
    }
}

} // namespace plotwise
