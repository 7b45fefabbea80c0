// Markers and read-out, zoom, pan, reset and mouse modes, driven as the window
// drives them (picture units; at 413 x 385 pixels one unit is one design unit).
#include "FakePlotHost.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace plotwise::test {
namespace {

constexpr QRgb kRed = 0xff0000;
constexpr int kLeft = PlotController::kLeftButton;
constexpr int kRight = PlotController::kRightButton;

class PlotMouse : public PlotFixture {
protected:
    void SetUp() override {
        PlotFixture::SetUp();
        host.addRow("10", "300", std::vector<double>(400, 5.0));
        plot.option1Click(2);
        plot.setHS(300);
        plot.timer3Tick();
    }
    // Move there, press, release and click, as one left click.
    void clickAt(double x, double y, int button = kLeft) {
        plot.mouseMove(0, x, y);
        plot.mouseDown(button, x, y);
        plot.mouseUp(button, x, y);
        plot.click();
    }
    void dragWith(int mode, double x0, double y0, double x1, double y1) {
        while (plot.view().plotPointer != mode) {
            plot.mouseMove(0, 3000, 3000);
            plot.doubleClick();
        }
        plot.mouseMove(0, x0, y0);
        plot.mouseDown(kLeft, x0, y0);
        plot.mouseMove(kLeft, x1, y1);
        plot.mouseUp(kLeft, x1, y1);
    }
    // Read-out line k stands in the data area's top right corner.
    int readOutPixels(int k) const {
        const double line = std::max(240.0, plot.canvas().lineHeight());
        const int top = PlotCanvas::toPixel(115 + 210 + 60 + k * line);
        return countColor(image(), kRed, QRect(200, top, 213, PlotCanvas::toPixel(line)));
    }
};

TEST_F(PlotMouse, CrossMarkerWithItsReadOut) {
    plot.option2Click(1);
    plot.option3Click(1);
    clickAt(3000, 2000);
    const ReferenceMarker& m = plot.view().markers[1];
    EXPECT_EQ(m.style, 1);
    EXPECT_DOUBLE_EQ(m.x, 3000);
    EXPECT_GT(countColor(image(), kRed, QRect(PlotCanvas::toPixel(2800), 130, 28, 7)), 20);
    EXPECT_GT(readOutPixels(1), 10);
    EXPECT_EQ(host.clipboardCopies, 1);
    EXPECT_TRUE(plot.view().refPlaced);

    // The same colour again: one marker, at the second place.
    clickAt(4000, 3000);
    EXPECT_DOUBLE_EQ(plot.view().markers[1].x, 4000);
    EXPECT_EQ(countColor(image(), kRed, QRect(PlotCanvas::toPixel(2800), 130, 28, 7)), 0);

    // "None" clears every marker and draws none, but the read-out still works.
    plot.option2Click(0);
    clickAt(3500, 2500);
    EXPECT_EQ(plot.view().markers[1].style, 0);
    plot.timer3Tick();
    EXPECT_EQ(countColor(image(), kRed), 0);
    plot.mouseMove(0, 1200 + 4530, 5115 + 210);
    EXPECT_EQ(plot.toolTip(), " X: 300.0 Degree Y: 0.000 Nm");
    EXPECT_EQ(plot.pictureCursor(), PlotPointer::Zoom);

    // A marker below the frame is stored but not drawn.
    plot.option2Click(3);
    clickAt(3000, 5300);
    EXPECT_EQ(plot.view().markers[1].style, 3);
    EXPECT_EQ(countColor(image(), kRed), 0);
}

TEST_F(PlotMouse, ScrollingKeepsMarkersOnTheirValues) {
    plot.option1Click(0); // 50 degrees: 100 design units a degree
    plot.timer3Tick();
    plot.option2Click(2);
    plot.option3Click(1);
    clickAt(3000, 2000);
    plot.setHS(plot.hs().value + 10);
    EXPECT_DOUBLE_EQ(plot.view().markers[1].x, 2000);
    plot.setVS(10); // full scale 12: 500 / 12 design units a tenth
    EXPECT_NEAR(plot.view().markers[1].y, 2000 - 10 * 500 / 12.0, 1e-3);
    // The redraw the scroll asked for keeps the marker drawn.
    plot.timer3Tick();
    const int markerY = PlotCanvas::toPixel(plot.view().markers[1].y);
    EXPECT_GT(countColor(image(), kRed, QRect(100, markerY - 1, 300, 3)), 250);
}

TEST_F(PlotMouse, ReadOutsStandClearOfTheFrame) {
    plot.resizePicture(800, 500);
    plot.timer3Tick();
    plot.option2Click(1);
    plot.option3Click(1);
    clickAt(3000, 3000);
    const PlotGeometry g = PlotGeometry::of(800 * 15.0, 500 * 15.0);
    const int right = PlotCanvas::toPixel((g.x0 + 5030) * g.sx);
    const int top = PlotCanvas::toPixel(115 * g.sy + 210);
    EXPECT_GT(countColor(image(), kRed, QRect(right - 200, top, 200, 30)), 20);
    EXPECT_EQ(countColor(image(), kRed, QRect(right - 2, 0, 10, 200)), 0) << "right edge";
    EXPECT_EQ(countColor(image(), kRed, QRect(right - 300, top - 2, 300, 5)), 0) << "top edge";
}

TEST_F(PlotMouse, RightButtonResetsInTwoSteps) {
    plot.option2Click(1);
    plot.option3Click(1);
    clickAt(3000, 2000);
    plot.setVS(40);
    plot.setText1("30");
    clickAt(3000, 2000, kRight);
    EXPECT_EQ(plot.view().markers[1].style, 0) << "the press's click places nothing";
    EXPECT_EQ(plot.view().xScaleIndex, 2);
    EXPECT_EQ(plot.vs().value, 40);
    EXPECT_EQ(plot.text1().text, "AUTO");
    clickAt(3000, 2000, kRight);
    EXPECT_EQ(plot.view().xScaleIndex, 5);
    EXPECT_EQ(plot.vs().value, 0);
    plot.timer3Tick();
    EXPECT_EQ(plot.option1Selected(), 5);

    // Over a result table, the two spindles of a multi-spindle result stay
    // drawn from the table rather than the selected entry's one curve.
    host.list.checkBoxes = false;
    host.resultTable = true;
    clickAt(3000, 2000, kRight);
    EXPECT_EQ(plot.view().drawSource, 2);
}

// The full reset, or other curves, and the view follows the curves' end
// again; a zoom's Y scale and offset end with them.
TEST_F(PlotMouse, FollowingReturnsWithTheFullResetOrNewCurves) {
    plot.setHS(100);
    plot.timer3Tick();
    EXPECT_EQ(plot.hs().value, 100);
    clickAt(3000, 2000, kRight);
    clickAt(3000, 2000, kRight);
    plot.timer3Tick();
    EXPECT_EQ(plot.hs().value, 300);

    dragWith(PlotPointer::Zoom, 3000, 1000, 4200, 3000);
    EXPECT_NE(plot.hs().value, 300);
    EXPECT_EQ(plot.zoomYScale(), 5);
    plot.newCurveSelection();
    plot.view().redrawPending = true;
    plot.timer3Tick();
    EXPECT_EQ(plot.hs().value, 300);
    EXPECT_EQ(plot.vs().value, 0);
    EXPECT_EQ(plot.zoomYScale(), 0);
    EXPECT_NEAR(plot.view().yPerUnit * 5000, 12, 1e-9) << "the peak's Y scale";
}

TEST_F(PlotMouse, ZoomPicksTheScaleThatFitsTheRectangle) {
    plot.option1Click(5);
    plot.timer3Tick();
    dragWith(PlotPointer::Zoom, 3000, 1000, 4200, 3000); // 1200 wide on 1200 degrees
    EXPECT_EQ(plot.view().xScaleIndex, 3);
    EXPECT_EQ(plot.option1Selected(), 3);
    // The right edge becomes the HS value, the bottom edge the axis, and the
    // height the Y scale (2000 units of 12 / 5000 is 4.8, raised to 5).
    EXPECT_EQ(plot.hs().value, -67); // 300 + (4200 - 5730) x 0.48 / 2, rounded
    EXPECT_EQ(plot.zoomYScale(), 5);
    EXPECT_EQ(plot.text1().text, "AUTO") << "the box shows only what was typed";
    EXPECT_EQ(plot.vs().value, -56); // the bottom edge read 5.58 Nm

    // A plain click changes no scale; a further zoom rescales Y again. The
    // release that ends a zoom places no marker.
    clickAt(3500, 2000);
    EXPECT_EQ(plot.view().xScaleIndex, 3);
    plot.option2Click(1);
    plot.mouseMove(0, 3000, 1000);
    plot.mouseDown(kLeft, 3000, 1000);
    for (double y : {3000.0, 6000.0}) // released below the frame: no zoom
        plot.mouseMove(kLeft, 3000, y);
    plot.mouseUp(kLeft, 3000, 6000);
    plot.click();
    EXPECT_EQ(plot.view().markers[0].style, 0);
    dragWith(PlotPointer::Zoom, 3000, 1000, 3200, 2000);
    plot.click();
    EXPECT_EQ(plot.view().markers[0].style, 0);
    EXPECT_EQ(plot.view().xScaleIndex, 0);
    EXPECT_EQ(plot.zoomYScale(), 2); // 1000 units of 5 / 5000, raised
    clickAt(3000, 2000, kRight);
    EXPECT_EQ(plot.zoomYScale(), 0);
}

TEST_F(PlotMouse, ZoomKeepsAManualYScale) {
    plot.setText1("30");
    dragWith(PlotPointer::Zoom, 3000, 1000, 4200, 3000);
    EXPECT_EQ(plot.text1().text, "30");
}

TEST_F(PlotMouse, PanStopsShortOfTheScrollBarLimits) {
    dragWith(PlotPointer::PanHorizontal, 3000, 2000, 2850, 1000); // 10 steps of 0.4 right
    EXPECT_EQ(plot.hs().value, 304);
    EXPECT_EQ(plot.vs().value, 0) << "horizontal mode leaves VS alone";
    EXPECT_TRUE(plot.view().redrawPending);
    plot.setHS(9990);
    dragWith(PlotPointer::PanHorizontal, 3000, 2000, 2700, 2000); // would reach 9998
    EXPECT_EQ(plot.hs().value, 9998);
    dragWith(PlotPointer::PanHorizontal, 3000, 2000, 2955, 2000); // would pass 9999
    EXPECT_EQ(plot.hs().value, 9998);
    dragWith(PlotPointer::PanVertical, 3000, 2000, 3000, 1700); // 20 steps of 0.5 up
    EXPECT_EQ(plot.vs().value, 10);
}

TEST_F(PlotMouse, DoubleClicksStepModesOrOpenTheTextBoxes) {
    std::vector<int> modes;
    for (int i = 0; i < 4; ++i) {
        plot.mouseMove(0, 3000, 3000);
        plot.doubleClick();
        modes.push_back(plot.view().plotPointer);
    }
    EXPECT_EQ(modes, (std::vector<int>{5, 7, 9, 2}));
    plot.mouseMove(0, 3000, 3000); // hides both boxes
    EXPECT_FALSE(plot.text1().visible);
    plot.mouseMove(0, 100, 250);
    plot.doubleClick();
    EXPECT_TRUE(plot.text1().visible);
    EXPECT_TRUE(plot.takeText1Focus());
    EXPECT_EQ(plot.view().plotPointer, PlotPointer::Zoom);
}

TEST_F(PlotMouse, ManualXEndValueKeepsTheRightEdge) {
    plot.setText2("500");
    plot.text2Enter();
    EXPECT_EQ(plot.hs().value, 480); // 500 minus a tenth of 200 degrees
    plot.option1Click(0);
    EXPECT_EQ(plot.hs().value, 495);
}

} // namespace
} // namespace plotwise::test
