// The export buttons: the curve colour, the plot as an image file (single
// save and convert all) or as a PDF, the list as TABLE.TXT, and the clipboard.
#include "ExportController.h"

#include "ExportRules.h"
#include "TableText.h"
#include "curvefiles/NumberText.h"
#include "export/AtomicFile.h"
#include "export/PdfPage.h"
#include "export/PictureWriteQueue.h"


#include <algorithm>
#include <set>

namespace plotwise {
namespace {

using Batch = ViewChanges::Batch;

constexpr unsigned kExportChanges =
    Change::List | Change::Grid1 | Change::Layout | Change::State | Change::Texts;
constexpr int kSavePictureTitle = 11; // language table: "Save Picture As"
// Convert all draws the next file while up to this many images are encoded
// and written in the background: the cores encode while the disk syncs the
// files before them, each sync taking a few milliseconds.
constexpr int kWritesAhead = 8;

std::string fileCount(int n) {
    return std::to_string(n) + (n == 1 ? " file" : " files");
}

} // namespace

void ExportController::command3Click(int index) {
    Batch batch(s_.changes, Change::Texts);
    switch (index) {
    case 0:
        selectColor();
        break;
    case 1:
        PICTURESAVE();
        break;
    case 2:
        saveTableText();
        break;
    case 3:
        if (!seams.clipboard.setPicture) return;
        seams.clipboard.setPicture(s_.plot.canvas().image());
        setStatusLine("Copied the plot to the clipboard");
        break;
    case 4:
        if (!seams.clipboard.setText) return;
        seams.clipboard.setText(loadedCurveTableClipboardText(s_.grid1));
        setStatusLine("Copied the list to the clipboard");
        break;
    case 5:
        convertAll();
        break;
    default:
        break;
    }
}

// ---- curve colour ----

// Without the result table, the selected curve's row and list entry take the
// colour; with it, the spindle of Grid1's current row does.
void ExportController::selectColor() {
    s_.changes.add(Change::List | Change::Grid1 | Change::State);
    if (!s_.layout.layout().grid2.visible) {
        if (s_.selectedCurveRow < 1 || s_.selectedCurveRow >= s_.grid1.rowCount()) return;
        if (!seams.chooseColor) return;
        const std::uint32_t initial = s_.grid1.textColor(s_.selectedCurveRow, 2).value_or(0);
        const auto color = seams.chooseColor(kSelectCurveColorTitle, initial);
        if (!color) return;
        s_.grid1Row = s_.selectedCurveRow;
        s_.grid1Column = 2;
        s_.grid1.setTextColor(s_.selectedCurveRow, 2, *color);
        int count = 0;
        for (int i = 0; i < s_.list.count(); ++i) {
            CurveListEntry& entry = s_.list.entry(i);
            if (!entry.checked || s_.list.hasChildren(i)) continue;
            if (++count == s_.selectedCurveRow) {
                entry.textColor = *color;
                break;
            }
        }
    } else {
        if (!s_.layout.layout().grid1.visible || s_.grid1Column != 2) return;
        s_.grid1Column = 1;
        const auto spindle = nearestInteger(LeadingNumber(s_.grid1.text(s_.grid1Row, 1)));
        SPCOLOR(static_cast<int>(std::clamp<std::int64_t>(spindle, -1, 99)));
        s_.actions.check1Click(false);
    }
    s_.plot.view().gridDirty = true;
    s_.plot.view().drawSource = s_.load.curveFileFamily == 1 ? 2 : 1;
    s_.plot.view().redrawPending = true;
}

// A spindle's colour: Grid1's current row shows it at once, the colour table
// keeps it for the rows loaded later.
void ExportController::SPCOLOR(int spindle) {
    if (spindle < 1 || spindle > 32 || !seams.chooseColor) return;
    const auto slot = static_cast<std::size_t>(spindle - 1);
    const auto color = seams.chooseColor(kSelectCurveColorTitle, s_.colors[slot]);
    if (!color) return;
    s_.grid1Column = 2;
    s_.grid1.setTextColor(s_.grid1Row, 2, *color);
    s_.colors[slot] = *color;
}

// ---- the list as text ----

void ExportController::saveTableText() {
    const std::string path = joinPath(s_.folders.dir, kTableTextFile);
    if (const auto failure = writeFileAtomically(path, loadedCurveTableText(s_.grid1))) {
        setStatusLine(writeFailureLine(path, failure->reason));
        return;
    }
    setStatusLine("Saved the list as " + path);
}

// ---- image files ----

PictureWriter ExportController::exportFormat() const {
    return exportFormatOfTip(s_.shell.languageTable, s_.texts.command3Tips[5]);
}

void ExportController::setExportFormat(PictureWriter writer) {
    Batch batch(s_.changes, Change::Texts);
    s_.texts.command3Tips[5] = exportFormatTip(s_.shell.languageTable, writer);
}

// The save dialog opens on the selected entry's name and comes back until the
// name ends in one of the four image endings; cancelling ends the save.
void ExportController::PICTURESAVE() {
    Batch batch(s_.changes, Change::Texts);
    if (s_.list.selected < 0 || s_.list.selected >= s_.list.count()) return;
    const std::optional<std::string> base = pictureBaseName(s_.list.fullPath(s_.list.selected));
    if (!base || !seams.chooseSaveFile) return;
    SaveDialogRequest request{s_.shell.languageTable[kSavePictureTitle],
                              joinPath(s_.folders.dir, *base), kSavePictureFilter};
    std::optional<PictureWriter> writer;
    while (!writer) {
        const std::optional<std::string> chosen = seams.chooseSaveFile(request);
        if (!chosen) return;
        request.fileName = *chosen;
        writer = writerForFileName(*chosen);
    }
    const std::string& path = request.fileName;
    if (const auto error = writePicture(s_.plot.canvas().image(), path, *writer)) {
        setStatusLine(writeFailureLine(path, *error));
        return;
    }
    setExportFormat(*writer);
    setStatusLine("Saved the plot as " + path);
}

void ExportController::redrawAtOnce() {
    s_.plot.view().redrawPending = true;
    s_.plot.timer3Tick();
}

void ExportController::setStatusLine(std::string line) {
    s_.changes.add(Change::Texts);
    s_.texts.statusLine = std::move(line);
}

// Every top-level curve file entry in turn: ticked with its spindles, loaded
// by the list click, drawn at once and queued for writing, then unticked
// again. The list click runs without a selected entry, so the plot always
// draws the ticked rows: a selected curve or result table would take its
// place. Images are encoded in the background while the next file is drawn
// and written in order; a failed write ends the run there.
ConvertAllResult ExportController::convertAll() {
    Batch batch(s_.changes, kExportChanges | Change::Picture);
    ConvertAllResult result;
    if (converting_ || s_.plot.view().drawBusy) return result;
    converting_ = true;
    stopRequested_ = false;
    s_.layout.setPointer(MousePointer::Busy);
    // The images are of the plot, drawn from files of the folder list.
    if (s_.check1) s_.actions.check1Click(false);
    s_.actions.showResultTable(false);
    const int selected = std::exchange(s_.list.selected, -1);
    s_.actions.command2Click(1);
    const PictureWriter writer = exportFormat();

    const std::string folder = s_.folders.dir;
    const int entries = s_.list.count();
    std::vector<std::pair<int, std::string>> files;
    for (int i = 0; i < entries; ++i)
        if (s_.list.entry(i).parent < 0 && convertsEntry(s_.list.entry(i).text))
            files.emplace_back(i, s_.list.entry(i).text);
    result.total = static_cast<int>(files.size());
    // Window events run between files: a new folder or list ends the run.
    auto listChanged = [&] { return s_.folders.dir != folder || s_.list.count() != entries; };
    auto setTicks = [this](int entry, bool checked) {
        s_.list.entry(entry).checked = checked;
        for (int child : s_.list.children(entry))
            s_.list.entry(child).checked = checked;
    };
    int failedEntry = -1;
    std::set<std::string> renamedImages; // named by the whole file name
    auto settle = [&](const std::vector<PictureWriteQueue::Done>& done) {
        for (const PictureWriteQueue::Done& write : done) {
            if (write.skipped) continue;
            if (write.error) {
                if (failedEntry >= 0) continue;
                setStatusLine(writeFailureLine(write.path, *write.error));
                failedEntry = write.tag;
                for (const auto& [index, name] : files)
                    if (index == failedEntry) result.failedFile = name.substr(0, name.find('\\'));
                result.reason = write.error->reason;
                continue;
            }
            ++result.written;
            if (renamedImages.count(write.path) != 0) result.renamed.push_back(write.path);
            if (failedEntry < 0)
                setStatusLine("Converting: " + std::to_string(result.written) + " of " +
                              std::to_string(result.total) + ", " + write.path + " (Esc stops)");
            if (seams.onConverted)
                seams.onConverted(write.path, result.written, result.total);
        }
    };

    std::set<std::string> taken; // image names given in this run
    const Platform& platform = s_.platform;
    PictureWriteQueue writes(kWritesAhead, [&platform] { platform.lowerThisThreadPriority(); });
    for (const auto& [entry, text] : files) {
        if (failedEntry >= 0) break;
        if (stopRequested_ || listChanged() || s_.list.entry(entry).text != text) {
            result.stopped = true;
            break;
        }
        setTicks(entry, true);
        convertingEntry_ = entry;
        s_.changes.add(Change::List);
        s_.changes.flush();
        s_.actions.processEvents();
        if (stopRequested_ || listChanged()) {
            if (!listChanged()) setTicks(entry, false);
            result.stopped = true;
            break;
        }
        s_.actions.treeViewClick();
        redrawAtOnce();
        bool renamed = false;
        std::string image = convertAllFileName(folder, text, writer, taken, renamed);
        if (renamed) renamedImages.insert(image);
        settle(writes.push(s_.plot.canvas().image(), std::move(image), writer, entry));
        setTicks(entry, false);
        s_.layout.setPointer(MousePointer::Busy);
        s_.changes.flush();
    }
    settle(writes.finish());
    convertingEntry_ = -1;

    if (!listChanged() && selected < s_.list.count()) s_.list.selected = selected;
    if (failedEntry >= 0) {
        // The run ends at the file that could not be written, ticked and loaded.
        result.failed = true;
        result.stopped = false;
        if (!listChanged()) setTicks(failedEntry, true);
        s_.actions.treeViewClick();
    } else {
        s_.actions.treeViewClick();
        if (result.stopped)
            setStatusLine("Convert all stopped after " + fileCount(result.written) + " of " +
                          std::to_string(result.total));
        else
            setStatusLine("Converted " + fileCount(result.written) + " to " +
                          std::string(convertAllExtension(writer)));
    }
    s_.layout.setPointer(MousePointer::Default);
    converting_ = false;
    stopRequested_ = false;
    return result;
}

// ---- PDF ----

// The plot is drawn again onto a PDF page, one unit a pixel of the picture,
// so lines and text stay vectors; the picture itself is left as it is.
std::optional<std::string> ExportController::writePlotPdf(const std::string& path) {
    Batch batch(s_.changes, 0);
    PlotCanvas& canvas = s_.plot.canvas();
    const int width = canvas.widthPixels(), height = canvas.heightPixels();
    auto draw = [&](QPainter& painter) {
        canvas.setOuterPainter(&painter);
        s_.plot.view().gridDirty = true;
        redrawAtOnce();
        canvas.setOuterPainter(nullptr);
    };
    if (const auto failure = writePdfPage(path, width, height, draw))
        return writeFailureLine(path, failure->reason);
    return std::nullopt;
}

} // namespace plotwise
