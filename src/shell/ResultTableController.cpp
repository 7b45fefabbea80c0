// The result table Grid2: showing a table, its clicks and page turns, the
// display item window, and the live monitor of the console's result table.
#include "ResultTableController.h"

#include "ConsoleSettings.h"
#include "curvefiles/CurveFilePath.h"
#include "curvefiles/NumberText.h"
#include "results/ResultClick.h"

#include <algorithm>

namespace plotwise {
namespace {

using Batch = ViewChanges::Batch;

constexpr unsigned kGrid2Changes = Change::Grid2 | Change::Layout | Change::State;
// The head lines the click reads lie well inside this.
constexpr std::size_t kCurveHeadBytes = 256 * 1024;

bool endsWith(const std::string& text, const char* tail) {
    return upperAscii(rightChars(text, std::char_traits<char>::length(tail))) == tail;
}

} // namespace

std::string ResultTableController::tablePath() const {
    return joinPath(s_.folders.dir, tableFile_);
}

void ResultTableController::show(const std::string& tableFile) {
    Batch batch(s_.changes, kGrid2Changes);
    tableFile_ = tableFile;
    grid2_.setPageRowTexts(s_.texts.pagePrevRow, s_.texts.pageNextRow);
    s_.layout.setPointer(MousePointer::Busy);
    if (auto headings = grid2_.show(s_.fs, tablePath())) {
        for (int c = 0; c < ResultTable::kColumns; ++c)
            s_.shell.columnNames[static_cast<std::size_t>(c)] = (*headings)[static_cast<std::size_t>(c)];
        s_.load.curveFileFamily = ResultTable::curveFileFamily(*headings);
    }
    row_ = grid2_.rowCount() > 1 ? 1 : 0;
    column_ = 0;
    s_.layout.setPointer(MousePointer::Default);
    s_.actions.showResultTable(true);
}

void ResultTableController::grid2Click(int row, int column, int selectedRows) {
    Batch batch(s_.changes, kGrid2Changes);
    if (row < 0 || row >= grid2_.rowCount()) return;
    row_ = row;
    column_ = std::clamp(column, 0, ResultTable::kColumns - 1);
    if (grid2_.isPageRow(row)) {
        s_.layout.setPointer(MousePointer::Busy);
        if (row == 1)
            grid2_.loadPrev(s_.fs, tablePath());
        else
            grid2_.loadNext(s_.fs, tablePath());
        row_ = grid2_.rowCount() > 1 ? 1 : 0;
        s_.layout.setPointer(MousePointer::Default);
        return;
    }
    if (selectedRows > 1 || row == 0) {
        form2Requested_ = true;
        return;
    }
    // Another result's curve: the view follows it, a zoom's Y scale ends.
    s_.plot.newCurveSelection();
    resultRowClick(row);
}

// A result line: its first row is marked, its curve file looked for and
// either drawn at once (single spindle) or loaded into Grid1 for the redraw.
void ResultTableController::resultRowClick(int row) {
    FormLayout& l = s_.layout.layout();
    PlotController& plot = s_.plot;
    LoadState& load = s_.load;
    s_.changes.add(Change::Grid1 | Change::Layout | Change::State | Change::Texts);
    const ResultRowPick pick = pickResultRow(grid2_, row);
    const CurveFolders curveFolders{s_.folders.dir, s_.shell.rSaveFolder,
                                    s_.shell.waveAutoSavePath};
    const std::string path = CF_Curve_Path(pick.key, load.curveFileFamily, curveFolders, s_.fs);
    if (path.empty()) {
        plot.canvas().clear();
        s_.changes.add(Change::Picture);
        l.label2.visible = true;
        return;
    }
    plot.view().gridDirty = true;
    const std::string bytes = s_.fs.read(path, kCurveHeadBytes).value_or("");
    if (endsWith(path, ".NRCUR")) {
        const ResultCurveHead head = readSingleCurveHead(bytes);
        if (head.unit) load.curveUnit = *head.unit;
        s_.selectedEntryText = resultEntryText(path, head);
        load.curveFileName = path;
        // The curve is drawn on the plot, so the loaded-curve table gives way.
        s_.actions.toggleTag(false, true);
        plot.DRAW();
    } else if (endsWith(path, ".SPACD") || endsWith(path, ".NRACD")) {
        std::array<int, 32> spindleRows{};
        const ResultCurveHead head =
            fillGrid1FromMultiCurve(bytes, path, s_.grid1, s_.colors, spindleRows);
        if (head.unit) load.curveUnit = *head.unit;
        s_.selectedEntryText = resultEntryText(path, head);
        load.curveFileName = path;
        MULTIFILELOAD(path, s_.grid1, spindleRows, load, s_.actions.loadContext());
        plot.view().drawSource = 2;
        plot.view().redrawPending = true;
        l.check1.enabled = true;
        load.curveFileFamily = endsWith(path, ".NRACD") ? 1 : 3;
    }
}

void ResultTableController::grid2ColumnResized(int column, int twips) {
    Batch batch(s_.changes, Change::Grid2);
    grid2_.setColumnWidth(column, twips);
    for (int c = 0; c < ResultTable::kColumns; ++c)
        s_.shell.columnWidths[static_cast<std::size_t>(c)] = grid2_.columnWidth(c);
}

std::vector<DisplayItem> ResultTableController::form2Load() {
    form2Items_ = displayItems(s_.shell);
    return form2Items_;
}

std::vector<DisplayItem> ResultTableController::displayItemsNow() const {
    return displayItems(s_.shell);
}

std::string ResultTableController::form2Caption() const {
    return s_.shell.languageTable[LanguageTable::DisplayItemSelect];
}

void ResultTableController::form2ListClick(const std::vector<bool>& selected) {
    Batch batch(s_.changes, Change::Grid2);
    applyDisplayItems(s_.shell, grid2_, form2Items_, selected);
}

// A marker placed on the plot while the result table is shown: the current
// result is opened again, so its curve is redrawn before the markers.
void ResultTableController::reopenCurrent() {
    if (row_ >= 1 && row_ < grid2_.rowCount() && !grid2_.isPageRow(row_)) {
        resultRowClick(row_);
    } else {
        s_.plot.view().gridDirty = true;
        s_.plot.view().redrawPending = true;
    }
    s_.plot.timer3Tick();
}

// The live monitor: a change in the size of the console's current result
// table reloads it and opens its newest result.
void ResultTableController::timer1Tick() {
    Batch batch(s_.changes, 0);
    ShellState& shell = s_.shell;
    const std::int64_t size = s_.platform.fileSize(joinPath(s_.folders.dir, shell.rSaveName));
    if (size == shell.watchedResultSize) return;
    show(shell.rSaveName);
    shell.watchedResultSize = size;
    shell.watchedResultName = shell.rSaveName;
    // The newest result lies on the last page.
    grid2_.loadLastPage(s_.fs, tablePath());
    row_ = grid2_.rowCount() - 1;
    scrollToEnd_ = true;
    // Only a result row is opened: the heading row or a page row would open
    // the display item window or turn the page.
    if (row_ >= 1 && !grid2_.isPageRow(row_)) grid2Click(row_, column_);
}

// The settings refresh: a new current result table is watched from the next
// monitor tick on.
void ResultTableController::timer2Tick() {
    Batch batch(s_.changes, Change::State);
    ShellState& shell = s_.shell;
    readConsoleSettings(shell, s_.fs, s_.platform);
    if (shell.rSaveName == shell.watchedResultName) return;
    tableFile_ = shell.rSaveName;
    shell.watchedResultName = shell.rSaveName;
    shell.watchedResultSize = 0;
}

} // namespace plotwise
