#pragma once
#include <array>

namespace plotwise {

// One reference marker: a picture point and its style (0 none, 1 cross,
// 2 horizontal line, 3 vertical line).
struct ReferenceMarker {
    double x = 0;
    double y = 0;
    int style = 0;
};

// The mouse modes of the plot, as the pointer shape shown over the data area.
namespace PlotPointer {
inline constexpr int Zoom = 2;       // crosshair
inline constexpr int PanBoth = 5;    // four-way arrow
inline constexpr int PanVertical = 7;
inline constexpr int PanHorizontal = 9;
} // namespace PlotPointer

// The plot's view state: scale choice, the Y full scale per design unit,
// margins, redraw flags, drag points and the eight reference markers.
// Positions are picture units (twips of the picture's scale area).
struct PlotView {
    int xScaleIndex = 0;
    double xScaleFactor = 0.25;
    double xReadScale = 0.02;
    double yPerUnit = 0;
    double plotTop = 210.0;
    double plotBottom = 0;
    bool gridDirty = true;
    bool redrawPending = true;
    double panXPerStep = 0.2;
    double panYPerStep = 0.5;

    bool drawBusy = false;
    int drawSource = 1; // 1 = the selected curve, 2 = every row of Grid1
    double xUnitsPerValue = 0;
    double yUnitsPerTenth = 0;

    std::array<ReferenceMarker, 8> markers{};
    double lastHS = 0;
    double lastVS = 0;
    bool refPlaced = false;
    bool rightClickPending = false;

    int plotPointer = PlotPointer::Zoom;
    double mouseX = 0, mouseY = 0;
    double dragStartX = 0, dragStartY = 0;
    double dragEndX = 0, dragEndY = 0;
    int panLastHS = 0, panLastVS = 0;

    void clearMarkers() { markers.fill(ReferenceMarker{}); }
};

} // namespace plotwise
