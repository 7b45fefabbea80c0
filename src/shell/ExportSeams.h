#pragma once
// What the export buttons need from the platform around the window: the save
// and colour dialogs, the clipboard, and word of each converted file. The
// window fills these; tests and plotwise-cli fake or leave them.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QImage;
class QString;

namespace plotwise {

// The save dialog as the core sets it up; the filter is "Label|*.ext|...".
struct SaveDialogRequest {
    std::string title;
    std::string fileName; // the start name, a full path (UTF-8)
    std::string filter;
};

// The system clipboard: each call clears it and puts one item on it.
struct ClipboardSeam {
    std::function<void(const QImage& picture)> setPicture; // a bitmap
    std::function<void(const QString& text)> setText;      // as plain text
};

struct ExportSeams {
    // The chosen file name (UTF-8), or nullopt when the dialog was cancelled.
    std::function<std::optional<std::string>(const SaveDialogRequest&)> chooseSaveFile;
    // The chosen colour (0x00BBGGRR) from a dialog with this title and start
    // colour, or nullopt when it was cancelled.
    std::function<std::optional<std::uint32_t>(const std::string& title, std::uint32_t initial)>
        chooseColor;
    ClipboardSeam clipboard;
    // Convert all wrote `path`, file `done` of `total`.
    std::function<void(const std::string& path, int done, int total)> onConverted;
};

// How a convert-all run ended.
struct ConvertAllResult {
    int written = 0; // image files written
    int total = 0;   // curve file entries in the list
    bool stopped = false; // Esc, or the list changed under the run
    bool failed = false;  // a write failed; the run ended there
    std::string failedFile; // the curve file whose image could not be written
    std::string reason;     // why, in the system's words
    // Images named by their curve file's whole name, as an earlier file of
    // the run had taken the short name ("A.BIN.jpg" after "A.jpg").
    std::vector<std::string> renamed;
};

} // namespace plotwise
