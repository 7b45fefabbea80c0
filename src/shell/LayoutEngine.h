#pragma once
#include "FormLayout.h"

namespace plotwise {

enum class MousePointer { Default, SizeWestEast, SizeNorthSouth, Busy };

// The main window's layout rules and its two splitters: the right edge of
// Frame1 (vertical bar Picture2) and the top edge of Frame2 (horizontal bar
// Picture3). Holds no state beyond the widget geometry and the window size of
// the last resize.
class LayoutEngine {
public:
    static constexpr int kMinimumSplitX = 3000; // releases at or left of it are ignored
    static constexpr int kLeftButton = 1;
    // The plot keeps this height when the horizontal splitter is dragged down,
    // and the window's minimum size leaves it this high: enough for the X
    // labels below the frame.
    static constexpr int kMinimumPlotHeight = 4650;
    static constexpr int kMinimumListWidth = 3000;

    const FormLayout& layout() const { return layout_; }
    FormLayout& layout() { return layout_; }
    MousePointer pointer() const { return pointer_; }
    void setPointer(MousePointer pointer) { pointer_ = pointer; }

    // The smallest client area (width, height) at which every control of the
    // window shows whole at the current splitter positions.
    Rect minimumClientArea() const;

    // Resize steps up to the lower layout (run through frame2Up with Y = 0);
    // the caller clears markers, asks for a redraw and sets the caption.
    void resize(int innerWidth, int innerHeight, int outerWidth);

    void frame1Down(int x);
    void frame1Move(int button, int x);
    // True when the release moved the splitter.
    bool frame1Up(int x);

    void frame2Down(int y);
    void frame2Move(int button, int y);
    // True when the lower layout ran (the bar was shown and the new height of
    // Frame1 stays positive); the caller then asks for a redraw.
    bool frame2Up(int y);

private:
    void placeTopRow(int innerWidth);
    void placeLowerPanel(int innerHeight, int outerWidth);
    void placeRightColumn(int innerWidth);
    void centreLabel2(bool horizontally);
    void lowerLayout(int y);

    FormLayout layout_;
    MousePointer pointer_ = MousePointer::Default;
    int innerWidth_ = 0;
    int innerHeight_ = 0;
};

} // namespace plotwise
