#pragma once
#include "Form1Shared.h"

#include <cstdint>
#include <optional>
#include <string>

namespace plotwise {

class FolderNavigator;
class ResultTableController;

// The curve list's side of the main window: the folder scan into the list,
// the list click, the ticks and the list's buttons, "Toggle Tag" and the
// clicks on the loaded-curve table (Grid1).
class CurveListPanel {
public:
    CurveListPanel(Form1Shared shared, FolderNavigator& navigator, ResultTableController& results)
        : s_(shared), navigator_(navigator), results_(results) {}

    // The file of the last list click (a curve file or a result table).
    const std::string& tableFile() const { return tableFile_; }
    // Why the last folder scan could not list its folder; "" when it could.
    const std::string& scanError() const { return scanError_; }

    // Dir1's folder changed: File1 follows and the list is rebuilt from the scan.
    void dir1Change();
    // The list click: applies the ticks, rebuilds Grid1 and calls the loaders.
    void treeViewClick();
    // Selects an entry (-1 for none) without running the list click.
    void treeViewSelect(int index);
    void setEntryChecked(int index, bool checked);
    void setEntryExpanded(int index, bool expanded);
    // Spindle colour pick, first: the colour dialog's title when the selected
    // entry is a nutrunner spindle entry, else nullopt (nothing to pick).
    std::optional<std::string> colorPickTitle() const;
    // Then: the chosen colour (0x00BBGGRR) for that spindle and its entry.
    void applySpindleColor(std::uint32_t color);
    // "Check All" (0) / "Uncheck All" (1).
    void command2Click(int index);
    // "Toggle Tag" set to `ticked`: the plot or the loaded-curve table.
    void check1Click(bool ticked);
    // "Toggle Tag" enabled or not; `untick` shows the plot again.
    void toggleTag(bool enabled, bool untick);
    // Grid2 shown over the curve list, or hidden; "Check All" and "Uncheck
    // All" belong to the list and show only with it.
    void showResultTable(bool shown);
    // A click on Grid1's cell (row 0 the heading row).
    void grid1Click(int column, int row = 0);

private:
    Form1Shared s_;
    FolderNavigator& navigator_;
    ResultTableController& results_;
    std::string tableFile_;
    std::string scanError_;
};

} // namespace plotwise
