#pragma once
// The display items of the result table: which of its columns are shown, as
// the display item selection window lists and applies them.
#include "ShellState.h"
#include "results/ResultTable.h"

#include <string>
#include <vector>

namespace plotwise {

struct DisplayItem {
    int column = 0; // the result table column the list line stands for
    std::string name;
    bool selected = false;
};

// One line per non-empty column name, in column order, selected when shown.
std::vector<DisplayItem> displayItems(const ShellState& shell);

// Applies the list's selection at once: a selected column is shown with its
// stored width (960 twips when that is 0) and centred; an unselected one gets
// width 0, keeping its stored width for later.
void applyDisplayItems(ShellState& shell, ResultTable& grid2, const std::vector<DisplayItem>& items,
                       const std::vector<bool>& selected);

} // namespace plotwise
