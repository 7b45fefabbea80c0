#pragma once
#include "DisplayItems.h"
#include "DriveRules.h"
#include "ExportSeams.h"
#include "FolderState.h"
#include "FormLayout.h"
#include "LayoutEngine.h"
#include "Platform.h"
#include "ShellState.h"
#include "StartupConfig.h"
#include "WindowFont.h"
#include "WindowTexts.h"
#include "curvefiles/FileSystem.h"
#include "curvefiles/LoadState.h"
#include "curvefiles/LoadedCurveTable.h"
#include "curvelist/CurveList.h"
#include "curvelist/ResultTable.h"
#include "curvelist/SpindleColors.h"
#include "export/PictureWriter.h"
#include "plot/PlotController.h"
#include "plot/PlotHost.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace plotwise {

// What a handler changed, so the view refreshes only that.
namespace Change {
inline constexpr unsigned List = 1;    // curve list entries, ticks, colours, selection
inline constexpr unsigned Grid1 = 2;   // loaded-curve table content
inline constexpr unsigned Folders = 4; // Drive1, Dir1, File1
inline constexpr unsigned Layout = 8;  // geometry, visibility, enabled flags, pointer
inline constexpr unsigned Texts = 16;  // caption, tips, captions
inline constexpr unsigned State = 32;  // check values, timers, plot requests
inline constexpr unsigned Picture = 64;       // the plot image
inline constexpr unsigned PlotControls = 128; // scroll bars, plot text boxes, options, labels
inline constexpr unsigned PlotPointer = 256;  // pointer and tip over the plot
inline constexpr unsigned Grid2 = 512;        // result table content, colours, widths, current row
inline constexpr unsigned All = 1023;
} // namespace Change

enum class WheelKey { Up, Down };

struct TimerState {
    bool timer1 = false; // live result monitor, 1000 ms
    bool timer2 = false; // settings refresh, 30000 ms
    bool timer3 = true;  // deferred redraw, 1000 ms
    static constexpr int kTimer1Interval = 1000;
    static constexpr int kTimer2Interval = 30000;
    static constexpr int kTimer3Interval = 1000;
};

// The headless main window: owns ShellState and every piece of Form1's state,
// runs start-up and shutdown, and handles the events of the curve list, the
// navigation and the layout. A Qt window shows its models and forwards events.
// All geometry is in twips.
class Form1Core : private PlotHost {
public:
    // Grid1: width of column 0 in twips; every column is centred.
    static constexpr int kGrid1FileNameWidth = 2000;

    Form1Core(StartupConfig config, const FileSystem& fs, const Platform& platform);

    // ---- life cycle ----
    // Start-up: command line, PATH.CFG, console detection, language table,
    // colours, first folder scan, tables, captions, wheel translation.
    void formLoad();
    // Shutdown: wheel translation off, PATH.CFG written. The caller then ends
    // the process.
    void formUnload();

    // ---- models ----
    const ShellState& shellState() const { return shell_; }
    const CurveList& curveList() const { return list_; }
    // For an item model that ticks entries directly; call treeViewClick() etc.
    // as the events arrive.
    CurveList& curveList() { return list_; }
    const LoadedCurveTable& grid1() const { return grid1_; }
    const FolderState& folders() const { return folders_; }
    const FormLayout& layout() const { return layout_.layout(); }
    // The smallest client area (twips) at which every control shows.
    Rect minimumClientArea() const { return layout_.minimumClientArea(); }
    const WindowTexts& texts() const { return texts_; }
    const PlotController& plot() const { return plot_; }
    PlotController& plot() { return plot_; }
    const LoadState& loadState() const { return load_; }
    const SpindleColors& spindleColors() const { return colors_; }
    MousePointer mousePointer() const { return layout_.pointer(); }
    const TimerState& timers() const { return timers_; }
    bool check1Value() const { return check1_; }
    bool check2Value() const { return check2_; }
    // Row of the selected curve among the loaded rows, 0 for none.
    int selectedCurveRow() const { return selectedCurveRow_; }
    const std::string& tableFile() const { return tableFile_; }
    const std::string& selectedEntryText() const { return selectedEntryText_; }
    // The window font from the language table (computed once, then cached).
    WindowFont windowFont();
    // Where PATH.CFG is kept: the program folder, or the user's configuration
    // folder when the program folder cannot be written.
    const std::string& pathCfgFile() const { return pathCfg_; }

    // Told after every handler with the Change bits of what it changed.
    std::function<void(unsigned changes)> onChanged;

    // ---- layout (Form_Resize and the two splitters); x, y relative to the frame ----
    void formResize(int innerWidth, int innerHeight, int outerWidth);
    void frame1MouseDown(int button, int shift, int x, int y);
    void frame1MouseMove(int button, int shift, int x, int y);
    void frame1MouseUp(int button, int shift, int x, int y);
    void frame2MouseDown(int button, int shift, int x, int y);
    void frame2MouseMove(int button, int shift, int x, int y);
    void frame2MouseUp(int button, int shift, int x, int y);

    // ---- curve list ----
    // The list click: applies the ticks, rebuilds Grid1 and calls the loaders.
    void treeViewClick();
    // Selects an entry (-1 for none) without running the list click.
    void treeViewSelect(int index);
    void setEntryChecked(int index, bool checked);
    void setEntryExpanded(int index, bool expanded);
    // Spindle colour pick, first: the colour dialog's title when the selected
    // entry is a nutrunner spindle entry, else nullopt (nothing to pick).
    std::optional<std::string> colorPickTitle() const;
    // Then: the chosen colour (0x00BBGGRR) for that spindle and its entry.
    void applySpindleColor(std::uint32_t color);
    // "Check All" (0) / "Uncheck All" (1).
    void command2Click(int index);
    // "Toggle Tag" set to `ticked`: the plot or the loaded-curve table.
    void check1Click(bool ticked);

    // ---- navigation ----
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

    // ---- result table (Grid2) and the display item window (Form2) ----
    const ResultTable& grid2() const { return grid2_; }
    // Grid2's current cell: table row (0 the heading row) and column.
    int grid2Row() const { return grid2Row_; }
    int grid2Column() const { return grid2Column_; }
    // A click on Grid2; `selectedRows` is how many rows the selection spans.
    void grid2Click(int row, int column, int selectedRows = 1);
    // The user changed a column's width (twips); every width is then captured.
    void grid2ColumnResized(int column, int twips);
    // A click on Grid1's cell (row 0 the heading row).
    void grid1Click(int column, int row = 0);
    // True once after a handler asked to show the display item window.
    bool takeForm2Request() { return std::exchange(form2Requested_, false); }
    // True once after the live monitor made Grid2's last row current.
    bool takeGrid2ScrollToEnd() { return std::exchange(grid2ScrollToEnd_, false); }
    // Form2 opening: its list lines (kept for the clicks) and its caption.
    std::vector<DisplayItem> form2Load();
    // The list lines Form2 would show now, without loading it.
    std::vector<DisplayItem> displayItemsNow() const;
    std::string form2Caption() const;
    // Form2's list selection changed: applied to Grid2 at once.
    void form2ListClick(const std::vector<bool>& selected);

    // ---- timers ----
    void timer1Tick(); // live result monitor
    void timer2Tick(); // console settings refresh
    void timer3Tick(); // deferred redraw of the plot
    bool redrawPending() const { return plot_.view().redrawPending; }

    // ---- plot ----
    // The plot picture's scale area in pixels (the window follows Picture1;
    // a headless caller sets any size).
    void setPictureSize(int widthPixels, int heightPixels);
    void option1Click(int index); // X scale
    void option2Click(int index); // marker style
    void option3Click(int index); // marker colour
    void hsChange(int value);
    void vsChange(int value);
    void text1Change(const std::string& text);
    void text2Change(const std::string& text);
    void text1Enter();
    void text2Enter();
    // Mouse on Picture1, in picture units; buttons 1 left, 2 right (a mask for moves).
    void picture1MouseDown(int button, double x, double y);
    void picture1MouseMove(int buttons, double x, double y);
    void picture1MouseUp(int button, double x, double y);
    void picture1Click();
    void picture1DblClick();
    void picture1MouseLeave();

    // ---- export buttons (Form1Export.cpp) ----
    // Dialogs, clipboard and progress, as the window provides them.
    ExportSeams exportSeams;
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

    // ---- mouse wheel ----
    // One key press per notch: Up for a positive delta, else Down.
    static WheelKey wheelKey(int delta) { return delta > 0 ? WheelKey::Up : WheelKey::Down; }
    // True while the wheel is translated into key presses (off with "/W").
    bool wheelTranslationOn() const { return shell_.wheelHookInstalled; }

private:
    class Batch; // collects change bits and tells the view once per handler

    // start-up steps
    void detectConsoles();
    void applyStartTexts();
    void prepareGrid1();
    bool tavrinLink();
    void readConsoleSettings();

    // navigation helpers
    DriveRules driveRules() const;
    bool setDrive(const std::string& text);
    bool setDir(const std::string& path);
    void dirChange();
    void dir1Change();
    void refreshFolderLists();
    bool pathCfgAtStart() const;

    // list helpers
    void toggleTag(bool enabled, bool untick);
    // Grid2 shown over the curve list, or hidden; "Check All" and "Uncheck
    // All" belong to the list and show only with it.
    void showResultTable(bool shown);
    void tableShow();

    // result table helpers
    std::string tablePath() const;
    void resultRowClick(int row);
    void lowerLayoutDone();
    std::string versionCaption() const;
    void notify(unsigned changes);
    void syncPictureSize();
    unsigned takePlotChanges();
    PlotWords plotWords() const;

    // export helpers (Form1Export.cpp)
    void selectColor();
    void SPCOLOR(int spindle);
    void saveTableText();
    void redrawAtOnce();
    void flushView();
    void setStatusLine(std::string line);

    // PlotHost
    const CurveList& hostCurveList() const override { return list_; }
    LoadedCurveTable& hostGrid1() override { return grid1_; }
    LoadState& hostLoadState() override { return load_; }
    LoadContext loadContext() const override;
    std::array<std::string, 6>& scaleCaptions() override { return texts_.option1; }
    bool resultTableVisible() const override;
    bool pictureVisible() const override;
    void hideGrid1() override;
    bool noCurveNoticeVisible() const override;
    void hideNoCurveNotice() override;
    void showDiagnosticLabel(int index) override;
    void setBusy(bool busy) override;
    void processEvents() override;
    void resultSelectionChanged() override;
    void copyPictureToClipboard(const QImage& image) override;

    StartupConfig config_;
    const FileSystem& fs_;
    const Platform& platform_;
    std::string pathCfg_;

    ShellState shell_;
    CurveList list_;
    LoadedCurveTable grid1_;
    LoadState load_;
    SpindleColors colors_{};
    FolderState folders_;
    LayoutEngine layout_;
    WindowTexts texts_;
    PlotController plot_{*this};
    TimerState timers_;

    bool check1_ = false;
    bool check2_ = false;
    int selectedCurveRow_ = 0;
    std::string tableFile_;
    std::string selectedEntryText_;
    ResultTable grid2_;
    int grid2Row_ = 0;
    int grid2Column_ = 0;
    bool form2Requested_ = false;
    bool grid2ScrollToEnd_ = false;
    std::vector<DisplayItem> form2Items_;
    int grid1Row_ = 0; // Grid1's current cell
    int grid1Column_ = 0;
    bool converting_ = false;
    int convertingEntry_ = -1;
    bool stopRequested_ = false;
    unsigned pending_ = 0;
    int depth_ = 0;
};

} // namespace plotwise
