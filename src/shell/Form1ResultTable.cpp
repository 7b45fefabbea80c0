// The result table Grid2: showing a table, its clicks and page turns, the
// display item window, and the live monitor of the console's result table.
#include "Form1Batch.h"
#include "Form1Core.h"

#include "curvefiles/CurveFilePath.h"
#include "curvefiles/NumberText.h"
#include "curvelist/ResultClick.h"

#include <algorithm>

namespace plotwise {
namespace {

constexpr unsigned kGrid2Changes = Change::Grid2 | Change::Layout | Change::State;
// The head lines the click reads lie well inside this.
constexpr std::size_t kCurveHeadBytes = 256 * 1024;

bool endsWith(const std::string& text, const char* tail) {
    return upperAscii(rightChars(text, std::char_traits<char>::length(tail))) == tail;
}

} // namespace

std::string Form1Core::tablePath() const {
    return joinPath(folders_.dir, tableFile_);
}

// TABLESHOW: the headings and the first page of TableFile.
void Form1Core::tableShow() {
    Batch batch(*this, kGrid2Changes);
    grid2_.setPageRowTexts(texts_.pagePrevRow, texts_.pageNextRow);
    layout_.setPointer(MousePointer::Busy);
    if (auto headings = grid2_.show(fs_, tablePath())) {
        for (int c = 0; c < ResultTable::kColumns; ++c)
            shell_.columnNames[static_cast<std::size_t>(c)] = (*headings)[static_cast<std::size_t>(c)];
        load_.curveFileFamily = ResultTable::curveFileFamily(*headings);
    }
    grid2Row_ = grid2_.rowCount() > 1 ? 1 : 0;
    grid2Column_ = 0;
    layout_.setPointer(MousePointer::Default);
    showResultTable(true);
}

void Form1Core::grid2Click(int row, int column, int selectedRows) {
    Batch batch(*this, kGrid2Changes);
    if (row < 0 || row >= grid2_.rowCount()) return;
    grid2Row_ = row;
    grid2Column_ = std::clamp(column, 0, ResultTable::kColumns - 1);
    if (grid2_.isPageRow(row)) {
        layout_.setPointer(MousePointer::Busy);
        if (row == 1)
            grid2_.loadPrev(fs_, tablePath());
        else
            grid2_.loadNext(fs_, tablePath());
        grid2Row_ = grid2_.rowCount() > 1 ? 1 : 0;
        layout_.setPointer(MousePointer::Default);
        return;
    }
    if (selectedRows > 1 || row == 0) {
        form2Requested_ = true;
        return;
    }
    resultRowClick(row);
}

// A result line: its first row is marked, its curve file looked for and
// either drawn at once (single spindle) or loaded into Grid1 for the redraw.
void Form1Core::resultRowClick(int row) {
    FormLayout& l = layout_.layout();
    notify(Change::Grid1 | Change::Layout | Change::State | Change::Texts);
    const ResultRowPick pick = pickResultRow(grid2_, row);
    const CurveFolders curveFolders{folders_.dir, shell_.rSaveFolder, shell_.waveAutoSavePath};
    const std::string path = CF_Curve_Path(pick.key, load_.curveFileFamily, curveFolders, fs_);
    if (path.empty()) {
        plot_.canvas().clear();
        notify(Change::Picture);
        l.label2.visible = true;
        return;
    }
    plot_.view().gridDirty = true;
    const std::string bytes = fs_.read(path, kCurveHeadBytes).value_or("");
    if (endsWith(path, ".NRCUR")) {
        const ResultCurveHead head = readSingleCurveHead(bytes);
        if (head.unit) load_.curveUnit = *head.unit;
        selectedEntryText_ = resultEntryText(path, head);
        load_.curveFileName = path;
        // The curve is drawn on the plot, so the loaded-curve table gives way.
        toggleTag(false, true);
        plot_.DRAW();
    } else if (endsWith(path, ".SPACD") || endsWith(path, ".NRACD")) {
        std::array<int, 32> spindleRows{};
        const ResultCurveHead head = fillGrid1FromMultiCurve(bytes, path, grid1_, colors_, spindleRows);
        if (head.unit) load_.curveUnit = *head.unit;
        selectedEntryText_ = resultEntryText(path, head);
        load_.curveFileName = path;
        MULTIFILELOAD(path, grid1_, spindleRows, load_, loadContext());
        plot_.view().drawSource = 2;
        plot_.view().redrawPending = true;
        l.check1.enabled = true;
        load_.curveFileFamily = endsWith(path, ".NRACD") ? 1 : 3;
    }
}

void Form1Core::grid2ColumnResized(int column, int twips) {
    Batch batch(*this, Change::Grid2);
    grid2_.setColumnWidth(column, twips);
    for (int c = 0; c < ResultTable::kColumns; ++c)
        shell_.columnWidths[static_cast<std::size_t>(c)] = grid2_.columnWidth(c);
}

void Form1Core::grid1Click(int column, int row) {
    Batch batch(*this, Change::Layout);
    grid1Row_ = std::clamp(row, 0, std::max(grid1_.rowCount() - 1, 0));
    grid1Column_ = std::clamp(column, 0, LoadedCurveTable::kColumns - 1);
    layout_.layout().command3[0].enabled = column < 3;
}

std::vector<DisplayItem> Form1Core::form2Load() {
    form2Items_ = displayItems(shell_);
    return form2Items_;
}

std::vector<DisplayItem> Form1Core::displayItemsNow() const { return displayItems(shell_); }

std::string Form1Core::form2Caption() const {
    return shell_.languageTable[LanguageTable::DisplayItemSelect];
}

void Form1Core::form2ListClick(const std::vector<bool>& selected) {
    Batch batch(*this, Change::Grid2);
    applyDisplayItems(shell_, grid2_, form2Items_, selected);
}

// A marker placed on the plot while the result table is shown: the current
// result is opened again, so its curve is redrawn before the markers.
void Form1Core::resultSelectionChanged() {
    const int row = grid2Row_;
    if (row >= 1 && row < grid2_.rowCount() && !grid2_.isPageRow(row)) {
        resultRowClick(row);
    } else {
        plot_.view().gridDirty = true;
        plot_.view().redrawPending = true;
    }
    plot_.timer3Tick();
}

// The live monitor: a change in the size of the console's current result
// table reloads it and opens its newest result.
void Form1Core::timer1Tick() {
    Batch batch(*this, 0);
    const std::int64_t size = platform_.fileSize(joinPath(folders_.dir, shell_.rSaveName));
    if (size == shell_.watchedResultSize) return;
    tableFile_ = shell_.rSaveName;
    tableShow();
    shell_.watchedResultSize = size;
    shell_.watchedResultName = shell_.rSaveName;
    // The newest result lies on the last page.
    grid2_.loadLastPage(fs_, tablePath());
    grid2Row_ = grid2_.rowCount() - 1;
    grid2ScrollToEnd_ = true;
    // Only a result row is opened: the heading row or a page row would open
    // the display item window or turn the page.
    if (grid2Row_ >= 1 && !grid2_.isPageRow(grid2Row_)) grid2Click(grid2Row_, grid2Column_);
}

// The settings refresh: a new current result table is watched from the next
// monitor tick on.
void Form1Core::timer2Tick() {
    Batch batch(*this, Change::State);
    readConsoleSettings();
    if (shell_.rSaveName == shell_.watchedResultName) return;
    tableFile_ = shell_.rSaveName;
    shell_.watchedResultName = shell_.rSaveName;
    shell_.watchedResultSize = 0;
}

} // namespace plotwise
