#include "StatsPictures.h"

#include "export/AtomicFile.h"
#include "export/PdfPage.h"
#include "export/PictureWriter.h"
#include "plot/PlotCanvas.h"

#include <QPainter>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace plotwise::stats {
namespace {

constexpr int kPanelWidth = 420, kPanelHeight = 250, kGap = 10;
constexpr int kT = PlotCanvas::kTwipsPerPixel;
const QColor kFrame(0, 128, 0), kBar(0, 0, 142), kMean(0, 0, 255), kLimit(255, 0, 0),
    kControl(227, 0, 142), kPoint(0, 0, 0);

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", value);
    return text;
}

// A pixel rectangle mapping values onto it.
struct Area {
    int left, top, width, height;
    double x0, x1, y0, y1; // value ranges along x and y
    double px(double x) const { return left + (x - x0) / (x1 - x0) * width; }
    double py(double y) const { return top + height - (y - y0) / (y1 - y0) * height; }
};

void vline(PlotCanvas& c, const Area& a, double x, const QColor& color, int width = 1) {
    if (x < a.x0 || x > a.x1) return;
    c.line(a.px(x) * kT, a.top * kT, a.px(x) * kT, (a.top + a.height) * kT, color, width);
}

void hline(PlotCanvas& c, const Area& a, double y, const QColor& color, int width = 1) {
    if (y < a.y0 || y > a.y1) return;
    c.line(a.left * kT, a.py(y) * kT, (a.left + a.width) * kT, a.py(y) * kT, color, width);
}

void text(PlotCanvas& c, double x, double y, const std::string& t, const QColor& color = Qt::black) {
    c.currentX = x * kT;
    c.currentY = y * kT;
    c.print(t, color);
}

// Widens a range that holds one value so that it can be drawn.
void openRange(double& low, double& high) {
    if (high > low) return;
    const double pad = std::max(std::abs(low) * 0.05, 1e-6);
    low -= pad;
    high += pad;
}

void drawHistogram(PlotCanvas& c, Area a, const std::vector<double>& values, const Summary& s,
                   const Limits& limits) {
    double low = s.min, high = s.max;
    if (limits.lower) low = std::min(low, *limits.lower);
    if (limits.upper) high = std::max(high, *limits.upper);
    openRange(low, high);
    const double pad = (high - low) * 0.05;
    a.x0 = low - pad;
    a.x1 = high + pad;
    if (!std::isfinite(a.x1 - a.x0)) return;
    const int bins = std::clamp(static_cast<int>(std::ceil(std::sqrt(double(values.size())))), 5, 30);
    double binLow = s.min, binHigh = s.max;
    openRange(binLow, binHigh);
    const double width = (binHigh - binLow) / bins;
    std::vector<int> counts(static_cast<std::size_t>(bins), 0);
    for (double v : values)
        ++counts[static_cast<std::size_t>(std::clamp(int((v - binLow) / width), 0, bins - 1))];
    a.y0 = 0;
    a.y1 = *std::max_element(counts.begin(), counts.end()) * 1.1;
    for (int b = 0; b < bins; ++b) {
        if (counts[static_cast<std::size_t>(b)] == 0) continue;
        c.box(a.px(binLow + b * width) * kT, a.py(counts[static_cast<std::size_t>(b)]) * kT,
              a.px(binLow + (b + 1) * width) * kT, a.py(0) * kT, kBar);
    }
    auto marked = [&](double x, const QColor& color, const char* name) {
        vline(c, a, x, color, 2);
        text(c, a.px(x) + 3, a.top + 1, name, color);
    };
    marked(s.mean, kMean, "mean");
    if (limits.lower) marked(*limits.lower, kLimit, "LSL");
    if (limits.upper) marked(*limits.upper, kLimit, "USL");
    text(c, a.left, a.top + a.height + 2, number(a.x0));
    const std::string right = number(a.x1);
    text(c, a.left + a.width - c.textWidth(right) / kT, a.top + a.height + 2, right);
}

void drawIndividuals(PlotCanvas& c, Area a, const std::vector<double>& values, const Summary& s) {
    const double spread = kControlLimitFactor * s.movingRange.value_or(0);
    const double lcl = s.mean - spread, ucl = s.mean + spread;
    double low = std::min(s.min, lcl), high = std::max(s.max, ucl);
    openRange(low, high);
    const double pad = (high - low) * 0.08;
    a.y0 = low - pad;
    a.y1 = high + pad;
    a.x0 = 0;
    a.x1 = std::max<double>(1, values.size() - 1);
    hline(c, a, s.mean, kMean);
    if (spread > 0) {
        hline(c, a, lcl, kControl);
        hline(c, a, ucl, kControl);
    }
    QPolygon points;
    for (std::size_t i = 0; i < values.size(); ++i)
        points << QPoint(int(std::floor(a.px(double(i)))), int(std::floor(a.py(values[i]))));
    c.polyline(points, kPoint);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const bool beyond = spread > 0 && (values[i] > ucl || values[i] < lcl);
        const double x = a.px(double(i)), y = a.py(values[i]), r = beyond ? 4 : 1.5;
        c.box((x - r) * kT, (y - r) * kT, (x + r) * kT, (y + r) * kT, beyond ? kLimit : kPoint,
              beyond ? 2 : 1);
    }
    text(c, a.left + a.width + 2, a.py(s.mean) - 7, number(s.mean), kMean);
    if (spread > 0) {
        text(c, a.left + a.width + 2, a.py(ucl) - 7, number(ucl), kControl);
        text(c, a.left + a.width + 2, a.py(lcl) - 7, number(lcl), kControl);
    }
}

bool endsWithPdf(const std::string& path) {
    return path.size() >= 4 && strcasecmp(path.c_str() + path.size() - 4, ".pdf") == 0;
}

} // namespace

int statsPictureWidth() { return 2 * (kPanelWidth + kGap) + kGap; }

int statsPictureHeight(std::size_t groups) {
    return int(std::max<std::size_t>(groups, 1)) * (kPanelHeight + kGap) + kGap;
}

void drawStatsPanel(PlotCanvas& c, const std::string& title, const std::vector<double>& values,
                    const Summary& summary, const Limits& limits, PictureKind kind, int left,
                    int top, int width, int height) {
    text(c, left + 4, top + 2, title);
    Area a{left + 8, top + 22, width - (kind == PictureKind::Individuals ? 70 : 16), height - 46,
           0, 1, 0, 1};
    c.box(a.left * kT, a.top * kT, (a.left + a.width + 1) * kT, (a.top + a.height + 1) * kT, kFrame);
    if (values.empty()) return;
    // Values too large to be numbers (a file's "1e999") cannot be placed.
    for (double v : values)
        if (!std::isfinite(v)) return text(c, a.left + 4, a.top + 4, "values out of range");
    const double spread = kControlLimitFactor * summary.movingRange.value_or(0);
    if (!std::isfinite(summary.max - summary.min) || !std::isfinite(summary.mean + spread) ||
        !std::isfinite(summary.mean - spread))
        return text(c, a.left + 4, a.top + 4, "values out of range");
    if (kind == PictureKind::Histogram) drawHistogram(c, a, values, summary, limits);
    else drawIndividuals(c, a, values, summary);
}

void drawStatsPicture(PlotCanvas& c, const std::vector<GroupStats>& groups, PictureKind kind) {
    c.clear();
    QFont font = c.font();
    font.setPointSize(9);
    c.setFont(font);
    if (groups.empty()) text(c, kGap, kGap, "No curves");
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const GroupStats& group = groups[g];
        const int top = kGap + int(g) * (kPanelHeight + kGap);
        for (int q = 0; q < 2; ++q) {
            const Summary& s = q == 0 ? group.ySummary : group.xSummary;
            const std::string title = "Spindle " + std::to_string(group.spindle) + "  " +
                                      (q == 0 ? group.yName : group.xName) +
                                      "  n=" + std::to_string(s.n) + "  mean " + number(s.mean);
            drawStatsPanel(c, title, q == 0 ? group.y : group.x, s,
                           q == 0 ? group.yLimits : group.xLimits, kind,
                           kGap + q * (kPanelWidth + kGap), top, kPanelWidth, kPanelHeight);
        }
    }
}

bool pictureFormatKnown(const std::string& path) {
    return endsWithPdf(path) || writerForFileName(path).has_value();
}

std::optional<std::string> writeStatsPicture(const std::vector<GroupStats>& groups,
                                             PictureKind kind, const std::string& path) {
    PlotCanvas canvas;
    const int width = statsPictureWidth(), height = statsPictureHeight(groups.size());
    canvas.resize(width, height);
    if (!endsWithPdf(path)) {
        const auto writer = writerForFileName(path);
        if (!writer) return "cannot write " + path + ": unknown picture format";
        drawStatsPicture(canvas, groups, kind);
        if (auto error = writePicture(canvas.image(), path, *writer))
            return "cannot write " + path + ": " +
                   (error->reason.empty() ? error->description : error->reason);
        return std::nullopt;
    }
    auto draw = [&](QPainter& painter) {
        canvas.setOuterPainter(&painter);
        drawStatsPicture(canvas, groups, kind);
        canvas.setOuterPainter(nullptr);
    };
    if (auto failure = writePdfPage(path, width, height, draw))
        return "cannot write " + path + ": " + std::strerror(failure->status);
    return std::nullopt;
}

} // namespace plotwise::stats
