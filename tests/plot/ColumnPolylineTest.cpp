// A curve drawn from its per-column extremes sets the very pixels of the
// curve drawn through every sample, as the window draws (crisp lines, no
// antialiasing), and a line cut at the picture's edges keeps its pixels.
#include "plot/ColumnPolyline.h"
#include "plot/PlotCanvas.h"
#include "support/GuiApp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

namespace plotwise::test {
namespace {

const QColor kInk(0, 0, 142);

// The polyline drawn on a picture of w x h pixels, moved by (dx, dy).
QImage drawn(QPolygon points, int w = 420, int h = 320, int dx = 0, int dy = 0) {
    PlotCanvas canvas;
    canvas.resize(w, h);
    points.translate(dx, dy);
    canvas.polyline(points, kInk);
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
        double startX, pixelsPerSample; // negative: drawn leftwards, as the plot walks
        std::function<double(int)> y;
    } shapes[] = {
        {"spikes up and down", 410, -0.1,
         [](int i) { return i % 97 == 0 ? 5.0 : (i % 89 == 0 ? 315.0 : 200 + (i % 7)); }},
        {"steps", 410, -0.07, [](int i) { return (i / 300) % 2 ? 40.0 : 260.0; }},
        {"steep edges", 410, -0.13,
         [](int i) { return i % 500 < 3 ? 300 - (i % 500) * 90.0 : 30 + (i % 500) * 0.4; }},
        {"noise", 410, -0.09, [](int i) { return double((i * 7919 + i / 3 * 104729) % 311); }},
        {"rising, rightwards", 10, 0.11, [](int i) { return 310 - i * 0.08 + std::sin(i * 0.9) * 25; }},
        {"one column", 10, 0.0, [](int i) { return 160 + std::sin(i * 0.3) * 120; }},
        {"zoomed in, 3 columns a sample", 410, -3.0, [](int i) { return 20 + (i * 37) % 280; }},
        {"zoomed in, steep", 415, -7.5, [](int i) { return i % 2 ? 2.0 : 318.0; }},
        {"walk, 20 samples a column", 410, -0.05, walk},
        {"walk, 3 samples a column", 410, -0.3, walk},
        {"walk, rightwards", 10, 0.45, walk},
        {"cut at the left and right edges", 455, -0.2, [](int i) { return 160 + (i % 40) * 3.0; }},
        {"jumps off the top and bottom", 410, -0.05,
         [](int i) { return double(std::uint32_t(i * 2654435761u) % 400) - 40; }},
    };
    for (const Shape& shape : shapes) {
        QPolygon every;
        ColumnPolyline reduced;
        for (int i = 0; i < 3800; ++i) {
            const double x = shape.startX + i * shape.pixelsPerSample;
            if (x < -40 || x >= 460) break;
            const QPoint point(int(std::floor(x)), int(std::floor(shape.y(i))));
            if (every.isEmpty() || every.back() != point) every << point;
            reduced.add(point);
        }
        const QPolygon& points = reduced.finish();
        EXPECT_LE(points.size(), 4 * 500) << shape.name;
        const QImage picture = drawn(every);
        EXPECT_EQ(drawn(points), picture) << shape.name;
        // Cutting at the edges leaves every pixel inside as drawing it whole.
        EXPECT_EQ(drawn(every, 520, 420, 50, 50).copy(50, 50, 420, 320), picture) << shape.name;
    }
}

// A segment sets one pixel per step along its longer axis, both ends
// included, the same pixels in either direction.
TEST(ColumnPolyline, SegmentsSetOnePixelPerStepBothEndsIncluded) {
    guiApp();
    const QRgb ink = kInk.rgb();
    struct Segment {
        const char* name;
        QPoint a, b;
    } segments[] = {
        {"one pixel", {5, 5}, {5, 5}},         {"flat", {2, 7}, {30, 7}},
        {"shallow", {1, 2}, {40, 13}},        {"diagonal", {3, 3}, {20, 20}},
        {"steep, down-left", {25, 1}, {18, 39}}, {"steep, up", {9, 39}, {12, 0}},
    };
    for (const Segment& s : segments) {
        const QImage forth = drawn(QPolygon({s.a, s.b}), 48, 48);
        EXPECT_EQ(forth, drawn(QPolygon({s.b, s.a}), 48, 48)) << s.name;
        EXPECT_EQ(forth.pixel(s.a), ink) << s.name;
        EXPECT_EQ(forth.pixel(s.b), ink) << s.name;
        int set = 0;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x)
                set += forth.pixel(x, y) == ink;
        EXPECT_EQ(set, std::max(std::abs(s.b.x() - s.a.x()), std::abs(s.b.y() - s.a.y())) + 1) << s.name;
    }
    ColumnPolyline one;
    one.add(QPoint(3, 4));
    one.add(QPoint(3, 4));
    EXPECT_EQ(one.finish(), QPolygon({QPoint(3, 4), QPoint(3, 4)}));
    EXPECT_TRUE(ColumnPolyline().finish().isEmpty());
}

} // namespace
} // namespace plotwise::test
