#pragma once
#include "DriveRules.h"
#include "Form1Shared.h"
#include "StartupConfig.h"

#include <string>

namespace plotwise {

// The drive, folder and file lists of the main window, the folder buttons,
// PATH.CFG and "REFRESH": where the window looks. A folder it opens is handed
// to the window core's folder scan.
class FolderNavigator {
public:
    FolderNavigator(Form1Shared shared, const StartupConfig& config);

    // Where PATH.CFG is kept: the program folder, or the user's configuration
    // folder when the program folder cannot be written.
    const std::string& pathCfgFile() const { return pathCfg_; }
    // "REFRESH" is ticked (the live monitor runs).
    bool check2Value() const { return check2_; }

    // Folder buttons: 0 up, 1 desktop, 2 documents, 3 favourites,
    // 4 network places, 5 previous folder (PATH.CFG).
    void command1Click(int index);
    // "REFRESH" set to `ticked`.
    void check2Click(bool ticked);
    // The drive selector's choice (a line text of folders().drives).
    void drive1Change(const std::string& driveText);
    // A folder opened in the folder list.
    void dir1Open(const std::string& path);
    // A folder or a curve file named on the command line or dropped on the
    // window: its folder is opened and the file's entry selected, ticked
    // where the list has check boxes, and clicked, so a curve is drawn and a
    // result table opened. False when it cannot be opened.
    bool openPath(const std::string& path);

    // Start-up: the drive and folder of PATH.CFG when there is one to read.
    void startFolder();
    // The console's result folder opened; false when it cannot be.
    bool openConsoleFolder(const std::string& folder);
    // Shutdown: the drive and folder kept in PATH.CFG.
    void savePathCfg() const;
    // The folder and file lists read again for the current folder.
    void refreshFolderLists();
    DriveRules driveRules() const { return DriveRules(s_.folders.drives); }

private:
    bool setDrive(const std::string& text);
    bool setDir(const std::string& path);
    void dirChange();
    bool pathCfgAtStart() const;

    Form1Shared s_;
    const StartupConfig& config_;
    std::string pathCfg_;
    bool check2_ = false;
};

} // namespace plotwise
