// The plot's drawing: axes and grid, one curve with its title line, and the
// reference markers with their read-outs.
#include "ColumnPolyline.h"
#include "PlotController.h"
#include "PlotHost.h"
#include "TraceFields.h"
#include "curvefiles/LoadState.h"
#include "curvefiles/LoadedCurveTable.h"
#include "curvefiles/NumberText.h"
#include "curvelist/CurveList.h"
#include "curvelist/FileNameText.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace plotwise {
namespace {

const QColor kDarkGreen(0, 128, 0);

QColor fromBgr(std::uint32_t bgr) {
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

double intOf(double value) {
    return std::floor(value);
}

bool endsWithNoCase(const std::string& text, const std::string& upperEnding) {
    return upperAscii(rightChars(text, upperEnding.size())) == upperEnding;
}

// The end of a path from its second separator from the right on: D1\D2\F.CUR
// gives \D2\F.CUR; the whole text when it has fewer than two.
std::string titleName(const std::string& path) {
    std::size_t found = 0;
    for (std::size_t i = path.size(); i-- > 0;) {
        if (path[i] != '\\' && path[i] != '/') continue;
        if (++found == 2) return path.substr(i);
    }
    return path;
}

// The smallest of 1, 2, 5 and 10 at which label k and label k + n stand
// clear of each other for every printed k.
int labelStep(const std::function<bool(int k, int n)>& clear) {
    for (int n : {1, 2, 5}) {
        bool fits = true;
        for (int k = 0; k + n <= 10 && fits; k += n)
            fits = clear(k, n);
        if (fits) return n;
    }
    return 10;
}

} // namespace

void PlotController::DRAWGRID(int unit, int scaleIndex, double yFullScale, double vsValue,
                              double hsValue) {
    if (yFullScale == 0) return;
    const int fontSize = canvas_.fontSize();
    const PlotGeometry g = geometry();
    host_.hideNoCurveNotice();
    if (option1_ != scaleIndex) {
        // The drawing under way shows the new scale: no further redraw is due.
        const bool pending = view_.redrawPending;
        option1Click(scaleIndex);
        view_.redrawPending = pending;
    }
    if (view_.gridDirty) {
        changes_ |= PlotChange::Picture | PlotChange::Controls;
        canvas_.beginBackground();
        const double top = view_.plotTop;
        canvas_.box(g.x0 * g.sx, 115 * g.sy + top, (g.x0 + 5030) * g.sx, 5115 * g.sy + top,
                    kDarkGreen, 3);
        view_.plotBottom = 5115 * g.sy + top;
        for (int k = 0; k <= 9; ++k) {
            const double y = (100 + 500 * k) * g.sy + top;
            canvas_.line(g.x0 * g.sx, y, (g.x0 + 5030) * g.sx, y, kDarkGreen);
        }
        for (int k = 1; k <= 10; ++k) {
            const double x = (g.x0 + 30 + 500 * k) * g.sx;
            canvas_.line(x, 100 * g.sy + top, x, 5110 * g.sy + top, kDarkGreen);
        }
        canvas_.keepBackground(); // the frame and grid of every curve at this size
        drawBand(yFullScale, vsValue, hsValue);
        drawLabels(unit, yFullScale, vsValue, hsValue);
        canvas_.endBackground();
        canvas_.setFontSize(fontSize);
        view_.gridDirty = false;
    }
    host_.setBusy(false);
}

void PlotController::setBand(std::optional<PlotBand> band) {
    band_ = std::move(band);
    view_.gridDirty = true;
    view_.redrawPending = true;
}

// The band as light strokes from its low to its high edge with its middle
// line, within the frame, mapped as the curves are.
void PlotController::drawBand(double yFullScale, double vsValue, double hsValue) {
    if (!band_) return;
    const PlotGeometry g = geometry();
    const double top = view_.plotTop, vOff = vsValue * 500 / yFullScale;
    const double perValue = (torque() ? 2 : 10) * 25 / (2 * view_.xScaleFactor);
    auto px = [&](double x) { return (g.x0 + 4530 + (x - hsValue) * perValue) * g.sx; };
    auto py = [&](double v) {
        return std::clamp((5115 - v * 5000 / yFullScale - vOff) * g.sy, 115 * g.sy, 5115 * g.sy) + top;
    };
    const double left = (g.x0 + 30) * g.sx, right = (g.x0 + 5030) * g.sx;
    const QColor fill(214, 222, 240), middle(150, 160, 200);
    const std::size_t n = std::min({band_->x.size(), band_->low.size(), band_->high.size(),
                                    band_->middle.size()});
    for (std::size_t i = 0; i < n; ++i) {
        const double x = px(band_->x[i]);
        if (x < left || x > right || !std::isfinite(band_->low[i])) continue;
        canvas_.line(x, py(band_->low[i]), x, py(band_->high[i]), fill, 3);
    }
    for (std::size_t i = 1; i < n; ++i) {
        const double x0 = px(band_->x[i - 1]), x1 = px(band_->x[i]);
        if (std::min(x0, x1) < left || std::max(x0, x1) > right ||
            !std::isfinite(band_->middle[i - 1]) || !std::isfinite(band_->middle[i]))
            continue;
        canvas_.line(x0, py(band_->middle[i - 1]), x1, py(band_->middle[i]), middle);
    }
}

// Unit label, scale captions and table headings, X and Y labels.
void PlotController::drawLabels(int unit, double yFullScale, double vsValue, double hsValue) {
    const PlotGeometry g = geometry();
    const double top = view_.plotTop;
    applyGridTexts(unit);
    static const char* const kUnitLabels[5] = {"", "Kgm", "Kgcm", "Ftlbs", "Inlbs"};
    std::string unitLabel = unit >= 1 && unit <= 4 ? kUnitLabels[unit] : "";
    if (unit == 0) unitLabel = torque() ? "Nm" : (host_.hostLoadState().loadInNewton ? "N" : "KN");
    canvas_.setFontSize(std::clamp(canvas_.fontSize(), 9, 15));
    canvas_.currentX = 60 * g.sx;
    canvas_.currentY = 240 * g.sy + top;
    canvas_.print(unitLabel, Qt::black);

    const XScale& scale = xScale(view_.xScaleIndex);
    view_.panXPerStep = torque() ? scale.panTorque : scale.panLoad;
    const double labelSpan = torque() ? scale.labelSpanTorque : scale.labelSpanLoad;
    std::array<std::string, 11> xTexts;
    for (int k = 0; k <= 10; ++k)
        xTexts[static_cast<std::size_t>(k)] = xLabelText(labelSpan, hsValue, k);
    // On a small picture only every second, fifth or tenth label is printed,
    // so that neighbours do not run into each other.
    const double gap = 2 * PlotCanvas::kTwipsPerPixel;
    const int xStep = labelStep([&](int k, int n) {
        const std::string& next = xTexts[static_cast<std::size_t>(k + n)];
        const std::size_t blanks = next.find_first_not_of(' ');
        const double nextStart = 500 * n * g.sx + canvas_.textWidth(next.substr(0, blanks));
        return canvas_.textWidth(xTexts[static_cast<std::size_t>(k)]) + gap <= nextStart;
    });
    for (int k = 0; k <= 10; k += xStep) {
        canvas_.currentX = (g.x0 - 25 + 500 * k) * g.sx;
        canvas_.currentY = 5200 * g.sy + top;
        canvas_.print(xTexts[static_cast<std::size_t>(k)], Qt::black);
    }
    canvas_.keepBackground(); // and of every curve of the same length
    text2_.top = 5200 * g.sy + top;
    text2_.left = (g.x0 + 5200 - 225) * g.sx;
    const double lineHeight = canvas_.lineHeight();
    const int yStep = labelStep([&](int, int n) { return lineHeight <= 500 * n * g.sy; });
    for (int k = 0; k <= 10; k += yStep) {
        canvas_.currentX = 360;
        canvas_.currentY = (5000 - 500 * k) * g.sy + top;
        canvas_.print(yLabelText(yFullScale, vsValue, k), Qt::black);
    }
    text1_.top = top;
}

// For unit 0 the scale captions and the table headings follow the curve kind.
void PlotController::applyGridTexts(int unit) {
    if (unit != 0) return;
    const int format = host_.hostLoadState().curveFormat;
    static const char* const kTorque[6] = {"50 ", "100 ", "200 ", "400 ", "600 ", "1200 "};
    static const char* const kLoad[6] = {"10 ", "20 ", "40 ", "80 ", "120 ", "240 "};
    const bool seconds = torque() ? (format == 6 || format == 7) : (format == 8 || format == 9);
    std::array<std::string, 6>& captions = host_.scaleCaptions();
    for (int i = 0; i < 6; ++i) {
        captions[i] = torque() ? kTorque[i] + words_.degree : kLoad[i] + words_.mm;
        if (seconds) captions[i] += " / " + words_.seconds;
    }
    LoadedCurveTable& table = host_.hostGrid1();
    table.setText(0, 1, torque() ? words_.spindleHeading : words_.pressHeading);
    table.setText(0, 2, torque() ? words_.torqueHeading : words_.loadHeading);
    table.setText(0, 3, torque() ? words_.angleHeading : words_.distanceHeading);
    changes_ |= PlotChange::Controls;
}

void PlotController::CURVEDRAW(int unit, double xFactor, double yFullScale, double vsValue,
                               double hsValue, const TraceFields& trace, std::uint32_t color) {
    (void)unit; // the offset is VS / 10 Y units whatever the unit
    if (yFullScale == 0) return;
    changes_ |= PlotChange::Picture;
    ++curvesDrawn_;
    const int stride = trace.stride();
    const PlotGeometry g = geometry();
    const double sx = g.sx, sy = g.sy, top = view_.plotTop;
    const double vOff = vsValue * 500 / yFullScale;
    const int k = torque() ? 2 : 10;
    const auto off = nearestInteger((trace.number(12) - hsValue) * k);
    const double step = 25 / (2 * xFactor);

    double px, py;
    if (36 * xFactor * sx < static_cast<double>(off)) {
        px = (g.x0 + 5030) * sx;
        py = (5100 - trace.number(18) * 5000 / yFullScale - vOff) * sy;
    } else {
        px = (g.x0 + 4530 + static_cast<double>(off) * step) * sx;
        py = (5115 - vOff) * sy;
    }
    if (py > view_.plotBottom) py = view_.plotBottom;
    if (110 * sy >= py) py = 110 * sy;

    // Consecutive points form one polyline from the first segment left of the
    // right edge on, so the curve is drawn in one call, reduced to what each
    // pixel column shows. Picture Y is whole already; Int(x) / 15 falls in
    // the same pixel as x / 15.
    const auto last = nearestInteger(360 * xFactor);
    const int lastField = trace.lastSampleField();
    const double left = g.x0 * sx, drawLimit = (g.x0 + 5015) * sx, cut = 110 * sy;
    const double yScale = 5000 / yFullScale;
    ColumnPolyline points;
    points.reserve(4 * std::min(canvas_.widthPixels() + 2, 8192));
    bool started = false;
    for (std::int64_t j = -off; j <= last; ++j) {
        const double x = (g.x0 + 4530 - static_cast<double>(j) * step) * sx;
        if (x < left) break;
        const std::int64_t field = stride * (j + off) + 18;
        if (field > lastField) break;
        const double sample = trace.number(static_cast<int>(field));
        double y = std::nearbyint((5115 - sample * yScale - vOff) * sy);
        if (cut >= y) y = cut;
        if (x < drawLimit) {
            if (!started)
                points.add(QPoint(PlotCanvas::toPixel(px), PlotCanvas::toPixel(intOf(py) + top)));
            started = true;
            // x >= left >= 0 and y >= cut > 0 here: truncation is the pixel.
            const QPoint to(static_cast<int>(x / PlotCanvas::kTwipsPerPixel),
                            static_cast<int>(std::min(y + top, 1.0e7) / PlotCanvas::kTwipsPerPixel));
            points.add(to);
        }
        px = x;
        py = y;
    }
    canvas_.polyline(points.finish(), fromBgr(color));
    printTitle(trace);
    view_.xUnitsPerValue = (torque() ? 25 : 125) / xFactor;
    view_.yUnitsPerTenth = 500 / yFullScale;
}

// The title line above the frame: file name, peak and position.
void PlotController::printTitle(const TraceFields& trace) {
    const LoadState& load = host_.hostLoadState();
    const std::string& file = load.curveFileName;
    if (host_.hostCurveList().checkBoxes || file.size() <= 2) return;
    const PlotGeometry g = geometry();
    canvas_.currentX = g.x0 * g.sx;
    canvas_.currentY = 60 * g.sy;
    const QString fileWord = QString::fromLatin1(words_.fileName + " ");
    if (load.curveFileFamily == 1) {
        canvas_.print(fileWord + fileNameText(file), Qt::black);
        return;
    }
    const std::string& peakY = trace.field(2);
    if (LeadingNumber(peakY) == 0) return;
    const double digits = LeadingNumber(trace.field(1));
    const double scaled = LeadingNumber(peakY) / std::pow(10.0, digits);
    // Keyed files store the peak in its unit already.
    const bool stored = endsWithNoCase(file, "NRCUR") || endsWithNoCase(file, "NCUR") ||
                        endsWithNoCase(file, "SPCUR");
    canvas_.print(fileWord + fileNameText(titleName(file)), Qt::black);
    canvas_.nextZone();
    if (torque()) {
        const std::string value = stored ? peakY : formatDecimals(scaled, 2);
        canvas_.print(words_.torqueTitle + "  " + value + " NM", Qt::black);
        canvas_.nextZone();
        canvas_.print(words_.angleTitle + "  " + trace.field(12) + " " + words_.degree, Qt::black);
        return;
    }
    const bool newton = load.loadInNewton;
    const std::string value = stored ? peakY : formatDecimals(scaled, newton ? 2 : 3);
    canvas_.print(words_.loadTitle + "  " + value + (newton ? " N" : " KN"), Qt::black);
    canvas_.nextZone();
    canvas_.print(words_.distanceTitle + "  " + trace.field(12) + " " + words_.mm, Qt::black);
}

void PlotController::REFDRAW() {
    const PlotGeometry g = geometry();
    const ReadOutInputs readOut = readOutInputs();
    const double top = view_.plotTop;
    const double clearance = 4 * PlotCanvas::kTwipsPerPixel;
    const double right = (g.x0 + 5030) * g.sx - clearance;
    const double lineHeight = std::max(240.0, canvas_.lineHeight());
    for (int k = 0; k < 8; ++k) {
        const ReferenceMarker& m = view_.markers[static_cast<std::size_t>(k)];
        const bool inside = g.x0 * g.sx < m.x && m.x < (g.x0 + 5030) * g.sx && 115 * g.sy < m.y &&
                            m.y < 5115 * g.sy;
        if (!inside) continue;
        changes_ |= PlotChange::Picture;
        const QColor color = fromBgr(kMarkerColors[k]);
        if (m.style == 1) {
            canvas_.line(m.x - 200, m.y, m.x + 200, m.y, color, 2);
            canvas_.line(m.x, m.y - 200, m.x, m.y + 200, color, 2);
        } else if (m.style == 2) {
            canvas_.line(g.x0 * g.sx, m.y, (g.x0 + 5030) * g.sx, m.y, color, 2);
        } else if (m.style == 3) {
            canvas_.line(m.x, 115 * g.sy + top, m.x, 5115 * g.sy + top, color, 2);
        }
        // The read-outs stack down the data area's top right corner, one line
        // per colour, clear of the frame's thick edges.
        const std::string text = readOutText(readOut, m.x, m.y);
        canvas_.currentX = std::max(right - canvas_.textWidth(text), g.x0 * g.sx + clearance);
        canvas_.currentY = 115 * g.sy + top + clearance + k * lineHeight;
        if (m.style != 0) canvas_.print(text, color);
    }
}

} // namespace plotwise
