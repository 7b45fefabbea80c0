#include "LayoutEngine.h"

#include <algorithm>

namespace plotwise {

Rect LayoutEngine::minimumClientArea() const {
    const FormLayout& l = layout_;
    const int groups = std::max({l.frame3.rect.right(), l.frame4.rect.right(), l.frame5.rect.right()});
    const int topRow = l.frame1.rect.width + 60 + kMinimumListWidth + 705;
    const int width = std::max(l.frame2.rect.left + groups + 60, topRow);
    // Frame2 starts 90 above Frame1's bottom; the plot, HS and the option
    // groups take 1215 more than the plot's own height (the layout rules).
    const int height = l.frame1.rect.height - 90 + 1215 + kMinimumPlotHeight;
    return {0, 0, width, height};
}

void LayoutEngine::resize(int innerWidth, int innerHeight, int outerWidth) {
    innerWidth_ = innerWidth;
    innerHeight_ = innerHeight;
    placeTopRow(innerWidth);
    placeLowerPanel(innerHeight, outerWidth);
    placeRightColumn(innerWidth);
    centreLabel2(true);

    layout_.picture3.visible = true;
    frame2Up(0);
    layout_.picture3.visible = false;
}

// The curve list right of Frame1, the result table on the same spot and the
// two check buttons in the list's top right corner.
void LayoutEngine::placeTopRow(int innerWidth) {
    FormLayout& l = layout_;
    Rect& tree = l.treeView1.rect;
    tree.top = 0;
    tree.left = l.frame1.rect.width + 60;
    if (tree.left + 705 < innerWidth) tree.width = innerWidth - tree.left - 705;
    tree.height = l.dir1.rect.top + l.dir1.rect.height;
    l.grid2.rect = tree;

    int right = tree.right();
    l.command2[0].rect.left = right - 2 * (l.command2[1].rect.width + 30) - l.vs.rect.width;
    l.command2[1].rect.left = right - l.command2[0].rect.width - 30 - l.vs.rect.width;
    l.command2[0].rect.top = tree.top + 30;
    l.command2[1].rect.top = tree.top + 30;
}

// Frame2 under Frame1 and the plot with its scroll bars and option groups.
void LayoutEngine::placeLowerPanel(int innerHeight, int outerWidth) {
    FormLayout& l = layout_;
    Rect& frame2 = l.frame2.rect;
    frame2.top = l.frame1.rect.height - 90;
    if (frame2.left + 60 < innerWidth_) frame2.width = innerWidth_ - frame2.left - 60;
    if (frame2.top + 60 < innerHeight) frame2.height = innerHeight - frame2.top - 60;

    Rect& plot = l.picture1.rect;
    plot.top = 180;
    plot.left = 60;
    if (l.hs.rect.height + 960 < frame2.height)
        plot.height = frame2.height - l.hs.rect.height - 960;
    if (l.vs.rect.width + 600 < outerWidth) plot.width = outerWidth - 600 - l.vs.rect.width;

    l.hs.rect.top = plot.bottom() + 60;
    l.hs.rect.width = plot.width;
    l.vs.rect.top = plot.top;
    l.vs.rect.height = plot.height;
    l.vs.rect.left = plot.right() + 60;
    for (WidgetGeometry* frame : {&l.frame3, &l.frame4, &l.frame5})
        frame->rect.top = l.hs.rect.bottom();

    l.picture2.rect.top = 0;
    l.picture2.rect.height = l.frame1.rect.height;
    l.picture3.rect.top = l.frame1.rect.top;
    l.picture3.rect.left = 0;
    l.picture3.rect.width = innerWidth_;
    l.grid1.rect = plot;
    for (WidgetGeometry& label : l.label1)
        label.visible = false;
}

// "Toggle Tag" and the export buttons, right-aligned at the window's edge.
void LayoutEngine::placeRightColumn(int innerWidth) {
    auto place = [innerWidth](WidgetGeometry& w) {
        if (w.rect.width + 90 < innerWidth) w.rect.left = innerWidth - w.rect.width - 90;
    };
    place(layout_.check1);
    for (WidgetGeometry& button : layout_.command3)
        place(button);
}

void LayoutEngine::centreLabel2(bool horizontally) {
    Rect& label = layout_.label2.rect;
    const Rect& plot = layout_.picture1.rect;
    if (label.height < plot.height) label.top = (plot.height - label.height) / 2;
    if (horizontally && label.width < plot.width) label.left = (plot.width - label.width) / 2;
}

void LayoutEngine::frame1Down(int x) {
    if (x > 0.95 * layout_.frame1.rect.width) {
        pointer_ = MousePointer::SizeWestEast;
        layout_.picture2.visible = true;
    }
}

void LayoutEngine::frame1Move(int button, int x) {
    if ((button & kLeftButton) && layout_.picture2.visible && x > kMinimumSplitX)
        layout_.picture2.rect.left = x;
}

bool LayoutEngine::frame1Up(int x) {
    pointer_ = MousePointer::Default;
    bool apply = layout_.picture2.visible && x > kMinimumSplitX;
    layout_.picture2.visible = false;
    if (!apply) return false;

    FormLayout& l = layout_;
    int width = x - 60;
    l.frame1.rect.width = width;
    l.drive1.rect.width = width - 1920;
    l.dir1.rect.width = width - 780;
    l.check2.rect.left = width - 1155;
    Rect& tree = l.treeView1.rect;
    tree.left = width + 60;
    if (tree.left + 705 < innerWidth_) tree.width = innerWidth_ - tree.left - 705;
    l.grid2.rect.left = tree.left;
    l.grid2.rect.width = tree.width;
    return true;
}

void LayoutEngine::frame2Down(int y) {
    if (y < layout_.picture1.rect.top) {
        pointer_ = MousePointer::SizeNorthSouth;
        layout_.picture3.visible = true;
    }
}

void LayoutEngine::frame2Move(int button, int y) {
    if ((button & kLeftButton) && layout_.picture3.visible)
        layout_.picture3.rect.top = layout_.frame2.rect.top + y;
}

bool LayoutEngine::frame2Up(int y) {
    pointer_ = MousePointer::Default;
    if (!layout_.picture3.visible) return false;
    // A drag down stops where the plot keeps its minimum height.
    if (y > 0) y = std::clamp(layout_.picture1.rect.height - kMinimumPlotHeight, 0, y);
    // A release above the window would leave Frame1 without height: ignored.
    if (layout_.frame1.rect.height + y <= 0) {
        layout_.picture3.visible = false;
        return false;
    }
    lowerLayout(y);
    return true;
}

void LayoutEngine::lowerLayout(int y) {
    FormLayout& l = layout_;
    Rect& frame1 = l.frame1.rect;
    Rect& frame2 = l.frame2.rect;
    frame1.height += y;
    frame2.top = frame1.height - 90;
    if (frame2.top + 60 < innerHeight_) frame2.height = innerHeight_ - frame2.top;

    Rect& plot = l.picture1.rect;
    if (l.hs.rect.height + 960 < frame2.height)
        plot.height = frame2.height - l.hs.rect.height - 960;
    l.grid1.rect = plot;
    l.hs.rect.top = plot.bottom() + 60;
    l.vs.rect.top = plot.top;
    l.vs.rect.height = plot.height;

    l.picture2.rect.top = 0;
    l.picture2.rect.height = frame1.height;
    l.picture3.rect.top = frame1.top;
    l.picture3.rect.left = 0;
    if (l.dir1.rect.top + 60 < frame1.height)
        l.dir1.rect.height = frame1.height - l.dir1.rect.top - 60;
    if (frame1.height > 90) {
        l.treeView1.rect.height = frame1.height - 90;
        l.grid2.rect.height = frame1.height - 90;
    }
    for (WidgetGeometry* frame : {&l.frame3, &l.frame4, &l.frame5})
        frame->rect.top = l.hs.rect.bottom();
    l.picture3.visible = false;
    centreLabel2(false);
}

} // namespace plotwise
