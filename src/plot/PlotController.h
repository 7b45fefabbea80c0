#pragma once
#include "PlotCanvas.h"
#include "PlotScales.h"
#include "PlotView.h"
#include "PlotWords.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace plotwise {

class CurveTrace;
class LoadedCurveTable;
class PlotHost;
class TraceFields;

// A scroll bar's value, range and steps.
struct ScrollBarState {
    int value = 0;
    int minimum = 0;
    int maximum = 0;
    int smallChange = 1;
    int largeChange = 10;
};

// A text box on the plot (manual Y full scale, manual X end value); its
// rectangle is in picture units.
struct PlotTextBox {
    std::string text = "AUTO";
    bool visible = true;
    double left = 0, top = 0, width = 900, height = 285;
};

// What a handler changed on the plot, so the view refreshes only that.
namespace PlotChange {
inline constexpr unsigned Picture = 1;  // the image
inline constexpr unsigned Controls = 2; // scroll bars, text boxes, options, labels
inline constexpr unsigned Pointer = 4;  // the pointer over the picture and its tip
} // namespace PlotChange

// The plot: the picture and its view state, the axes, the curve drawing, the
// deferred redraw, the reference markers and read-out, zoom, pan and the mouse
// modes. Mouse positions are picture units; buttons 1 left, 2 right.
class PlotController {
public:
    static constexpr int kLeftButton = 1;
    static constexpr int kRightButton = 2;
    static constexpr std::uint32_t kMarkerColors[8] = {0x000000, 0x0000ff, 0x0080ff, 0x00ffff,
                                                       0x00ff00, 0xffff00, 0xff0000, 0xff00ff};

    explicit PlotController(PlotHost& host);

    // ---- set-up ----
    void setWords(PlotWords words) { words_ = std::move(words); }
    // "/W": the diagnostic labels are written.
    void setDiagnostics(bool on) { diagnostics_ = on; }
    void setFont(const QFont& font);
    // The drawing of all curves lets window events run between curves, but
    // not more often than this (milliseconds; 100 unless set).
    void setEventYieldInterval(int ms) { yieldIntervalMs_ = ms; }
    // The picture's scale area in pixels.
    void resizePicture(int widthPixels, int heightPixels);

    // ---- state ----
    PlotView& view() { return view_; }
    const PlotView& view() const { return view_; }
    const PlotCanvas& canvas() const { return canvas_; }
    PlotCanvas& canvas() { return canvas_; }
    const ScrollBarState& hs() const { return hs_; }
    const ScrollBarState& vs() const { return vs_; }
    const PlotTextBox& text1() const { return text1_; }
    const PlotTextBox& text2() const { return text2_; }
    int option1Selected() const { return option1_; }
    int option2Selected() const { return option2_; }
    int option3Selected() const { return option3_; }
    const std::array<std::string, 8>& diagnosticCaptions() const { return label1_; }
    // The pointer over the picture: 0 the default, else a PlotPointer mode.
    int pictureCursor() const { return cursor_; }
    const std::string& toolTip() const { return toolTip_; }
    // PlotChange bits collected since the last call.
    unsigned takeChanges();
    // Curves the last DRAW or DRAW2 drew: 0 when it drew the axes alone.
    int curvesDrawn() const { return curvesDrawn_; }

    // ---- drawing ----
    void DRAW();
    void DRAW2();
    // The deferred redraw: runs DRAW or DRAW2 when a redraw is pending.
    void timer3Tick();
    void DRAWGRID(int unit, int scaleIndex, double yFullScale, double vsValue, double hsValue);
    void CURVEDRAW(int unit, double xFactor, double yFullScale, double vsValue, double hsValue,
                   const TraceFields& trace, std::uint32_t color);
    void REFDRAW();

    // ---- controls ----
    void option1Click(int index);
    void option2Click(int index);
    void option3Click(int index);
    // The user places the view: runs the HS change handling when the value
    // changes, and from then on the view no longer follows the curves' end.
    void setHS(int value);
    bool hsSetByUser() const { return hsSetByUser_; }
    // Other curves are shown (a list click, a result line): the view follows
    // their end again and a zoom's Y scale and offset give way to theirs.
    void newCurveSelection();
    // The Y full scale a zoom left for the curves shown; 0 when none.
    double zoomYScale() const { return zoomYScale_; }
    void setVS(int value);
    void setText1(const std::string& text);
    void setText2(const std::string& text);
    void text1Enter();
    void text2Enter();

    // ---- mouse on the picture ----
    void mouseDown(int button, double x, double y);
    void mouseMove(int button, double x, double y);
    void mouseUp(int button, double x, double y);
    void click();
    void doubleClick();
    void mouseLeft();
    // A double click opened a text box: the view gives it the focus once.
    bool takeText1Focus() { return std::exchange(focusText1_, false); }
    bool takeText2Focus() { return std::exchange(focusText2_, false); }

private:
    PlotGeometry geometry() const;
    bool torque() const;
    ReadOutInputs readOutInputs() const;
    void setScale(int index);
    void redrawNow();
    void drawTable();
    bool loadOlderFormatRow(const LoadedCurveTable& rows, int row, CurveTrace& trace,
                            int& format) const;
    void writeDiagnostics();
    void hsChanged();
    void applyHS(int value);
    void followCurveEnd(double peakX);
    void vsChanged();
    void printTitle(const TraceFields& trace);
    void applyGridTexts(int unit);
    void drawLabels(int unit, double yFullScale, double vsValue, double hsValue);
    void hoverMove(double x, double y);
    void dragMove(int button, double x, double y);
    void zoomTo(double w, double h, double bottom, double right);
    void rightClickReset();
    int captionValue(int index) const;
    void moveHSToText2();
    double yFullScale(double peak) const;
    int redrawSource() const;
    bool anyMarker() const;

    PlotHost& host_;
    PlotView view_;
    PlotCanvas canvas_;
    PlotWords words_;
    ScrollBarState hs_{0, -500, 9999, 5, 50};
    ScrollBarState vs_{0, -10000, 10000, 1, 10};
    PlotTextBox text1_;
    PlotTextBox text2_;
    int option1_ = 0;
    int option2_ = 0;
    int option3_ = 0;
    std::array<std::string, 8> label1_{};
    int cursor_ = 0;
    std::string toolTip_;
    bool diagnostics_ = false;
    bool hsSetByUser_ = false;
    int yieldIntervalMs_ = 100;
    double zoomYScale_ = 0;  // the last zoom's Y full scale, 0 when none
    bool dragged_ = false;   // the press that ends in the next click moved the view
    bool focusText1_ = false;
    bool focusText2_ = false;
    unsigned changes_ = 0;
    int curvesDrawn_ = 0;
};

} // namespace plotwise
