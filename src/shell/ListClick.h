#pragma once
#include "curvefiles/CurveLoader.h"
#include "curvefiles/LoadState.h"
#include "curvefiles/LoadedCurveTable.h"
#include "curvelist/CurveList.h"
#include "shell/LanguageTable.h"

#include <optional>

namespace plotwise {

// What the list click decided besides the table itself.
struct ListClickResult {
    int selectedCurveRow = 0;               // 1-based among ticked childless entries, 0 none
    std::optional<bool> selectColorEnabled; // nullopt: "Select Color" left as it was
    int curveRows = 0;                      // rows built below the heading row
    bool loadInNewtonSet = false;           // a row set LoadInNewton
};

// The table part of the list click: collapsed parents hand their tick to their
// children, every ticked curve becomes a row of the loaded-curve table (at most
// 86), the last row of each file is marked red in column 1, and the loaders
// fill the rows.
// The heading row of the loaded-curve table, in the language of the table.
void setGrid1Headings(LoadedCurveTable& table, const LanguageTable& language);

ListClickResult applyListTicks(CurveList& list, LoadedCurveTable& table, LoadState& state,
                               const LoadContext& context);

// The four TAB-separated fields (file name, spindle, peak, position) a full
// list path gives for its row.
std::string curveRowText(const std::string& fullPath);

} // namespace plotwise
