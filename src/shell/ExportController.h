#pragma once
#include "ExportSeams.h"
#include "Form1Shared.h"
#include "export/PictureWriter.h"

#include <optional>
#include <string>

namespace plotwise {

// The export buttons: the selected curve's colour, the plot as an image file
// (single save and convert all) or as a PDF, the list as TABLE.TXT, the
// clipboard, and the status line that says what an export did.
class ExportController {
public:
    explicit ExportController(Form1Shared shared) : s_(shared) {}

    // Dialogs, clipboard and progress, as the window provides them.
    ExportSeams seams;

    // Command3_Click: 0 "Select Color", 1 the plot as an image file, 2 the
    // list as TABLE.TXT, 3 the plot and 4 the list to the clipboard, 5 convert
    // all. Any other index does nothing.
    void command3Click(int index);
    // The single save of the plot through the save dialog.
    void PICTURESAVE();
    // An image of every curve file of the list, in the remembered format.
    ConvertAllResult convertAll();
    // Esc: a running convert all stops after the file it is on.
    void stopConvertAll() { stopRequested_ = true; }
    bool convertAllRunning() const { return converting_; }
    // The list entry convert all is on, -1 when no run is going.
    int convertingEntry() const { return convertingEntry_; }
    // The remembered export format, kept in the convert-all button's tool tip.
    PictureWriter exportFormat() const;
    void setExportFormat(PictureWriter writer);
    // The plot redrawn as a vector PDF page of the picture's size; nullopt on
    // success, else what failed.
    std::optional<std::string> writePlotPdf(const std::string& path);

private:
    void selectColor();
    void SPCOLOR(int spindle);
    void saveTableText();
    void redrawAtOnce();
    void setStatusLine(std::string line);

    Form1Shared s_;
    bool converting_ = false;
    int convertingEntry_ = -1;
    bool stopRequested_ = false;
};

} // namespace plotwise
