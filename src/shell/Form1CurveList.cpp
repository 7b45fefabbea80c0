// The folder scan into the curve list, the list click and the list's buttons.
#include "Form1Core.h"

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

// Dir1's folder changed: File1 follows and the list is rebuilt from the scan.
void Form1Core::dir1Change() {
    Batch batch(changes_, kListChanges | Change::Folders);
    FormLayout& l = layout_.layout();
    folders_.filePath = folders_.dir;
    refreshFolderLists();
    l.treeView1.visible = false;
    list_.clear();
    showResultTable(false);
    layout_.setPointer(MousePointer::Busy);

    CurveListBuilder builder(list_, load_, colors_);
    builder.onToggleTag = [this](bool enabled, bool untick) { toggleTag(enabled, untick); };
    scanError_ = scanFolder(folders_.dir, fs_, load_, builder).value_or("");
    if (!scanError_.empty()) {
        changes_.add(Change::Texts);
        texts_.statusLine = "Cannot list " + folders_.dir + ": " + scanError_;
    }

    if (!driveRules().isDriveRoot(folders_.dir)) l.command1[0].enabled = true;
    showResultTable(false);
    grid1_.setRowCount(1);
    plot_.view().drawSource = 2;
    plot_.view().redrawPending = true;
    l.treeView1.visible = true;
    layout_.setPointer(MousePointer::Default);
}

void Form1Core::showResultTable(bool shown) {
    FormLayout& l = layout_.layout();
    l.grid2.visible = shown;
    l.command2[0].visible = l.command2[1].visible = !shown && list_.count() > 0 && list_.checkBoxes;
}

// A builder tells whether "Toggle Tag" is enabled; a single-curve entry
// unticks it, which shows the plot again.
void Form1Core::toggleTag(bool enabled, bool untick) {
    layout_.layout().check1.enabled = enabled;
    if (untick && check1_) check1Click(false);
}

void Form1Core::treeViewClick() {
    Batch batch(changes_, kListChanges);
    FormLayout& l = layout_.layout();
    plot_.view().gridDirty = true;
    plot_.newCurveSelection();
    l.grid1.visible = false;
    LoadContext context{fs_, folders_.dir, l.grid2.visible};
    ListClickResult result = applyListTicks(list_, grid1_, load_, context);
    selectedCurveRow_ = result.selectedCurveRow;
    if (result.selectColorEnabled) l.command3[0].enabled = *result.selectColorEnabled;
    if (result.curveRows > 0) {
        plot_.view().drawSource = 2;
        plot_.view().redrawPending = true;
    }
    load_.curveFileFamily = 1;
    if (check1_) l.grid1.visible = true;
    l.command3[2].enabled = true;
    l.command3[4].enabled = true;

    if (list_.selected < 0 || list_.selected >= list_.count()) return;
    tableFile_ = list_.fullPath(list_.selected);
    if (endsWithTsv(tableFile_)) {
        results_.show(tableFile_);
        return;
    }
    selectedEntryText_ = tableFile_;
    // Without check boxes no rows are built: the selected curve is drawn alone.
    if (!list_.checkBoxes) plot_.view().drawSource = 1;
    plot_.view().redrawPending = true;
}

void Form1Core::treeViewSelect(int index) {
    Batch batch(changes_, Change::List);
    list_.selected = index >= 0 && index < list_.count() ? index : -1;
}

void Form1Core::setEntryChecked(int index, bool checked) {
    Batch batch(changes_, Change::List);
    if (index >= 0 && index < list_.count()) list_.entry(index).checked = checked;
}

void Form1Core::setEntryExpanded(int index, bool expanded) {
    Batch batch(changes_, Change::List);
    if (index >= 0 && index < list_.count()) list_.entry(index).expanded = expanded;
}

std::optional<std::string> Form1Core::colorPickTitle() const {
    if (list_.selected < 0 || list_.selected >= list_.count()) return std::nullopt;
    const std::string& text = list_.entry(list_.selected).text;
    if (text.compare(0, 7, "Spindle") != 0) return std::nullopt;
    return "Select " + std::string(leftChars(text, 10)) + " Curve Color";
}

void Form1Core::applySpindleColor(std::uint32_t color) {
    Batch batch(changes_, Change::List);
    if (!colorPickTitle()) return;
    CurveListEntry& entry = list_.entry(list_.selected);
    std::string number = entry.text.size() > 8 ? entry.text.substr(8, 2) : "";
    auto spindle = nearestInteger(LeadingNumber(number));
    if (spindle < 1 || spindle > 32) return;
    colors_[static_cast<std::size_t>(spindle - 1)] = color;
    entry.textColor = color;
}

void Form1Core::command2Click(int index) {
    Batch batch(changes_, kListChanges);
    if (index != 0 && index != 1) return;
    for (int i = 0; i < list_.count(); ++i)
        list_.entry(i).checked = index == 0;
    treeViewClick();
    plot_.view().redrawPending = true;
    plot_.view().drawSource = 2;
}

void Form1Core::check1Click(bool ticked) {
    Batch batch(changes_, Change::Layout | Change::State);
    FormLayout& l = layout_.layout();
    check1_ = ticked;
    if (ticked) {
        l.picture1.visible = false;
        l.grid1.visible = true;
        return;
    }
    l.picture1.visible = true;
    plot_.view().drawSource = 2;
    plot_.view().redrawPending = true;
    l.grid1.visible = false;
    if (l.grid2.visible) l.command3[0].enabled = false;
}

} // namespace plotwise

namespace plotwise {

void Form1Core::grid1Click(int column, int row) {
    Batch batch(changes_, Change::Layout);
    grid1Row_ = std::clamp(row, 0, std::max(grid1_.rowCount() - 1, 0));
    grid1Column_ = std::clamp(column, 0, LoadedCurveTable::kColumns - 1);
    layout_.layout().command3[0].enabled = column < 3;
}

} // namespace plotwise
