// Start-up, shutdown and the texts of the main window.
#include "Form1Core.h"

#include "ConsoleSettings.h"
#include "ListClick.h"
#include "VersionDigits.h"

#include <QCoreApplication>

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

StartupConfig withNormalFolders(StartupConfig config) {
    config.programFolder = normalizeFolder(config.programFolder);
    return config;
}

// The console beside the program: its presence, version and settings.
void detectConsoles(ShellState& shell, const FileSystem& fs, const Platform& platform,
                    const std::string& programFolder) {
    const std::string appData = platform.specialFolderPath(ShellFolder::ApplicationData);
    const std::string programName = lastPathPart(programFolder);
    const std::string separator(1, pathSeparator());
    for (const ConsoleFamily& family : kConsoles) {
        const std::string executable = joinPath(programFolder, family.executable);
        shell.*family.present = platform.fileSize(executable) >= 1;
        if (!(shell.*family.present)) continue;
        shell.consoleVersion = versionDigits(platform.versionRecord(executable));
        shell.consoleSettingsFolder = appData + separator + family.folderPrefix +
                                      shell.consoleVersion + separator + programName;
        readConsoleSettings(shell, fs, platform);
    }
}

void prepareGrid1(LoadedCurveTable& grid1, ShellState& shell) {
    setGrid1Headings(grid1, shell.languageTable);
    shell.columnWidths.fill(960);
    shell.columnVisible.fill(true);
}

void applyStartTexts(WindowTexts& texts, const LanguageTable& table) {
    texts.label2Caption = table[LanguageTable::NoCurveFile];
    static constexpr const char* kScales[6] = {"50 ", "100 ", "200 ", "400 ", "600 ", "1200 "};
    for (int i = 0; i < 6; ++i) {
        texts.option1[i] = kScales[i] + table[LanguageTable::Degree];
        texts.command1Tips[i] = table[LanguageTable::FolderTipFirst + i];
    }
    texts.check1Tip = table[LanguageTable::DisplayItemSelect];
    for (int i = 0; i < 5; ++i)
        texts.command3Tips[i] = table[LanguageTable::ExportTipFirst + i];
    texts.command3Tips[5] = table[LanguageTable::ConvertAllJpg];
    const std::string lines = " 1000 " + table[LanguageTable::Lines];
    texts.pagePrevRow = pagingRow(table[LanguageTable::Previous] + lines);
    texts.pageNextRow = pagingRow(table[LanguageTable::Next] + lines);
}

} // namespace

Form1Core::Form1Core(StartupConfig config, const FileSystem& fs, const Platform& platform)
    : config_(withNormalFolders(std::move(config))), fs_(fs), platform_(platform) {
    changes_.tell = [this](unsigned changes) {
        if (onChanged) onChanged(changes);
    };
    changes_.collect = [this] { return plotPanel_.takeChanges(); };
}

void Form1Core::formLoad() {
    Batch batch(changes_, Change::All);
    // With a path given, "/W" may stand beside it; without, the command line is
    // the switch alone.
    shell_.hookMouseWheel = config_.startPath.empty() ? trimmedBlanks(config_.commandLine) != "/W"
                                                      : !config_.wheelSwitch;
    navigator_.startFolder();
    detectConsoles(shell_, fs_, platform_, config_.programFolder);
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
    prepareGrid1(grid1_, shell_);
    texts_.caption = versionCaption();
    int present = 0;
    const ConsoleFamily* found = nullptr;
    for (const ConsoleFamily& family : kConsoles)
        if (shell_.*family.present) ++present, found = &family;
    if (present == 1 && tavrinLink()) texts_.caption += " " + shell_.languageTable[found->linkText];
    applyStartTexts(texts_, shell_.languageTable);
    plot_.view().plotPointer = PlotPointer::Zoom;
    if (!config_.startPath.empty()) navigator_.openPath(config_.startPath);
    plot_.setWords(PlotPanel::words(shell_.languageTable));
    plot_.setFont(toQFont(windowFont()));
    plot_.setDiagnostics(!shell_.hookMouseWheel);
    shell_.wheelHookInstalled = shell_.hookMouseWheel;
}

void Form1Core::formUnload() {
    Batch batch(changes_, Change::State);
    shell_.wheelHookInstalled = false;
    navigator_.savePathCfg();
}

// Opens the console's result folder; false when the drive or folder is not
// available.
bool Form1Core::tavrinLink() {
    const std::string& folder = shell_.rSaveFolder;
#ifdef _WIN32
    bool beyondRoot = folder.size() > 3;
#else
    bool beyondRoot = !folder.empty() && !navigator_.driveRules().isDriveRoot(folder);
#endif
    if (!beyondRoot) return true;
    return navigator_.openConsoleFolder(folder);
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
    return Form1Shared{fs_,
                       platform_,
                       shell_,
                       list_,
                       grid1_,
                       load_,
                       colors_,
                       folders_,
                       layout_,
                       texts_,
                       plot_,
                       changes_,
                       timers_,
                       *this,
                       grid1Row_,
                       grid1Column_,
                       selectedCurveRow_,
                       selectedEntryText_,
                       check1_};
}

} // namespace plotwise
