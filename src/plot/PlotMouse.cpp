// The plot's mouse: markers and read-out, zoom, pan, reset and mode steps.
#include "PlotController.h"
#include "PlotHost.h"
#include "curvefiles/NumberText.h"
#include "curvelist/CurveList.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace plotwise {
namespace {

int clampedInt(double value) {
    return static_cast<int>(std::clamp<std::int64_t>(nearestInteger(value), INT32_MIN, INT32_MAX));
}

} // namespace

void PlotController::click() {
    if (view_.rightClickPending) return;
    // The release of a zoom or pan drag is no click on a place.
    if (std::exchange(dragged_, false)) return;
    if (option2_ == 0) {
        view_.clearMarkers();
        // The picture is cleared too, so that removed markers disappear.
        view_.gridDirty = true;
        view_.redrawPending = true;
        return;
    }
    if (option3_ < 0 || option3_ > 7) return;
    view_.markers[static_cast<std::size_t>(option3_)] = {view_.dragStartX, view_.dragStartY, option2_};
    if (host_.resultTableVisible()) {
        host_.resultSelectionChanged();
    } else {
        view_.gridDirty = true;
        view_.drawSource = redrawSource();
        redrawNow();
    }
    REFDRAW();
    host_.copyPictureToClipboard(canvas_.image());
    view_.refPlaced = true;
    view_.rightClickPending = false;
}

void PlotController::mouseDown(int button, double x, double y) {
    dragged_ = false;
    if (cursor_ != PlotPointer::Zoom) {
        view_.dragStartX = x;
        view_.dragStartY = y;
        return;
    }
    if (button == kLeftButton) {
        view_.dragStartX = view_.dragEndX = x;
        view_.dragStartY = view_.dragEndY = y;
        view_.rightClickPending = false;
    } else if (button == kRightButton) {
        rightClickReset();
    }
}

// The first right click after markers were placed removes them and the
// manual scales; a further one also returns to the widest scale, and the view
// follows the curves' end again.
void PlotController::rightClickReset() {
    view_.rightClickPending = true;
    if (!view_.refPlaced) {
        setVS(0);
        view_.xScaleIndex = 5;
        view_.xScaleFactor = 6;
        hsSetByUser_ = false;
    }
    view_.gridDirty = true;
    view_.drawSource = redrawSource();
    view_.redrawPending = true;
    view_.clearMarkers();
    view_.refPlaced = false;
    text1_.text = "AUTO";
    text2_.text = "AUTO";
    zoomYScale_ = 0;
    changes_ |= PlotChange::Controls;
}

void PlotController::mouseMove(int buttons, double x, double y) {
    view_.mouseX = x;
    view_.mouseY = y;
    const PlotGeometry g = geometry();
    const bool inside = g.x0 * g.sx <= x && x <= (g.x0 + 5030) * g.sx && 115 * g.sy <= y &&
                        y <= 5475 * g.sy;
    if (!inside) {
        if (cursor_ != 0) changes_ |= PlotChange::Pointer;
        cursor_ = 0;
        return;
    }
    hoverMove(x, y);
    if (buttons & kLeftButton) dragMove(buttons, x, y);
}

void PlotController::mouseLeft() {
    if (cursor_ != 0) changes_ |= PlotChange::Pointer;
    cursor_ = 0;
}

void PlotController::hoverMove(double x, double y) {
    cursor_ = view_.plotPointer;
    if (text1_.visible || text2_.visible) changes_ |= PlotChange::Controls;
    text1_.visible = false;
    text2_.visible = false;
    toolTip_ = readOutText(readOutInputs(), x, y);
    changes_ |= PlotChange::Pointer;
}

void PlotController::dragMove(int, double x, double y) {
    if (view_.plotPointer == PlotPointer::Zoom) {
        canvas_.invertDottedBox(view_.dragStartX, view_.dragStartY, view_.dragEndX, view_.dragEndY);
        canvas_.invertDottedBox(view_.dragStartX, view_.dragStartY, x, y);
        view_.dragEndX = x;
        view_.dragEndY = y;
        // A rubber band of more than a jitter makes the press a drag, not a click.
        constexpr double kJitter = 3 * PlotCanvas::kTwipsPerPixel;
        if (std::abs(x - view_.dragStartX) >= kJitter || std::abs(y - view_.dragStartY) >= kJitter)
            dragged_ = true;
        changes_ |= PlotChange::Picture;
        return;
    }
    const int mode = view_.plotPointer;
    const double h = (view_.dragStartX - x) / 15 * view_.panXPerStep + hs_.value;
    if (hs_.minimum < h && h < hs_.maximum &&
        (mode == PlotPointer::PanHorizontal || mode == PlotPointer::PanBoth))
        setHS(clampedInt(h));
    const double v = (view_.dragStartY - y) / 15 * view_.panYPerStep + vs_.value;
    if (vs_.minimum < v && v < vs_.maximum &&
        (mode == PlotPointer::PanVertical || mode == PlotPointer::PanBoth))
        setVS(clampedInt(v));
    if (hs_.value != view_.panLastHS || vs_.value != view_.panLastVS) {
        dragged_ = true;
        view_.gridDirty = true;
        view_.drawSource = redrawSource();
        view_.redrawPending = true;
        view_.panLastVS = vs_.value;
        view_.panLastHS = hs_.value;
    }
}

void PlotController::mouseUp(int button, double, double) {
    if (button != kLeftButton || cursor_ != PlotPointer::Zoom) return;
    if (host_.noCurveNoticeVisible()) {
        canvas_.clear();
        changes_ |= PlotChange::Picture;
        return;
    }
    const auto w = nearestInteger(std::abs(view_.dragStartX - view_.dragEndX));
    const auto h = nearestInteger(std::abs(view_.dragStartY - view_.dragEndY));
    if (w < 1 || h < 1) return;
    const double bottom =
        static_cast<double>(nearestInteger(std::max(view_.dragStartY, view_.dragEndY)));
    const double right =
        static_cast<double>(nearestInteger(std::max(view_.dragStartX, view_.dragEndX)));
    zoomTo(static_cast<double>(w), static_cast<double>(h), bottom, right);
}

// Fits the X scale to the rectangle's width, puts its right edge at the HS
// position and its bottom edge on the axis, and scales Y to its height.
void PlotController::zoomTo(double w, double h, double bottom, double right) {
    const PlotGeometry g = geometry();
    const ReadOutInputs old = readOutInputs();
    const double xAtRight = readOutX(old, right);
    const double yAtBottom = readOutY(old, bottom);
    const double heightInY = h * view_.yPerUnit / g.sy;
    const double vsBefore = vs_.value;

    const double span = w * view_.xScaleFactor / g.sx / (torque() ? 25 : 50);
    const double s = std::floor(span);
    const int index = s <= 50 ? 0 : s <= 100 ? 1 : s <= 200 ? 2 : s <= 400 ? 3 : 4;
    setScale(index);
    // A Y scale typed by the user stays; else the view takes the rectangle's
    // height as its Y scale, while Text1 keeps showing what was typed.
    const std::string yScale = TQSCALE(text1_.text, numberToText(heightInY));
    view_.yPerUnit = LeadingNumber(yScale) / 5000;
    if (LeadingNumber(text1_.text) == 0) zoomYScale_ = LeadingNumber(yScale);
    dragged_ = true;
    changes_ |= PlotChange::Controls;
    setHS(clampedInt(xAtRight));
    setVS(clampedInt(-yAtBottom * 10));

    label1_[4] = "YY:" + numberToText(h);
    label1_[5] = "TQ:" + numberToText(h * view_.yPerUnit / g.sy - vsBefore);
    label1_[6] = "VS:" + numberToText(static_cast<double>(vs_.value));
    label1_[7] = "YS:" + numberToText(h / g.sy);
    if (diagnostics_)
        for (int i = 4; i < 8; ++i)
            host_.showDiagnosticLabel(i);

    view_.gridDirty = true;
    view_.drawSource = redrawSource();
    redrawNow();
}

void PlotController::doubleClick() {
    const double x = view_.mouseX, y = view_.mouseY;
    if (x < text1_.left + text1_.width && y < text1_.top + text1_.height) {
        text1_.visible = true;
        focusText1_ = true;
        changes_ |= PlotChange::Controls;
        return;
    }
    if (text2_.left < x && x < text2_.left + text2_.width && y > text2_.top) {
        text2_.visible = true;
        focusText2_ = true;
        changes_ |= PlotChange::Controls;
        return;
    }
    switch (view_.plotPointer) {
    case PlotPointer::Zoom:
        view_.plotPointer = PlotPointer::PanBoth;
        break;
    case PlotPointer::PanBoth:
        view_.plotPointer = PlotPointer::PanVertical;
        break;
    case PlotPointer::PanVertical:
        view_.plotPointer = PlotPointer::PanHorizontal;
        break;
    default:
        view_.plotPointer = PlotPointer::Zoom;
        view_.dragEndX = view_.dragStartX;
        view_.dragEndY = view_.dragStartY;
        break;
    }
    cursor_ = view_.plotPointer;
    changes_ |= PlotChange::Pointer;
}

} // namespace plotwise
