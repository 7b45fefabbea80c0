#pragma once
#include "CurveListPanel.h"
#include "ExportController.h"
#include "FolderNavigator.h"
#include "Form1Shared.h"
#include "PlotPanel.h"
#include "ResultTableController.h"
#include "StartupConfig.h"
#include "WindowFont.h"

#include <functional>
#include <string>

namespace plotwise {

// The headless main window: owns ShellState and every piece of Form1's state,
// runs start-up, shutdown and the layout, and forwards the events of each part
// of the window to its controller. A Qt window shows its models and forwards
// events. All geometry is in twips.
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
    // Row of the selected curve among the loaded rows, 0 for none.
    int selectedCurveRow() const { return selectedCurveRow_; }
    const std::string& selectedEntryText() const { return selectedEntryText_; }
    // The window font from the language table (computed once, then cached).
    WindowFont windowFont();

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

    // ---- the curve list, "Toggle Tag" and the loaded-curve table ----
    CurveListPanel& listPanel() { return listPanel_; }
    const CurveListPanel& listPanel() const { return listPanel_; }

    // ---- navigation: drive, folder and file lists, folder buttons, "REFRESH" ----
    FolderNavigator& navigator() { return navigator_; }
    const FolderNavigator& navigator() const { return navigator_; }

    // ---- the result table and the export buttons ----
    ResultTableController& results() { return results_; }
    const ResultTableController& results() const { return results_; }
    ExportController& exporter() { return export_; }
    const ExportController& exporter() const { return export_; }

    // ---- timers ----
    void timer1Tick() { results_.timer1Tick(); }   // live result monitor
    void timer2Tick() { results_.timer2Tick(); }   // console settings refresh
    void timer3Tick() { plotPanel_.timer3Tick(); } // deferred redraw of the plot
    bool redrawPending() const { return plot_.view().redrawPending; }

    // ---- plot: Picture1 and its controls ----
    PlotPanel& plotPanel() { return plotPanel_; }
    void setPictureSize(int widthPixels, int heightPixels) {
        plotPanel_.setPictureSize(widthPixels, heightPixels);
    }

    // True while the wheel is translated into key presses (off with "/W").
    bool wheelTranslationOn() const { return shell_.wheelHookInstalled; }

private:
    using Batch = ViewChanges::Batch;

    bool tavrinLink();

    // Form1Actions
    void check1Click(bool ticked) override { listPanel_.check1Click(ticked); }
    void command2Click(int index) override { listPanel_.command2Click(index); }
    void treeViewClick() override { listPanel_.treeViewClick(); }
    void dir1Change() override { listPanel_.dir1Change(); }
    void toggleTag(bool enabled, bool untick) override { listPanel_.toggleTag(enabled, untick); }
    void showResultTable(bool shown) override { listPanel_.showResultTable(shown); }
    LoadContext loadContext() const override;
    void processEvents() override;
    void reopenResult() override { results_.reopenCurrent(); }
    void copyPicture(const QImage& image) override;

    void lowerLayoutDone();
    std::string versionCaption() const;
    void notify(unsigned changes);
    Form1Shared shared();

    StartupConfig config_;
    const FileSystem& fs_;
    const Platform& platform_;

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
    int selectedCurveRow_ = 0;
    std::string selectedEntryText_;
    int grid1Row_ = 0; // Grid1's current cell
    int grid1Column_ = 0;
    ViewChanges changes_;
    PlotPanel plotPanel_{shared()};
    PlotController plot_{plotPanel_};
    ResultTableController results_{shared()};
    ExportController export_{shared()};
    FolderNavigator navigator_{shared(), config_};
    CurveListPanel listPanel_{shared(), navigator_, results_};
};

} // namespace plotwise
