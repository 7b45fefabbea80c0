#pragma once
#include "DriveRules.h"
#include "ExportController.h"
#include "Form1Shared.h"
#include "FolderState.h"
#include "FormLayout.h"
#include "LayoutEngine.h"
#include "PlotPanel.h"
#include "Platform.h"
#include "ResultTableController.h"
#include "ShellState.h"
#include "StartupConfig.h"
#include "WindowFont.h"
#include "WindowTexts.h"
#include "curvefiles/FileSystem.h"
#include "curvefiles/LoadState.h"
#include "curvefiles/LoadedCurveTable.h"
#include "curvelist/CurveList.h"
#include "curvelist/SpindleColors.h"
#include "export/PictureWriter.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace plotwise {


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
class Form1Core : private Form1Actions {
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
    // Why the last folder scan could not list its folder; "" when it could.
    const std::string& scanError() const { return scanError_; }
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

    // ---- the loaded-curve table, the result table and the export buttons ----
    // A click on Grid1's cell (row 0 the heading row).
    void grid1Click(int column, int row = 0);
    ResultTableController& results() { return results_; }
    const ResultTableController& results() const { return results_; }
    ExportController& exporter() { return export_; }
    const ExportController& exporter() const { return export_; }

    // ---- timers ----
    void timer1Tick() { results_.timer1Tick(); } // live result monitor
    void timer2Tick() { results_.timer2Tick(); } // console settings refresh
    void timer3Tick() { plotPanel_.timer3Tick(); } // deferred redraw of the plot
    bool redrawPending() const { return plot_.view().redrawPending; }

    // ---- plot: Picture1 and its controls ----
    PlotPanel& plotPanel() { return plotPanel_; }
    void setPictureSize(int widthPixels, int heightPixels) {
        plotPanel_.setPictureSize(widthPixels, heightPixels);
    }

    // ---- mouse wheel ----
    // One key press per notch: Up for a positive delta, else Down.
    static WheelKey wheelKey(int delta) { return delta > 0 ? WheelKey::Up : WheelKey::Down; }
    // True while the wheel is translated into key presses (off with "/W").
    bool wheelTranslationOn() const { return shell_.wheelHookInstalled; }

private:
    using Batch = ViewChanges::Batch;

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

    // Form1Actions
    void toggleTag(bool enabled, bool untick) override;
    LoadContext loadContext() const override;
    void processEvents() override;
    void reopenResult() override { results_.reopenCurrent(); }
    void copyPicture(const QImage& image) override;
    // Grid2 shown over the curve list, or hidden; "Check All" and "Uncheck
    // All" belong to the list and show only with it.
    void showResultTable(bool shown) override;

    void lowerLayoutDone();
    std::string versionCaption() const;
    void notify(unsigned changes);
    Form1Shared shared();

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
    TimerState timers_;

    bool check1_ = false;
    bool check2_ = false;
    int selectedCurveRow_ = 0;
    std::string tableFile_;
    std::string selectedEntryText_;
    std::string scanError_;
    int grid1Row_ = 0; // Grid1's current cell
    int grid1Column_ = 0;
    ViewChanges changes_;
    PlotPanel plotPanel_{shared()};
    PlotController plot_{plotPanel_};
    ResultTableController results_{shared()};
    ExportController export_{shared()};
};

} // namespace plotwise
