// The export buttons: the curve colour, the plot as an image file (single
// save and convert all) or as a PDF, the list as TABLE.TXT, and the clipboard.
#include "Form1Batch.h"
#include "Form1Core.h"

#include "ExportRules.h"
#include "TableText.h"
#include "curvefiles/NumberText.h"
#include "export/AtomicFile.h"
#include "export/PictureWriteQueue.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <set>

namespace plotwise {
namespace {

constexpr unsigned kExportChanges =
    Change::List | Change::Grid1 | Change::Layout | Change::State | Change::Texts;
constexpr int kSavePictureTitle = 11; // language table: "Save Picture As"
constexpr double kPointsPerPixel = 72.0 / 96.0;
// Convert all draws the next file while up to this many images are encoded
// and written in the background: the two cores of a small machine encode
// while a finished image waits for its turn to be written.
constexpr int kWritesAhead = 3;

std::string fileCount(int n) {
    return std::to_string(n) + (n == 1 ? " file" : " files");
}

} // namespace

void Form1Core::command3Click(int index) {
    Batch batch(*this, Change::Texts);
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
        if (!exportSeams.clipboard.setPicture) return;
        exportSeams.clipboard.setPicture(plot_.canvas().image());
        setStatusLine("Copied the plot to the clipboard");
        break;
    case 4:
        if (!exportSeams.clipboard.setText) return;
        exportSeams.clipboard.setText(loadedCurveTableText(grid1_));
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
void Form1Core::selectColor() {
    notify(Change::List | Change::Grid1 | Change::State);
    if (!layout_.layout().grid2.visible) {
        if (selectedCurveRow_ < 1 || selectedCurveRow_ >= grid1_.rowCount()) return;
        if (!exportSeams.chooseColor) return;
        const std::uint32_t initial = grid1_.textColor(selectedCurveRow_, 2).value_or(0);
        const auto color = exportSeams.chooseColor(kSelectCurveColorTitle, initial);
        if (!color) return;
        grid1Row_ = selectedCurveRow_;
        grid1Column_ = 2;
        grid1_.setTextColor(selectedCurveRow_, 2, *color);
        int count = 0;
        for (int i = 0; i < list_.count(); ++i) {
            CurveListEntry& entry = list_.entry(i);
            if (!entry.checked || list_.hasChildren(i)) continue;
            if (++count == selectedCurveRow_) {
                entry.textColor = *color;
                break;
            }
        }
    } else {
        if (!layout_.layout().grid1.visible || grid1Column_ != 2) return;
        grid1Column_ = 1;
        const auto spindle = nearestInteger(LeadingNumber(grid1_.text(grid1Row_, 1)));
        SPCOLOR(static_cast<int>(std::clamp<std::int64_t>(spindle, -1, 99)));
        check1Click(false);
    }
    plot_.view().gridDirty = true;
    plot_.view().drawSource = load_.curveFileFamily == 1 ? 2 : 1;
    plot_.view().redrawPending = true;
}

// A spindle's colour: Grid1's current row shows it at once, the colour table
// keeps it for the rows loaded later.
void Form1Core::SPCOLOR(int spindle) {
    if (spindle < 1 || spindle > 32 || !exportSeams.chooseColor) return;
    const auto slot = static_cast<std::size_t>(spindle - 1);
    const auto color = exportSeams.chooseColor(kSelectCurveColorTitle, colors_[slot]);
    if (!color) return;
    grid1Column_ = 2;
    grid1_.setTextColor(grid1Row_, 2, *color);
    colors_[slot] = *color;
}

// ---- the list as text ----

void Form1Core::saveTableText() {
    const std::string path = joinPath(folders_.dir, kTableTextFile);
    if (const auto failure = writeFileAtomically(path, loadedCurveTableText(grid1_))) {
        setStatusLine(writeFailureLine(path, failure->reason));
        return;
    }
    setStatusLine("Saved the list as " + path);
}

// ---- image files ----

PictureWriter Form1Core::exportFormat() const {
    return exportFormatOfTip(shell_.languageTable, texts_.command3Tips[5]);
}

void Form1Core::setExportFormat(PictureWriter writer) {
    Batch batch(*this, Change::Texts);
    texts_.command3Tips[5] = exportFormatTip(shell_.languageTable, writer);
}

// The save dialog opens on the selected entry's name and comes back until the
// name ends in one of the four image endings; cancelling ends the save.
void Form1Core::PICTURESAVE() {
    Batch batch(*this, Change::Texts);
    if (list_.selected < 0 || list_.selected >= list_.count()) return;
    const std::optional<std::string> base = pictureBaseName(list_.fullPath(list_.selected));
    if (!base || !exportSeams.chooseSaveFile) return;
    SaveDialogRequest request{shell_.languageTable[kSavePictureTitle],
                              joinPath(folders_.dir, *base), kSavePictureFilter};
    std::optional<PictureWriter> writer;
    while (!writer) {
        const std::optional<std::string> chosen = exportSeams.chooseSaveFile(request);
        if (!chosen) return;
        request.fileName = *chosen;
        writer = writerForFileName(*chosen);
    }
    const std::string& path = request.fileName;
    if (const auto error = writePicture(plot_.canvas().image(), path, *writer)) {
        setStatusLine(writeFailureLine(path, *error));
        return;
    }
    setExportFormat(*writer);
    setStatusLine("Saved the plot as " + path);
}

void Form1Core::redrawAtOnce() {
    plot_.view().redrawPending = true;
    plot_.timer3Tick();
}

// Tells the view what changed so far while a long action still runs.
void Form1Core::flushView() {
    pending_ |= takePlotChanges();
    const unsigned changes = std::exchange(pending_, 0u);
    if (changes != 0 && onChanged) onChanged(changes);
}

void Form1Core::setStatusLine(std::string line) {
    notify(Change::Texts);
    texts_.statusLine = std::move(line);
}

// Every top-level curve file entry in turn: ticked with its spindles, loaded
// by the list click, drawn at once and queued for writing, then unticked
// again. The list click runs without a selected entry, so the plot always
// draws the ticked rows: a selected curve or result table would take its
// place. Images are encoded in the background while the next file is drawn
// and written in order; a failed write ends the run there.
ConvertAllResult Form1Core::convertAll() {
    Batch batch(*this, kExportChanges | Change::Picture);
    ConvertAllResult result;
    if (converting_ || plot_.view().drawBusy) return result;
    converting_ = true;
    stopRequested_ = false;
    layout_.setPointer(MousePointer::Busy);
    // The images are of the plot, drawn from files of the folder list.
    if (check1_) check1Click(false);
    layout_.layout().grid2.visible = false;
    const int selected = std::exchange(list_.selected, -1);
    command2Click(1);
    const PictureWriter writer = exportFormat();

    const std::string folder = folders_.dir;
    const int entries = list_.count();
    std::vector<std::pair<int, std::string>> files;
    for (int i = 0; i < entries; ++i)
        if (list_.entry(i).parent < 0 && convertsEntry(list_.entry(i).text))
            files.emplace_back(i, list_.entry(i).text);
    result.total = static_cast<int>(files.size());
    // Window events run between files: a new folder or list ends the run.
    auto listChanged = [&] { return folders_.dir != folder || list_.count() != entries; };
    auto setTicks = [this](int entry, bool checked) {
        list_.entry(entry).checked = checked;
        for (int child : list_.children(entry))
            list_.entry(child).checked = checked;
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
            if (exportSeams.onConverted)
                exportSeams.onConverted(write.path, result.written, result.total);
        }
    };

    std::set<std::string> taken; // image names given in this run
    PictureWriteQueue writes(kWritesAhead);
    for (const auto& [entry, text] : files) {
        if (failedEntry >= 0) break;
        if (stopRequested_ || listChanged() || list_.entry(entry).text != text) {
            result.stopped = true;
            break;
        }
        setTicks(entry, true);
        convertingEntry_ = entry;
        notify(Change::List);
        flushView();
        processEvents();
        if (stopRequested_ || listChanged()) {
            if (!listChanged()) setTicks(entry, false);
            result.stopped = true;
            break;
        }
        treeViewClick();
        redrawAtOnce();
        bool renamed = false;
        std::string image = convertAllFileName(folder, text, writer, taken, renamed);
        if (renamed) renamedImages.insert(image);
        settle(writes.push(plot_.canvas().image(), std::move(image), writer, entry));
        setTicks(entry, false);
        layout_.setPointer(MousePointer::Busy);
        flushView();
    }
    settle(writes.finish());
    convertingEntry_ = -1;

    if (!listChanged() && selected < list_.count()) list_.selected = selected;
    if (failedEntry >= 0) {
        // The run ends at the file that could not be written, ticked and loaded.
        result.failed = true;
        result.stopped = false;
        if (!listChanged()) setTicks(failedEntry, true);
        treeViewClick();
    } else {
        treeViewClick();
        if (result.stopped)
            setStatusLine("Convert all stopped after " + fileCount(result.written) + " of " +
                          std::to_string(result.total));
        else
            setStatusLine("Converted " + fileCount(result.written) + " to " +
                          std::string(convertAllExtension(writer)));
    }
    layout_.setPointer(MousePointer::Default);
    converting_ = false;
    stopRequested_ = false;
    return result;
}

// ---- PDF ----

// The plot is drawn again onto a PDF page, one unit a pixel of the picture,
// so lines and text stay vectors; the picture itself is left as it is.
std::optional<std::string> Form1Core::writePlotPdf(const std::string& path) {
    Batch batch(*this, 0);
    PlotCanvas& canvas = plot_.canvas();
    const int width = canvas.widthPixels(), height = canvas.heightPixels();
    auto draw = [&](QIODevice& device) {
        QPdfWriter pdf(&device);
        pdf.setCreator(QStringLiteral("Plotwise"));
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(width * kPointsPerPixel, height * kPointsPerPixel),
                                  QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&pdf)) return 1;
        painter.scale(double(pdf.width()) / width, double(pdf.height()) / height);
        canvas.setOuterPainter(&painter);
        plot_.view().gridDirty = true;
        redrawAtOnce();
        canvas.setOuterPainter(nullptr);
        return painter.end() ? 0 : 1;
    };
    if (const auto failure = writeFileAtomically(path, draw))
        return writeFailureLine(path, failure->reason);
    return std::nullopt;
}

} // namespace plotwise
