#pragma once
#include <array>

namespace plotwise {

// One reference marker of the plot.
struct ReferenceMarker {
    double x = 0;
    double y = 0;
    int style = 0;
};

// The plot fields the window sets before the plot itself exists: redraw
// requests, the draw source and the start values of the view.
struct PlotRequest {
    bool gridDirty = true;
    bool redrawPending = true;
    int drawSource = 1; // 1 = the selected curve, 2 = every row of Grid1
    double plotTop = 210.0;
    double panXPerStep = 0.2;
    double panYPerStep = 0.5;
    int plotPointer = 2;
    std::array<ReferenceMarker, 8> markers{};
};

} // namespace plotwise
