#pragma once
#include "Form1Shared.h"
#include "plot/PlotHost.h"

#include <string>

namespace plotwise {

// The plot's side of the main window: the handlers of Picture1 and its
// controls, forwarded to the PlotController with the view told what changed,
// and what the plot asks of the window (PlotHost).
class PlotPanel : public PlotHost {
public:
    explicit PlotPanel(Form1Shared shared) : s_(shared) {}

    // The plot picture's scale area in pixels (the window follows Picture1;
    // a headless caller sets any size).
    void setPictureSize(int widthPixels, int heightPixels);
    // Picture1's scale area from its place in the layout.
    void syncPictureSize();
    void timer3Tick(); // deferred redraw
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

    // The plot's change bits as the view's.
    unsigned takeChanges();
    // The plot's words from the language table.
    static PlotWords words(const LanguageTable& table);

    // PlotHost
    const CurveList& hostCurveList() const override { return s_.list; }
    LoadedCurveTable& hostGrid1() override { return s_.grid1; }
    LoadState& hostLoadState() override { return s_.load; }
    LoadContext loadContext() const override { return s_.actions.loadContext(); }
    const std::string& selectedEntryText() const override { return s_.selectedEntryText; }
    std::array<std::string, 6>& scaleCaptions() override { return s_.texts.option1; }
    bool resultTableVisible() const override;
    bool pictureVisible() const override;
    void hideGrid1() override;
    bool noCurveNoticeVisible() const override;
    void hideNoCurveNotice() override;
    void showDiagnosticLabel(int index) override;
    void setBusy(bool busy) override;
    void processEvents() override { s_.actions.processEvents(); }
    void resultSelectionChanged() override { s_.actions.reopenResult(); }
    void copyPictureToClipboard(const QImage& image) override { s_.actions.copyPicture(image); }

private:
    Form1Shared s_;
};

} // namespace plotwise
