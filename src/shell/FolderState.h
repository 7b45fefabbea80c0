#pragma once
#include <string>
#include <vector>

namespace plotwise {

// One line of the drive selector: the volume's root and the text shown.
struct DriveEntry {
    std::string root; // e.g. "/" or "/media/usb" (Linux), "C:\" (Windows)
    std::string text; // root, then " [label]" when the volume has a label
};

// One line of the folder list: the current folder's ancestors from the drive
// root down (the current folder last, `open`), then its subfolders.
struct DirListEntry {
    std::string path;
    std::string name;
    int level = 0;     // indentation: 0 for the drive root
    bool open = false; // an ancestor or the current folder itself
};

// The three linked navigation lists.
struct FolderState {
    std::vector<DriveEntry> drives; // Drive1's lines
    std::string drive;              // Drive1's current drive text
    std::string dir;                // Dir1's current folder (full path)
    std::vector<DirListEntry> dirEntries;
    std::string filePath;           // File1's folder
    std::vector<std::string> files; // File1's file names in list order
};

} // namespace plotwise
