#pragma once
#include <array>
#include <string>
#include <vector>

namespace plotwise {

// A widget rectangle in twips (15 per pixel), relative to its container.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

struct WidgetGeometry {
    Rect rect;
    bool visible = true;
    bool enabled = true;
};

// One widget for a generic view: name as "Command1(3)", its container's name
// ("Form1", "Frame1", "Frame2" or "Picture1").
struct NamedWidget {
    std::string name;
    std::string container;
    WidgetGeometry geometry;
};

// Geometry and visibility of every widget of the main window, in twips.
// Containers: Frame1 holds Drive1, Dir1, Check2, Command1 and Picture2;
// Frame2 holds Picture1, Grid1, HS, VS, Frame3..5; Picture1 holds Label1 and
// Label2; everything else lies on Form1. The start values are the design-time
// positions; the layout rules derive the rest from them.
struct FormLayout {
    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kStartHeight = 15000; // window height set at start-up

    WidgetGeometry frame1, drive1, dir1, check2, picture2;
    std::array<WidgetGeometry, 6> command1;
    WidgetGeometry treeView1, grid2;
    std::array<WidgetGeometry, 2> command2;
    WidgetGeometry frame2, picture1, grid1, hs, vs, frame3, frame4, frame5;
    WidgetGeometry check1;
    std::array<WidgetGeometry, 6> command3;
    WidgetGeometry label2;
    std::array<WidgetGeometry, 8> label1;
    WidgetGeometry picture3;

    // The design-time layout.
    FormLayout();

    // Every widget with its name and container, for a view that places them.
    std::vector<NamedWidget> named() const;
};

} // namespace plotwise
