// Drive, folder and file lists, the folder buttons, PATH.CFG and REFRESH.
#include "Form1Core.h"

#include "PathCfg.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace plotwise {
namespace {

constexpr int kFolderButtonCodes[] = {0, ShellFolder::Desktop, ShellFolder::Documents,
                                      ShellFolder::Favorites, ShellFolder::NetworkPlaces};

// The "UP" target: the path up to its last separator. A drive root is its own
// target, as "C:\" is on Windows, also where the root has no trailing separator.
std::string parentTarget(const DriveRules& rules, const std::string& path) {
    return rules.isDriveRoot(path) ? path : upToLastSeparator(path);
}

} // namespace

DriveRules Form1Core::driveRules() const {
    return DriveRules(folders_.drives);
}

// Drive1 set to a drive: a change moves Dir1 to that drive's root; a drive
// whose root cannot be opened leaves Dir1 where it was.
bool Form1Core::setDrive(const std::string& text) {
    std::optional<DriveEntry> drive = driveRules().find(text);
    if (!drive) return false;
    if (drive->text == folders_.drive) return true;
    folders_.drive = drive->text;
    notify(Change::Folders);
    setDir(drive->root);
    return true;
}

// Dir1 set to a folder: the folder list follows and the folder is scanned.
// False (nothing changed) when the folder cannot be opened.
bool Form1Core::setDir(const std::string& path) {
    std::string folder = normalizeFolder(path);
    if (folder.empty()) return false;
    errno = 0;
    if (!fs_.subfolders(folder)) {
        // The folder list stays where it is; the status line says why.
        changes_.add(Change::Texts);
        texts_.statusLine = "Cannot open " + folder + ": " +
                            (errno != 0 ? std::strerror(errno) : "the folder cannot be listed");
        return false;
    }
    folders_.dir = folder;
    if (auto drive = driveRules().find(driveRules().driveOf(folder))) folders_.drive = drive->text;
    dir1Change();
    return true;
}

void Form1Core::refreshFolderLists() {
    folders_.files.clear();
    if (auto names = fs_.fileNames(folders_.filePath)) folders_.files = std::move(*names);

    folders_.dirEntries.clear();
    const std::string root = driveRules().driveOf(folders_.dir);
    int level = 0;
    for (const std::string& folder : pathChain(root, folders_.dir)) {
        std::string name = level == 0 ? folder : lastPathPart(folder);
        folders_.dirEntries.push_back({folder, name, level++, true});
    }
    if (auto subfolders = fs_.subfolders(folders_.dir))
        for (const std::string& name : *subfolders)
            if (!name.empty() && name[0] != '.')
                folders_.dirEntries.push_back({joinPath(folders_.dir, name), name, level, false});
    notify(Change::Folders);
}

// DIRCHANGE: the drive and folder of PATH.CFG, else the program folder.
void Form1Core::dirChange() {
    std::optional<PathCfg> saved;
    if (auto bytes = fs_.read(pathCfg_)) saved = PathCfg::parse(*bytes);
    if (saved && setDrive(saved->drive) && setDir(saved->folder)) return;
    setDrive(driveRules().driveOf(config_.programFolder));
    setDir(config_.programFolder);
}

void Form1Core::command1Click(int index) {
    Batch batch(changes_, Change::Folders | Change::Layout);
    if (index == 5) {
        dirChange();
        showResultTable(false);
        return;
    }
    if (index < 0 || index > 5) return;
    DriveRules rules = driveRules();
    std::string target = index == 0 ? parentTarget(rules, folders_.filePath)
                                    : platform_.specialFolderPath(kFolderButtonCodes[index]);
    if (target.empty()) {
        // A shell folder this system lacks: the status line says so.
        if (index == 0) return;
        notify(Change::Texts);
        texts_.statusLine =
            "No " + texts_.command1Tips[static_cast<std::size_t>(index)] + " folder on this system";
        return;
    }
    // One that cannot be opened stays where it is; the status line says why.
    if (!fs_.subfolders(target)) {
        setDir(target);
        return;
    }

    std::string targetDrive = rules.driveOf(target);
    auto current = rules.find(folders_.drive);
    if (!current || current->root != targetDrive) setDrive(targetDrive);
    bool root = rules.isDriveRoot(target);
    if (setDir(target)) layout_.layout().command1[0].enabled = !root;
}

void Form1Core::drive1Change(const std::string& driveText) {
    Batch batch(changes_, Change::Folders);
    folders_.drives = platform_.drives();
    setDrive(driveText);
}

void Form1Core::dir1Open(const std::string& path) {
    Batch batch(changes_, Change::Folders);
    setDir(path);
}

bool Form1Core::openPath(const std::string& path) {
    Batch batch(changes_, Change::All);
    std::error_code ec;
    if (fs_.subfolders(path) || std::filesystem::is_directory(path, ec)) return setDir(path);
    const std::string file = lastPathPart(path);
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (file.empty() || !setDir(folder)) return false;
    for (int i = 0; i < list_.count(); ++i) {
        const CurveListEntry& entry = list_.entry(i);
        if (entry.parent != -1) continue;
        if (entry.text != file && entry.text.rfind(file + "\\", 0) != 0) continue;
        list_.selected = i;
        // A multi-spindle file is ticked with all its spindles, so it is drawn too.
        if (list_.checkBoxes) {
            list_.entry(i).checked = true;
            for (int child : list_.children(i))
                list_.entry(child).checked = true;
        }
        treeViewClick();
        return true;
    }
    return true;
}

void Form1Core::check2Click(bool ticked) {
    Batch batch(changes_, Change::State);
    check2_ = ticked;
    if (folders_.dir != shell_.rSaveFolder) {
        if (ticked) {
            if (layout_.layout().grid2.visible)
                treeViewClick();
            else
                dir1Change();
        }
        check2_ = false; // a one-shot refresh outside the console's result folder
        return;
    }
    if (!shell_.anyConsolePresent()) {
        check2_ = false;
        return;
    }
    timers_.timer1 = ticked;
    timers_.timer2 = ticked;
}

} // namespace plotwise
