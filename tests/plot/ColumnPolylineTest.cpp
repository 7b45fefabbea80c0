// A curve drawn from its per-column extremes covers the very pixels of the
// curve drawn through every sample, as the window draws (crisp lines).
#include "plot/ColumnPolyline.h"
#include "plot/PlotCanvas.h"
#include "support/GuiApp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace plotwise::test {
namespace {

QImage drawn(const QPolygon& points) {
    PlotCanvas canvas;
    canvas.resize(420, 320);
    canvas.polyline(points, QColor(0, 0, 142));
    return canvas.image();
}

// A walk of small steps with a jump now and then, the same on every run.
double walk(int i) {
    static const std::vector<double> steps = [] {
        std::vector<double> y(4000);
        std::uint32_t state = 12345;
        double level = 150;
        for (double& v : y) {
            state = state * 1664525u + 1013904223u;
            level = state % 16 == 0 ? double(state >> 8 & 0xff) : level + double(state >> 12 & 7) - 3;
            v = level;
        }
        return y;
    }();
    return steps[static_cast<std::size_t>(i)];
}

TEST(ColumnPolyline, DrawsTheSamePixelsAsEverySample) {
    guiApp();
    struct Shape {
        const char* name;
        double pixelsPerSample; // negative: drawn leftwards, as the plot walks
        std::function<double(int)> y;
    } shapes[] = {
        {"spikes up and down", -0.1,
         [](int i) { return i % 97 == 0 ? 5.0 : (i % 89 == 0 ? 315.0 : 200 + (i % 7)); }},
        {"steps", -0.07, [](int i) { return (i / 300) % 2 ? 40.0 : 260.0; }},
        {"steep edges", -0.13,
         [](int i) { return i % 500 < 3 ? 300 - (i % 500) * 90.0 : 30 + (i % 500) * 0.4; }},
        {"noise", -0.09, [](int i) { return double((i * 7919 + i / 3 * 104729) % 311); }},
        {"rising, rightwards", 0.11, [](int i) { return 310 - i * 0.08 + std::sin(i * 0.9) * 25; }},
        {"one column", 0.0, [](int i) { return 160 + std::sin(i * 0.3) * 120; }},
        {"sparse, no column shared", -3.0, [](int i) { return 20 + (i * 37) % 280; }},
        {"walk, 20 samples a column", -0.05, walk},
        {"walk, 3 samples a column", -0.3, walk},
        {"walk, rightwards", 0.45, walk},
        {"random jumps off the picture", -0.05,
         [](int i) { return double(std::uint32_t(i * 2654435761u) % 400) - 40; }},
    };
    for (const Shape& shape : shapes) {
        QPolygon every;
        ColumnPolyline reduced;
        for (int i = 0; i < 3800; ++i) {
            const double x = 410 + (shape.pixelsPerSample < 0 ? 0 : -400) + i * shape.pixelsPerSample;
            if (x < 0 || x >= 420) break;
            const QPoint point(int(x), int(shape.y(i)));
            if (every.isEmpty() || every.back() != point) every << point;
            reduced.add(point);
        }
        const QPolygon& points = reduced.finish();
        EXPECT_LE(points.size(), 7 * 420) << shape.name;
        EXPECT_EQ(drawn(points), drawn(every)) << shape.name;
    }
}

// A crisp line's last segments depend on the one before: turns just before
// the curve's end, or just after its start, are kept as they were.
TEST(ColumnPolyline, KeepsTheTurnsAtTheCurvesEnds) {
    guiApp();
    struct Case {
        const char* name;
        std::vector<int> columns, ys; // one column per point
    } cases[] = {
        {"end",
         {179, 179, 179, 179, 179, 179, 178, 178, 178, 178, 178, 178, 178},
         {52, 51, 52, 36, 34, 34, 37, 35, 32, 34, 33, 31, 31}},
        {"start", {3, 3, 3, 3, 3, 3, 3, 3, 3, 4, 5}, {105, 107, 104, 103, 102, 31, 33, 32, 30, 60, 61}},
        {"end at the top", {171, 171, 170, 170, 170, 170, 170, 170, 170, 170},
         {11, 14, 13, 10, 7, 4, 1, 4, 2, 0}},
    };
    for (const Case& c : cases) {
        QPolygon every;
        ColumnPolyline reduced;
        for (std::size_t i = 0; i < c.columns.size(); ++i) {
            const QPoint point(c.columns[i], c.ys[i]);
            if (every.isEmpty() || every.back() != point) every << point;
            reduced.add(point);
        }
        EXPECT_EQ(drawn(reduced.finish()), drawn(every)) << c.name;
    }
}

TEST(ColumnPolyline, ASinglePointIsOnePixel) {
    ColumnPolyline one;
    one.add(QPoint(3, 4));
    one.add(QPoint(3, 4));
    EXPECT_EQ(one.finish(), QPolygon({QPoint(3, 4), QPoint(3, 4)}));
    EXPECT_TRUE(ColumnPolyline().finish().isEmpty());
}

} // namespace
} // namespace plotwise::test
