// Drive, folder and file lists, the folder buttons, PATH.CFG and REFRESH.
#include "FolderNavigator.h"

#include "PathCfg.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace plotwise {
namespace {

constexpr const char* kPathCfg = "PATH.CFG";
constexpr int kFolderButtonCodes[] = {0, ShellFolder::Desktop, ShellFolder::Documents,
                                      ShellFolder::Favorites, ShellFolder::NetworkPlaces};

// The "UP" target: the path up to its last separator. A drive root is its own
// target, as "C:\" is on Windows, also where the root has no trailing separator.
std::string parentTarget(const DriveRules& rules, const std::string& path) {
    return rules.isDriveRoot(path) ? path : upToLastSeparator(path);
}

} // namespace

FolderNavigator::FolderNavigator(Form1Shared shared, const StartupConfig& config)
    : s_(shared), config_(config) {
    const std::string& program = config_.programFolder;
    pathCfg_ = s_.platform.folderWritable(program)
                   ? joinPath(program, kPathCfg)
                   : joinPath(s_.platform.userConfigFolder(), kPathCfg);
    FolderState& folders = s_.folders;
    folders.drives = s_.platform.drives();
    folders.dir = normalizeFolder(config_.workingFolder);
    folders.drive =
        driveRules().find(driveRules().driveOf(folders.dir)).value_or(DriveEntry{}).text;
    folders.filePath = folders.dir;
    refreshFolderLists();
}

void FolderNavigator::startFolder() {
    if (pathCfgAtStart()) dirChange();
}

void FolderNavigator::savePathCfg() const {
    s_.platform.replaceFile(pathCfg_, PathCfg{s_.folders.drive, s_.folders.dir}.text());
}

// The settings file is looked for in the working folder's file list when it is
// kept in the program folder; kept in the user's configuration folder, its
// presence there counts.
bool FolderNavigator::pathCfgAtStart() const {
    if (pathCfg_ != joinPath(config_.programFolder, kPathCfg))
        return s_.platform.fileSize(pathCfg_) >= 1;
    for (const std::string& name : s_.folders.files)
        if (name == kPathCfg) return true;
    return false;
}

bool FolderNavigator::openConsoleFolder(const std::string& folder) {
    return setDrive(driveRules().driveOf(folder)) && setDir(folder);
}

// Drive1 set to a drive: a change moves Dir1 to that drive's root; a drive
// whose root cannot be opened leaves Dir1 where it was.
bool FolderNavigator::setDrive(const std::string& text) {
    std::optional<DriveEntry> drive = driveRules().find(text);
    if (!drive) return false;
    if (drive->text == s_.folders.drive) return true;
    s_.folders.drive = drive->text;
    s_.changes.add(Change::Folders);
    setDir(drive->root);
    return true;
}

// Dir1 set to a folder: the folder list follows and the folder is scanned.
// False (nothing changed) when the folder cannot be opened.
bool FolderNavigator::setDir(const std::string& path) {
    std::string folder = normalizeFolder(path);
    if (folder.empty()) return false;
    errno = 0;
    if (!s_.fs.subfolders(folder)) {
        // The folder list stays where it is; the status line says why.
        s_.changes.add(Change::Texts);
        s_.texts.statusLine = "Cannot open " + folder + ": " +
                              (errno != 0 ? std::strerror(errno) : "the folder cannot be listed");
        return false;
    }
    s_.folders.dir = folder;
    if (auto drive = driveRules().find(driveRules().driveOf(folder)))
        s_.folders.drive = drive->text;
    s_.actions.dir1Change();
    return true;
}

void FolderNavigator::refreshFolderLists() {
    s_.folders.files.clear();
    if (auto names = s_.fs.fileNames(s_.folders.filePath)) s_.folders.files = std::move(*names);

    s_.folders.dirEntries.clear();
    const std::string root = driveRules().driveOf(s_.folders.dir);
    int level = 0;
    for (const std::string& folder : pathChain(root, s_.folders.dir)) {
        std::string name = level == 0 ? folder : lastPathPart(folder);
        s_.folders.dirEntries.push_back({folder, name, level++, true});
    }
    if (auto subfolders = s_.fs.subfolders(s_.folders.dir))
        for (const std::string& name : *subfolders)
            if (!name.empty() && name[0] != '.')
                s_.folders.dirEntries.push_back(
                    {joinPath(s_.folders.dir, name), name, level, false});
    s_.changes.add(Change::Folders);
}

// DIRCHANGE: the drive and folder of PATH.CFG, else the program folder.
void FolderNavigator::dirChange() {
    std::optional<PathCfg> saved;
    if (auto bytes = s_.fs.read(pathCfg_)) saved = PathCfg::parse(*bytes);
    if (saved && setDrive(saved->drive) && setDir(saved->folder)) return;
    setDrive(driveRules().driveOf(config_.programFolder));
    setDir(config_.programFolder);
}

void FolderNavigator::command1Click(int index) {
    ViewChanges::Batch batch(s_.changes, Change::Folders | Change::Layout);
    if (index == 5) {
        dirChange();
        s_.actions.showResultTable(false);
        return;
    }
    if (index < 0 || index > 5) return;
    DriveRules rules = driveRules();
    std::string target = index == 0 ? parentTarget(rules, s_.folders.filePath)
                                    : s_.platform.specialFolderPath(kFolderButtonCodes[index]);
    if (target.empty()) {
        // A shell folder this system lacks: the status line says so.
        if (index == 0) return;
        s_.changes.add(Change::Texts);
        s_.texts.statusLine = "No " + s_.texts.command1Tips[static_cast<std::size_t>(index)] +
                              " folder on this system";
        return;
    }
    // One that cannot be opened stays where it is; the status line says why.
    if (!s_.fs.subfolders(target)) {
        setDir(target);
        return;
    }

    std::string targetDrive = rules.driveOf(target);
    auto current = rules.find(s_.folders.drive);
    if (!current || current->root != targetDrive) setDrive(targetDrive);
    bool root = rules.isDriveRoot(target);
    if (setDir(target)) s_.layout.layout().command1[0].enabled = !root;
}

void FolderNavigator::drive1Change(const std::string& driveText) {
    ViewChanges::Batch batch(s_.changes, Change::Folders);
    s_.folders.drives = s_.platform.drives();
    setDrive(driveText);
}

void FolderNavigator::dir1Open(const std::string& path) {
    ViewChanges::Batch batch(s_.changes, Change::Folders);
    setDir(path);
}

bool FolderNavigator::openPath(const std::string& path) {
    ViewChanges::Batch batch(s_.changes, Change::All);
    std::error_code ec;
    if (s_.fs.subfolders(path) || std::filesystem::is_directory(path, ec)) return setDir(path);
    const std::string file = lastPathPart(path);
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (file.empty() || !setDir(folder)) return false;
    for (int i = 0; i < s_.list.count(); ++i) {
        const CurveListEntry& entry = s_.list.entry(i);
        if (entry.parent != -1) continue;
        if (entry.text != file && entry.text.rfind(file + "\\", 0) != 0) continue;
        s_.list.selected = i;
        // A multi-spindle file is ticked with all its spindles, so it is drawn too.
        if (s_.list.checkBoxes) {
            s_.list.entry(i).checked = true;
            for (int child : s_.list.children(i))
                s_.list.entry(child).checked = true;
        }
        s_.actions.treeViewClick();
        return true;
    }
    return true;
}

void FolderNavigator::check2Click(bool ticked) {
    ViewChanges::Batch batch(s_.changes, Change::State);
    check2_ = ticked;
    if (s_.folders.dir != s_.shell.rSaveFolder) {
        if (ticked) {
            if (s_.layout.layout().grid2.visible)
                s_.actions.treeViewClick();
            else
                s_.actions.dir1Change();
        }
        check2_ = false; // a one-shot refresh outside the console's result folder
        return;
    }
    if (!s_.shell.anyConsolePresent()) {
        check2_ = false;
        return;
    }
    s_.timers.timer1 = ticked;
    s_.timers.timer2 = ticked;
}

} // namespace plotwise
