#pragma once
#include "FolderState.h"
#include "LayoutEngine.h"
#include "Platform.h"
#include "ShellState.h"
#include "ViewChanges.h"
#include "WindowTexts.h"
#include "curvefiles/CurveLoader.h"
#include "curvefiles/FileSystem.h"
#include "curvefiles/LoadState.h"
#include "curvefiles/LoadedCurveTable.h"
#include "curvelist/CurveList.h"
#include "curvelist/SpindleColors.h"
#include "plot/PlotController.h"

#include <string>

class QImage;

namespace plotwise {

struct TimerState {
    bool timer1 = false; // live result monitor, 1000 ms
    bool timer2 = false; // settings refresh, 30000 ms
    bool timer3 = true;  // deferred redraw, 1000 ms
    static constexpr int kTimer1Interval = 1000;
    static constexpr int kTimer2Interval = 30000;
    static constexpr int kTimer3Interval = 1000;
};

// What a controller of the main window asks of the window core: the list's
// handlers, which stay with the core that owns the list.
class Form1Actions {
public:
    virtual void check1Click(bool ticked) = 0; // "Toggle Tag"
    virtual void command2Click(int index) = 0; // "Check All" (0) / "Uncheck All" (1)
    virtual void treeViewClick() = 0;          // the list click
    virtual void dir1Change() = 0;             // the folder scanned into the list
    // "Toggle Tag" enabled or not; `untick` shows the plot again.
    virtual void toggleTag(bool enabled, bool untick) = 0;
    virtual LoadContext loadContext() const = 0;
    // Lets the window repaint and take input during a long action.
    virtual void processEvents() = 0;
    // The current result line opened again (a marker placed over it).
    virtual void reopenResult() = 0;
    // The plot picture put on the clipboard (a marker click).
    virtual void copyPicture(const QImage& image) = 0;
    // The result table shown over the curve list, or hidden again.
    virtual void showResultTable(bool shown) = 0;

protected:
    ~Form1Actions() = default;
};

// The state the parts of the main window share. Form1Core owns it; its
// controllers (folders, result table, export, plot panel) work on it through these references.
struct Form1Shared {
    const FileSystem& fs;
    const Platform& platform;
    ShellState& shell;
    CurveList& list;
    LoadedCurveTable& grid1;
    LoadState& load;
    SpindleColors& colors;
    FolderState& folders;
    LayoutEngine& layout;
    WindowTexts& texts;
    PlotController& plot;
    ViewChanges& changes;
    TimerState& timers;
    Form1Actions& actions;
    int& grid1Row; // Grid1's current cell
    int& grid1Column;
    int& selectedCurveRow;          // the selected curve among the loaded rows, 0 for none
    std::string& selectedEntryText; // the file behind the plot's title line
    bool& check1;                   // "Toggle Tag": the loaded-curve table shown
};

} // namespace plotwise
