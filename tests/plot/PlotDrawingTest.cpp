// The drawing at other picture sizes, probed pixel by pixel, and what runs
// while a drawing lets window events run. The sessions at 413 x 385 pixels
// are in data/sessions.txt.
#include "FakePlotHost.h"
#include "curvefiles/CurveTrace.h"
#include "plot/TraceFields.h"

namespace plotwise::test {
namespace {

using PlotDrawing = PlotFixture;

TEST_F(PlotDrawing, FrameAndGridFollowThePictureSize) {
    for (QSize size : {QSize(413, 385), QSize(800, 500), QSize(1600, 1000)}) {
        SCOPED_TRACE(size.width());
        plot.resizePicture(size.width(), size.height());
        plot.DRAW2();
        const PlotGeometry g = PlotGeometry::of(size.width() * 15.0, size.height() * 15.0);
        const int midY = PlotCanvas::toPixel(2600 * g.sy + 210);
        const int frameX = PlotCanvas::toPixel(g.x0 * g.sx);
        const int gridX = PlotCanvas::toPixel((g.x0 + 30 + 2500) * g.sx); // fifth grid line
        EXPECT_GT(countColor(image(), kDarkGreen, QRect(frameX - 1, midY, 3, 1)), 1);
        EXPECT_EQ(countColor(image(), kDarkGreen, QRect(gridX, midY, 1, 1)), 1);
        EXPECT_EQ(countColor(image(), kDarkGreen, QRect(gridX + 5, midY + 5, 1, 1)), 0);
        EXPECT_NEAR(frameX, 80, 1); // about 1200 picture units of margin at every size
        EXPECT_NEAR(plot.view().plotBottom, 5115 * g.sy + 210, 1e-6);
    }
}

// The frame, grid and labels are kept and reused when drawn by the same
// steps: a picture drawn after others is the same as one drawn afresh, also
// when only a label, the font or the picture's size differs.
TEST_F(PlotDrawing, KeptBackgroundsGiveTheSamePixelsAsAFreshDrawing) {
    struct Drawing {
        const char* name;
        int width, vs, hs, fontSize;
        const char* peak;
    };
    const Drawing drawings[] = {
        {"first", 413, 0, 300, 8, "10"},          {"higher peak", 413, 0, 300, 8, "37"},
        {"first again", 413, 0, 300, 8, "10"},    {"moved up", 413, 40, 300, 8, "10"},
        {"moved right", 413, 0, 310, 8, "10"},    {"bigger font", 413, 0, 300, 10, "10"},
        {"wider", 600, 0, 300, 8, "10"},          {"first once more", 413, 0, 300, 8, "10"},
    };
    auto draw = [](PlotBench& bench, const Drawing& d) {
        bench.plot.resizePicture(d.width, 385);
        QFont font = bench.plot.canvas().font();
        font.setPointSize(d.fontSize);
        bench.plot.setFont(font);
        bench.plot.option1Click(2);
        bench.plot.setHS(d.hs);
        bench.plot.setVS(d.vs);
        bench.host.table.setRowCount(1);
        bench.host.addRow(d.peak, "300", std::vector<double>(40, 5.0));
        bench.plot.view().gridDirty = true;
        bench.plot.DRAW2();
        return bench.plot.canvas().image();
    };
    // Every other picture is held on, as a writer holds it: drawing on leaves
    // it as it was; the others are let go and drawn on again.
    std::vector<QImage> held;
    for (const Drawing& d : drawings) {
        PlotBench fresh;
        const QImage kept = draw(*this, d);
        EXPECT_TRUE(kept == draw(fresh, d)) << d.name;
        if (held.size() % 2 == 0)
            held.push_back(kept);
        else
            held.emplace_back();
    }
    for (std::size_t i = 0; i < held.size(); i += 2) {
        PlotBench fresh;
        EXPECT_TRUE(held[i] == draw(fresh, drawings[i])) << drawings[i].name << " held";
    }
}

TEST_F(PlotDrawing, VerticalOffsetIsTenthsOfAYUnitForEveryUnit) {
    CurveTrace trace;
    trace.set(12, "300");
    for (int k = 18; k < 58; ++k) trace.set(k, "0");
    plot.option1Click(2);
    plot.setHS(300);
    plot.setVS(100); // 10 Y units up on a full scale of 50: 1000 design units
    for (int unit : {0, 1, 4}) {
        plot.view().gridDirty = true;
        plot.DRAWGRID(unit, 2, 50, 100, 300);
        plot.CURVEDRAW(unit, 1, 50, 100, 300, LoadedTraceFields(trace), 0);
        EXPECT_GT(countColor(image(), kBlack, QRect(px(5000), py(4115), 300, 1)), 20) << unit;
    }
}

// A redraw request made while a drawing lets events run is neither served
// inside it nor lost.
TEST_F(PlotDrawing, RequestDuringADrawingIsServedAfterIt) {
    plot.setEventYieldInterval(0);
    for (int i = 0; i < 3; ++i) host.addRow("10", "300", std::vector<double>(400, 5.0));
    host.duringEvents = [this] {
        plot.setVS(plot.vs().value + 1);
        plot.timer3Tick();
    };
    plot.view().redrawPending = true;
    plot.timer3Tick();
    host.duringEvents = nullptr;
    EXPECT_EQ(host.tableDraws, 1) << "the drawing was not entered again";
    EXPECT_TRUE(plot.view().redrawPending);
    plot.timer3Tick();
    EXPECT_FALSE(plot.view().redrawPending);
    EXPECT_EQ(host.tableDraws, 2);
}

} // namespace
} // namespace plotwise::test
