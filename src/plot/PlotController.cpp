// The plot's redraws, its scale and text controls and the scroll bars.
#include "PlotController.h"

#include "PlotHost.h"
#include "TraceFields.h"
#include "curvefiles/CurveTrace.h"
#include "curvefiles/LoadState.h"
#include "curvefiles/LoadedCurveTable.h"
#include "curvefiles/NumberText.h"
#include "curvelist/CurveList.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <optional>

namespace plotwise {
namespace {


// 1-based position of a word in the text, 0 when absent.
std::size_t positionOf(const std::string& text, const char* word) {
    const auto found = text.find(word);
    return found == std::string::npos ? 0 : found + 1;
}

bool endsWith(const std::string& text, std::string_view ending) {
    return rightChars(text, ending.size()) == ending;
}

// The text from a 1-based position on.
std::string fromPosition(const std::string& text, std::size_t position) {
    return position >= 1 && position <= text.size() ? text.substr(position - 1) : "";
}

} // namespace

PlotController::PlotController(PlotHost& host) : host_(host) {
    text1_.left = 60;
    canvas_.resize(800, 500);
}

// Text is crisp like the lines, so the picture keeps to a few exact colours.
void PlotController::setFont(const QFont& font) {
    QFont crisp = font;
    crisp.setStyleStrategy(QFont::NoAntialias);
    canvas_.setFont(crisp);
}

void PlotController::resizePicture(int widthPixels, int heightPixels) {
    if (widthPixels == canvas_.widthPixels() && heightPixels == canvas_.heightPixels()) return;
    canvas_.resize(std::max(widthPixels, 1), std::max(heightPixels, 1));
    view_.gridDirty = true;
    changes_ |= PlotChange::Picture;
}

unsigned PlotController::takeChanges() {
    return std::exchange(changes_, 0u);
}

PlotGeometry PlotController::geometry() const {
    return PlotGeometry::of(canvas_.scaleWidth(), canvas_.scaleHeight());
}

bool PlotController::torque() const {
    return isTorqueFormat(host_.hostLoadState().curveFormat);
}

ReadOutInputs PlotController::readOutInputs() const {
    ReadOutInputs in;
    in.geometry = geometry();
    in.torque = torque();
    in.loadInNewton = host_.hostLoadState().loadInNewton;
    in.xReadScale = view_.xReadScale;
    in.yPerUnit = view_.yPerUnit;
    in.plotBottom = view_.plotBottom;
    in.hsValue = hs_.value;
    in.vsValue = vs_.value;
    in.degreeWord = words_.degree;
    in.mmWord = words_.mm;
    return in;
}

void PlotController::setScale(int index) {
    view_.xScaleIndex = std::clamp(index, 0, kXScales - 1);
    view_.xScaleFactor = xScale(view_.xScaleIndex).factor;
    view_.xReadScale = 0.08 * view_.xScaleFactor;
}

// ---- drawing ----

void PlotController::DRAW() {
    if (view_.drawBusy) return;
    view_.drawSource = 1;
    curvesDrawn_ = 0;
    const std::string& entry = host_.selectedEntryText();
    LoadState& load = host_.hostLoadState();
    if (!host_.resultTableVisible()) load.curveFileName = entry.substr(0, entry.find('\\'));
    const std::size_t t = positionOf(entry, "Torque");
    const std::size_t l = positionOf(entry, "Load");
    const std::size_t s = positionOf(entry, "Spindle");
    if (t + l == 0) return;
    host_.setBusy(true);
    view_.drawBusy = true;
    const double peak = LeadingNumber(fromPosition(entry, t + l + 7));
    auto spindle = nearestInteger(LeadingNumber(fromPosition(entry, s + 8)));
    if (spindle == 0) spindle = 1;
    setScale(view_.xScaleIndex);
    CurveTrace trace;
    if (CURVELOAD(trace, static_cast<int>(std::clamp<std::int64_t>(spindle, -1, 99)), load,
                  host_.loadContext())) {
        followCurveEnd(LeadingNumber(trace[CurveTrace::kPeakX]));
        const double yFull = yFullScale(peak);
        view_.yPerUnit = yFull / 5000;
        DRAWGRID(load.curveUnit, view_.xScaleIndex, yFull, vs_.value, hs_.value);
        CURVEDRAW(load.curveUnit, view_.xScaleFactor, yFull, vs_.value, hs_.value,
                  LoadedTraceFields(trace), 0);
    }
    writeDiagnostics();
    host_.setBusy(false);
    view_.drawBusy = false;
}

void PlotController::DRAW2() {
    if (view_.drawBusy || !host_.pictureVisible()) return;
    view_.drawBusy = true;
    host_.setBusy(true);
    view_.drawSource = 2;
    curvesDrawn_ = 0;
    host_.hideGrid1();
    host_.hostLoadState().curveUnit = 0;
    setScale(view_.xScaleIndex);
    drawTable();
    writeDiagnostics();
    host_.setBusy(false);
    view_.drawBusy = false;
}

// Every row of the loaded-curve table, each in the colour of its peak cell.
void PlotController::drawTable() {
    const LoadedCurveTable& table = host_.hostGrid1();
    double peak = 0;
    std::optional<double> end;
    for (int r = 1; r < table.rowCount(); ++r) {
        peak = std::max(peak, LeadingNumber(table.text(r, 2)));
        end = std::max(end.value_or(-1.0e300), LeadingNumber(table.text(r, 3)));
    }
    if (end) followCurveEnd(*end);
    QElapsedTimer sinceYield;
    sinceYield.start();
    // Rows are read afresh each time: events run between curves may change them.
    for (int r = 1; r < host_.hostGrid1().rowCount(); ++r) {
        const LoadedCurveTable& rows = host_.hostGrid1();
        const std::uint32_t color = rows.textColor(r, 2).value_or(0);
        // Only a row without samples needs a trace (of 4096 texts) of its own.
        std::optional<CurveTrace> trace;
        int format = -1;
        if (rows.text(r, 4).empty()) trace.emplace();
        const bool older = trace && loadOlderFormatRow(rows, r, *trace, format);
        // The kind of the first curve drawn decides the axes and the read-out.
        if (r == 1 && older) host_.hostLoadState().curveFormat = format;
        const double yFull = yFullScale(peak);
        view_.yPerUnit = yFull / 5000;
        DRAWGRID(0, view_.xScaleIndex, yFull, vs_.value, hs_.value);
        if (older) {
            CURVEDRAW(0, view_.xScaleFactor, yFull, vs_.value, hs_.value, LoadedTraceFields(*trace),
                      color);
        } else {
            CURVEDRAW(0, view_.xScaleFactor, yFull, vs_.value, hs_.value, TableRowFields(rows, r),
                      color);
        }
        if (sinceYield.elapsed() >= yieldIntervalMs_) {
            host_.processEvents();
            sinceYield.restart();
        }
    }
    if (host_.hostGrid1().rowCount() <= 1) {
        view_.gridDirty = true;
        DRAWGRID(0, view_.xScaleIndex, 1, vs_.value, hs_.value);
    }
}

// The table loaders copy only keyed files; a ticked row of an older format
// (.BIN, .CUR, .QUERNACUR, .CSV) has no samples, so its curve is loaded for
// the drawing alone, leaving the table and the load state as they are; the
// kind its loader found is handed back.
bool PlotController::loadOlderFormatRow(const LoadedCurveTable& rows, int row, CurveTrace& trace,
                                        int& format) const {
    if (!rows.text(row, 4).empty()) return false;
    const std::string& name = rows.text(row, 0);
    const std::string upper = upperAscii(name);
    const bool older = endsWith(upper, ".BIN") || endsWith(upper, ".CUR") ||
                       endsWith(upper, ".QUERNACUR") || endsWith(upper, ".CSV");
    if (!older) return false;
    LoadState scratch = host_.hostLoadState();
    scratch.curveFileName = name;
    LoadContext context = host_.loadContext();
    context.resultTableVisible = false;
    if (!CURVELOAD(trace, 1, scratch, context)) return false;
    format = scratch.curveFormat;
    return true;
}

void PlotController::writeDiagnostics() {
    if (!diagnostics_) return;
    label1_[0] = "HS:" + numberToText(static_cast<double>(hs_.value));
    label1_[1] = "VS:" + numberToText(static_cast<double>(vs_.value));
    label1_[2] = "XZ:" + numberToText(static_cast<double>(view_.xScaleIndex));
    label1_[3] = "SX:" + numberToText(static_cast<float>(view_.xScaleFactor));
    for (int i = 0; i < 4; ++i)
        host_.showDiagnosticLabel(i);
    changes_ |= PlotChange::Controls;
}

// A request made while the drawing runs (events are let through between
// curves) is kept for the next tick instead of being lost.
void PlotController::timer3Tick() {
    if (!view_.redrawPending || view_.drawBusy) return;
    view_.redrawPending = false;
    redrawNow();
    // The markers stay on their values through scrolls and redraws.
    if (anyMarker()) REFDRAW();
}

bool PlotController::anyMarker() const {
    return std::any_of(view_.markers.begin(), view_.markers.end(),
                       [](const ReferenceMarker& m) { return m.style != 0; });
}

// The Y full scale: a value typed into Text1, else the last zoom's, else the
// peak's.
double PlotController::yFullScale(double peak) const {
    if (LeadingNumber(text1_.text) != 0 || zoomYScale_ == 0) return TQ2(peak, text1_.text);
    return zoomYScale_;
}

// The mouse handlers redraw the table in the list's check-box mode, and keep
// drawing it while a result table shows a multi-spindle file's curves.
int PlotController::redrawSource() const {
    if (host_.hostCurveList().checkBoxes) return 2;
    return host_.resultTableVisible() && view_.drawSource == 2 ? 2 : 1;
}

void PlotController::redrawNow() {
    if (view_.drawSource == 1) {
        DRAW();
    } else {
        DRAW2();
    }
}

// ---- controls ----

int PlotController::captionValue(int index) const {
    const auto& captions = host_.scaleCaptions();
    return static_cast<int>(LeadingNumber(captions[static_cast<std::size_t>(std::clamp(index, 0, 5))]));
}

// Keeps a manual X end value at the right edge of the axis.
void PlotController::moveHSToText2() {
    const double end = LeadingNumber(text2_.text);
    if (!(end > 0)) return;
    setHS(static_cast<int>(
        std::clamp<std::int64_t>(nearestInteger(std::floor(end) - captionValue(option1_) / 10.0),
                                 INT32_MIN, INT32_MAX)));
}

void PlotController::option1Click(int index) {
    option1_ = std::clamp(index, 0, kXScales - 1);
    view_.xScaleIndex = option1_;
    view_.gridDirty = true;
    view_.redrawPending = true;
    view_.clearMarkers();
    const XScale& scale = xScale(option1_);
    hs_.largeChange = torque() ? scale.hsLargeTorque : scale.hsLargeLoad;
    hs_.smallChange = static_cast<int>(nearestInteger(hs_.largeChange / 10.0));
    changes_ |= PlotChange::Controls;
    moveHSToText2();
}

void PlotController::option2Click(int index) {
    option2_ = std::clamp(index, 0, 3);
    changes_ |= PlotChange::Controls;
}

void PlotController::option3Click(int index) {
    option3_ = std::clamp(index, -1, 7);
    changes_ |= PlotChange::Controls;
}

void PlotController::setHS(int value) {
    hsSetByUser_ = true;
    applyHS(value);
}

void PlotController::newCurveSelection() {
    hsSetByUser_ = false;
    if (zoomYScale_ == 0) return;
    zoomYScale_ = 0;
    setVS(0); // the zoom's offset was measured on its own Y scale
}

// Until the user places the view, it follows the curves: their end (the
// largest X at the curves' ends, rounded up) sits at the HS position, nine
// tenths of the way across, where a curve's end is drawn.
void PlotController::followCurveEnd(double peakX) {
    if (hsSetByUser_ || !std::isfinite(peakX)) return;
    // The drawing under way shows the new position: no further redraw is due.
    const bool pending = view_.redrawPending;
    applyHS(static_cast<int>(std::clamp(std::ceil(peakX), -1.0e9, 1.0e9)));
    view_.redrawPending = pending;
}

void PlotController::applyHS(int value) {
    value = std::clamp(value, hs_.minimum, hs_.maximum);
    if (value == hs_.value) return;
    hs_.value = value;
    changes_ |= PlotChange::Controls;
    hsChanged();
}

void PlotController::setVS(int value) {
    value = std::clamp(value, vs_.minimum, vs_.maximum);
    if (value == vs_.value) return;
    vs_.value = value;
    changes_ |= PlotChange::Controls;
    vsChanged();
}

// A scroll keeps every marker on its X and Y values.
void PlotController::hsChanged() {
    view_.gridDirty = true;
    view_.redrawPending = true;
    const double shift =
        (view_.lastHS - hs_.value) * (canvas_.scaleWidth() / PlotGeometry::kDesignWidth) *
        view_.xUnitsPerValue;
    for (ReferenceMarker& m : view_.markers)
        m.x += shift;
    REFDRAW();
    view_.lastHS = hs_.value;
}

void PlotController::vsChanged() {
    view_.gridDirty = true;
    view_.redrawPending = true;
    const double shift =
        (view_.lastVS - vs_.value) * (canvas_.scaleHeight() / PlotGeometry::kDesignHeight) *
        view_.yUnitsPerTenth;
    for (ReferenceMarker& m : view_.markers)
        m.y += shift;
    REFDRAW();
    view_.lastVS = vs_.value;
}

void PlotController::setText1(const std::string& text) {
    text1_.text = text;
    zoomYScale_ = 0; // what is typed replaces a zoom's Y scale
    changes_ |= PlotChange::Controls;
}

void PlotController::setText2(const std::string& text) {
    text2_.text = text;
    changes_ |= PlotChange::Controls;
}

void PlotController::text1Enter() {
    text1_.visible = false;
    changes_ |= PlotChange::Controls;
    hsChanged();
}

void PlotController::text2Enter() {
    text2_.visible = false;
    changes_ |= PlotChange::Controls;
    moveHSToText2();
}

} // namespace plotwise
