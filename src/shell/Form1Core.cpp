// Start-up, shutdown and the texts of the main window.
#include "Form1Core.h"

#include "ConsoleSettings.h"
#include "ListClick.h"
#include "PathCfg.h"
#include "VersionDigits.h"

#include <QCoreApplication>
#include <QString>

namespace plotwise {
namespace {

struct ConsoleFamily {
    const char* executable;
    const char* folderPrefix;
    bool ShellState::*present;
    int linkText;
};

constexpr ConsoleFamily kConsoles[] = {
    {"TAVRIN UserConsole.exe", "TAVRIN_", &ShellState::tavrinConsolePresent,
     LanguageTable::LinkTavrin},
    {"MOSKEL UserConsole.exe", "MOSKEL_", &ShellState::moskelConsolePresent,
     LanguageTable::LinkMoskel},
    {"QUERNA UserConsole.exe", "QUERNA_", &ShellState::quernaConsolePresent,
     LanguageTable::LinkQuerna},
};

constexpr const char* kLanguageFile = "CURVELANG.TXT";
constexpr const char* kPathCfg = "PATH.CFG";
constexpr int kResultTableColumns = 40;

std::string trimmedBlanks(const std::string& text) {
    auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string pagingRow(const std::string& cell) {
    std::string row = cell;
    for (int i = 0; i < kResultTableColumns; ++i)
        row += "\t" + cell;
    return row;
}

} // namespace

Form1Core::Form1Core(StartupConfig config, const FileSystem& fs, const Platform& platform)
    : config_(std::move(config)), fs_(fs), platform_(platform) {
    config_.programFolder = normalizeFolder(config_.programFolder);
    const std::string& program = config_.programFolder;
    pathCfg_ = platform_.folderWritable(program) ? joinPath(program, kPathCfg)
                                                 : joinPath(platform_.userConfigFolder(), kPathCfg);
    folders_.drives = platform_.drives();
    folders_.dir = normalizeFolder(config_.workingFolder);
    folders_.drive =
        driveRules().find(driveRules().driveOf(folders_.dir)).value_or(DriveEntry{}).text;
    folders_.filePath = folders_.dir;
    refreshFolderLists();
    changes_.tell = [this](unsigned changes) {
        if (onChanged) onChanged(changes);
    };
    changes_.collect = [this] { return plotPanel_.takeChanges(); };
}

void Form1Core::formLoad() {
    Batch batch(changes_, Change::All);
    // With a path given, "/W" may stand beside it; without, the command line is
    // the switch alone.
    shell_.hookMouseWheel = config_.startPath.empty()
                                ? trimmedBlanks(config_.commandLine) != "/W"
                                : !config_.wheelSwitch;
    if (pathCfgAtStart()) dirChange();
    detectConsoles();
    shell_.languageLoaded =
        shell_.languageTable.load(fs_.read(joinPath(config_.programFolder, kLanguageFile)));
    colors_ = defaultSpindleColors();
    plot_.view().plotTop = 210.0;
    dir1Change();
    plot_.view().gridDirty = true;
    windowFont();
    plot_.view().drawSource = list_.checkBoxes ? 2 : 1;
    plot_.view().redrawPending = true;
    plot_.view().panXPerStep = 0.2;
    plot_.view().panYPerStep = 0.5;
    prepareGrid1();
    texts_.caption = versionCaption();
    int present = 0;
    const ConsoleFamily* found = nullptr;
    for (const ConsoleFamily& family : kConsoles)
        if (shell_.*family.present) ++present, found = &family;
    if (present == 1 && tavrinLink()) texts_.caption += " " + shell_.languageTable[found->linkText];
    applyStartTexts();
    plot_.view().plotPointer = PlotPointer::Zoom;
    if (!config_.startPath.empty()) openPath(config_.startPath);
    plot_.setWords(PlotPanel::words(shell_.languageTable));
    plot_.setFont(toQFont(windowFont()));
    plot_.setDiagnostics(!shell_.hookMouseWheel);
    shell_.wheelHookInstalled = shell_.hookMouseWheel;
}

void Form1Core::formUnload() {
    Batch batch(changes_, Change::State);
    shell_.wheelHookInstalled = false;
    platform_.replaceFile(pathCfg_, PathCfg{folders_.drive, folders_.dir}.text());
}

// The settings file is looked for in the working folder's file list when it is
// kept in the program folder; kept in the user's configuration folder, its
// presence there counts.
bool Form1Core::pathCfgAtStart() const {
    if (pathCfg_ != joinPath(config_.programFolder, kPathCfg))
        return platform_.fileSize(pathCfg_) >= 1;
    for (const std::string& name : folders_.files)
        if (name == kPathCfg) return true;
    return false;
}

void Form1Core::detectConsoles() {
    const std::string appData = platform_.specialFolderPath(ShellFolder::ApplicationData);
    const std::string programName = lastPathPart(config_.programFolder);
    const std::string separator(1, pathSeparator());
    for (const ConsoleFamily& family : kConsoles) {
        const std::string executable = joinPath(config_.programFolder, family.executable);
        shell_.*family.present = platform_.fileSize(executable) >= 1;
        if (!(shell_.*family.present)) continue;
        shell_.consoleVersion = versionDigits(platform_.versionRecord(executable));
        shell_.consoleSettingsFolder = appData + separator + family.folderPrefix +
                                       shell_.consoleVersion + separator + programName;
        readConsoleSettings();
    }
}

void Form1Core::readConsoleSettings() {
    plotwise::readConsoleSettings(shell_, fs_, platform_);
}

// Opens the console's result folder; false when the drive or folder is not
// available.
bool Form1Core::tavrinLink() {
    const std::string& folder = shell_.rSaveFolder;
#ifdef _WIN32
    bool beyondRoot = folder.size() > 3;
#else
    bool beyondRoot = !folder.empty() && !driveRules().isDriveRoot(folder);
#endif
    if (!beyondRoot) return true;
    return setDrive(driveRules().driveOf(folder)) && setDir(folder);
}

void Form1Core::prepareGrid1() {
    setGrid1Headings(grid1_, shell_.languageTable);
    shell_.columnWidths.fill(960);
    shell_.columnVisible.fill(true);
}

void Form1Core::applyStartTexts() {
    const LanguageTable& table = shell_.languageTable;
    texts_.label2Caption = table[LanguageTable::NoCurveFile];
    static constexpr const char* kScales[6] = {"50 ", "100 ", "200 ", "400 ", "600 ", "1200 "};
    for (int i = 0; i < 6; ++i) {
        texts_.option1[i] = kScales[i] + table[LanguageTable::Degree];
        texts_.command1Tips[i] = table[LanguageTable::FolderTipFirst + i];
    }
    texts_.check1Tip = table[LanguageTable::DisplayItemSelect];
    for (int i = 0; i < 5; ++i)
        texts_.command3Tips[i] = table[LanguageTable::ExportTipFirst + i];
    texts_.command3Tips[5] = table[LanguageTable::ConvertAllJpg];
    const std::string lines = " 1000 " + table[LanguageTable::Lines];
    texts_.pagePrevRow = pagingRow(table[LanguageTable::Previous] + lines);
    texts_.pageNextRow = pagingRow(table[LanguageTable::Next] + lines);
}

std::string Form1Core::versionCaption() const {
    return shell_.languageTable[LanguageTable::CaptionPrefix] + " " +
           std::to_string(PLOTWISE_VERSION_MAJOR) + "." + std::to_string(PLOTWISE_VERSION_MINOR) +
           std::to_string(PLOTWISE_VERSION_PATCH);
}

WindowFont Form1Core::windowFont() {
    return plotwise::windowFont(shell_);
}

void Form1Core::notify(unsigned changes) {
    changes_.add(changes);
}

LoadContext Form1Core::loadContext() const {
    return LoadContext{fs_, folders_.dir, layout_.layout().grid2.visible};
}

// A long drawing lets the window repaint and take input between curves.
void Form1Core::processEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

void Form1Core::copyPicture(const QImage& image) {
    if (export_.seams.clipboard.setPicture) export_.seams.clipboard.setPicture(image);
}

Form1Shared Form1Core::shared() {
    return Form1Shared{fs_,      platform_, shell_,  list_,      grid1_,
                       load_,    colors_,   folders_, layout_,   texts_,
                       plot_,    changes_,  *this,    grid1Row_, grid1Column_,
                       selectedCurveRow_, selectedEntryText_, check1_};
}

} // namespace plotwise
