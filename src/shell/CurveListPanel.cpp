// The folder scan into the curve list, the list click and the list's buttons.
#include "CurveListPanel.h"

#include "FolderNavigator.h"
#include "ResultTableController.h"

#include "ListClick.h"
#include "curvefiles/FolderScan.h"
#include "curvefiles/NumberText.h"
#include "curvelist/CurveListBuilder.h"

namespace plotwise {
namespace {

constexpr unsigned kListChanges = Change::List | Change::Grid1 | Change::Layout | Change::State;

bool endsWithTsv(const std::string& path) {
    return upperAscii(rightChars(path, 4)) == ".TSV";
}

} // namespace

void CurveListPanel::dir1Change() {
    ViewChanges::Batch batch(s_.changes, kListChanges | Change::Folders);
    FormLayout& l = s_.layout.layout();
    s_.folders.filePath = s_.folders.dir;
    navigator_.refreshFolderLists();
    l.treeView1.visible = false;
    s_.list.clear();
    showResultTable(false);
    s_.layout.setPointer(MousePointer::Busy);

    CurveListBuilder builder(s_.list, s_.load, s_.colors);
    builder.onToggleTag = [this](bool enabled, bool untick) { toggleTag(enabled, untick); };
    scanError_ = scanFolder(s_.folders.dir, s_.fs, s_.load, builder).value_or("");
    if (!scanError_.empty()) {
        s_.changes.add(Change::Texts);
        s_.texts.statusLine = "Cannot list " + s_.folders.dir + ": " + scanError_;
    }

    if (!navigator_.driveRules().isDriveRoot(s_.folders.dir)) l.command1[0].enabled = true;
    showResultTable(false);
    s_.grid1.setRowCount(1);
    s_.plot.view().drawSource = 2;
    s_.plot.view().redrawPending = true;
    l.treeView1.visible = true;
    s_.layout.setPointer(MousePointer::Default);
}

void CurveListPanel::showResultTable(bool shown) {
    FormLayout& l = s_.layout.layout();
    l.grid2.visible = shown;
    l.command2[0].visible = l.command2[1].visible =
        !shown && s_.list.count() > 0 && s_.list.checkBoxes;
}

// A builder tells whether "Toggle Tag" is enabled; a single-curve entry
// unticks it, which shows the plot again.
void CurveListPanel::toggleTag(bool enabled, bool untick) {
    s_.layout.layout().check1.enabled = enabled;
    if (untick && s_.check1) check1Click(false);
}

void CurveListPanel::treeViewClick() {
    ViewChanges::Batch batch(s_.changes, kListChanges);
    FormLayout& l = s_.layout.layout();
    s_.plot.view().gridDirty = true;
    s_.plot.newCurveSelection();
    l.grid1.visible = false;
    LoadContext context{s_.fs, s_.folders.dir, l.grid2.visible};
    ListClickResult result = applyListTicks(s_.list, s_.grid1, s_.load, context);
    s_.selectedCurveRow = result.selectedCurveRow;
    if (result.selectColorEnabled) l.command3[0].enabled = *result.selectColorEnabled;
    if (result.curveRows > 0) {
        s_.plot.view().drawSource = 2;
        s_.plot.view().redrawPending = true;
    }
    s_.load.curveFileFamily = 1;
    if (s_.check1) l.grid1.visible = true;
    l.command3[2].enabled = true;
    l.command3[4].enabled = true;

    if (s_.list.selected < 0 || s_.list.selected >= s_.list.count()) return;
    tableFile_ = s_.list.fullPath(s_.list.selected);
    if (endsWithTsv(tableFile_)) {
        results_.show(tableFile_);
        return;
    }
    s_.selectedEntryText = tableFile_;
    // Without check boxes no rows are built: the selected curve is drawn alone.
    if (!s_.list.checkBoxes) s_.plot.view().drawSource = 1;
    s_.plot.view().redrawPending = true;
}

void CurveListPanel::treeViewSelect(int index) {
    ViewChanges::Batch batch(s_.changes, Change::List);
    s_.list.selected = index >= 0 && index < s_.list.count() ? index : -1;
}

void CurveListPanel::setEntryChecked(int index, bool checked) {
    ViewChanges::Batch batch(s_.changes, Change::List);
    if (index >= 0 && index < s_.list.count()) s_.list.entry(index).checked = checked;
}

void CurveListPanel::setEntryExpanded(int index, bool expanded) {
    ViewChanges::Batch batch(s_.changes, Change::List);
    if (index >= 0 && index < s_.list.count()) s_.list.entry(index).expanded = expanded;
}

std::optional<std::string> CurveListPanel::colorPickTitle() const {
    if (s_.list.selected < 0 || s_.list.selected >= s_.list.count()) return std::nullopt;
    const std::string& text = s_.list.entry(s_.list.selected).text;
    if (text.compare(0, 7, "Spindle") != 0) return std::nullopt;
    return "Select " + std::string(leftChars(text, 10)) + " Curve Color";
}

void CurveListPanel::applySpindleColor(std::uint32_t color) {
    ViewChanges::Batch batch(s_.changes, Change::List);
    if (!colorPickTitle()) return;
    CurveListEntry& entry = s_.list.entry(s_.list.selected);
    std::string number = entry.text.size() > 8 ? entry.text.substr(8, 2) : "";
    auto spindle = nearestInteger(LeadingNumber(number));
    if (spindle < 1 || spindle > 32) return;
    s_.colors[static_cast<std::size_t>(spindle - 1)] = color;
    entry.textColor = color;
}

void CurveListPanel::command2Click(int index) {
    ViewChanges::Batch batch(s_.changes, kListChanges);
    if (index != 0 && index != 1) return;
    for (int i = 0; i < s_.list.count(); ++i)
        s_.list.entry(i).checked = index == 0;
    treeViewClick();
    s_.plot.view().redrawPending = true;
    s_.plot.view().drawSource = 2;
}

void CurveListPanel::check1Click(bool ticked) {
    ViewChanges::Batch batch(s_.changes, Change::Layout | Change::State);
    FormLayout& l = s_.layout.layout();
    s_.check1 = ticked;
    if (ticked) {
        l.picture1.visible = false;
        l.grid1.visible = true;
        return;
    }
    l.picture1.visible = true;
    s_.plot.view().drawSource = 2;
    s_.plot.view().redrawPending = true;
    l.grid1.visible = false;
    if (l.grid2.visible) l.command3[0].enabled = false;
}

void CurveListPanel::grid1Click(int column, int row) {
    ViewChanges::Batch batch(s_.changes, Change::Layout);
    s_.grid1Row = std::clamp(row, 0, std::max(s_.grid1.rowCount() - 1, 0));
    s_.grid1Column = std::clamp(column, 0, LoadedCurveTable::kColumns - 1);
    s_.layout.layout().command3[0].enabled = column < 3;
}

} // namespace plotwise
