#pragma once
#include "DisplayItems.h"
#include "Form1Shared.h"
#include "results/ResultTable.h"

#include <string>
#include <utility>
#include <vector>

namespace plotwise {

// The result table Grid2: showing a table page by page, the clicks on its
// lines and heading, the display item window (Form2) and the live monitor of
// the console's current result table.
class ResultTableController {
public:
    explicit ResultTableController(Form1Shared shared) : s_(shared) {}

    const ResultTable& grid2() const { return grid2_; }
    // Grid2's current cell: table row (0 the heading row) and column.
    int grid2Row() const { return row_; }
    int grid2Column() const { return column_; }
    // The table shown (or watched by the live monitor), a name in the folder.
    const std::string& tableFile() const { return tableFile_; }

    // TABLESHOW: the headings and the first page of a table of the folder.
    void show(const std::string& tableFile);
    // A click on Grid2; `selectedRows` is how many rows the selection spans.
    void grid2Click(int row, int column, int selectedRows = 1);
    // The user changed a column's width (twips); every width is then captured.
    void grid2ColumnResized(int column, int twips);
    // The current result opened again (a marker placed while the table shows).
    void reopenCurrent();

    // True once after a click asked to show the display item window.
    bool takeForm2Request() { return std::exchange(form2Requested_, false); }
    // True once after the live monitor made Grid2's last row current.
    bool takeGrid2ScrollToEnd() { return std::exchange(scrollToEnd_, false); }
    // Form2 opening: its list lines (kept for the clicks) and its caption.
    std::vector<DisplayItem> form2Load();
    // The list lines Form2 would show now, without loading it.
    std::vector<DisplayItem> displayItemsNow() const;
    std::string form2Caption() const;
    // Form2's list selection changed: applied to Grid2 at once.
    void form2ListClick(const std::vector<bool>& selected);

    void timer1Tick(); // live result monitor
    void timer2Tick(); // console settings refresh

private:
    std::string tablePath() const;
    void resultRowClick(int row);

    Form1Shared s_;
    ResultTable grid2_;
    std::string tableFile_;
    int row_ = 0;
    int column_ = 0;
    bool form2Requested_ = false;
    bool scrollToEnd_ = false;
    std::vector<DisplayItem> form2Items_;
};

} // namespace plotwise
