// The drawing into the picture, probed pixel by pixel. At 413 x 385 pixels
// one picture unit is one design unit (sx = sy = 1), so X0 = 1200.
#include "FakePlotHost.h"
#include "curvefiles/CurveTrace.h"
#include "plot/TraceFields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace plotwise::test {
namespace {

constexpr QRgb kDarkGreen = 0x008000;
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kRed = 0xff0000;

// Pixel of a design point at sx = sy = 1 (Y below the picture's top margin).
int px(double design) { return PlotCanvas::toPixel(design); }
int py(double design) { return PlotCanvas::toPixel(design + 210); }

// Leftmost column of a colour in a band of rows; -1 when absent.
int leftmost(const QImage& image, QRgb color, int top, int bottom) {
    for (int x = 0; x < image.width(); ++x)
        for (int y = std::max(top, 0); y <= bottom && y < image.height(); ++y)
            if ((image.pixel(x, y) & 0xffffff) == color) return x;
    return -1;
}

using PlotDrawing = PlotFixture;

TEST_F(PlotDrawing, FrameAndGridFollowThePictureSize) {
    for (QSize size : {QSize(413, 385), QSize(800, 500), QSize(1600, 1000)}) {
        plot.resizePicture(size.width(), size.height());
        plot.DRAW2();
        const PlotGeometry g = PlotGeometry::of(size.width() * 15.0, size.height() * 15.0);
        const int midY = PlotCanvas::toPixel(2600 * g.sy + 210);
        const int frameX = PlotCanvas::toPixel(g.x0 * g.sx);
        EXPECT_GT(countColor(image(), kDarkGreen, QRect(frameX - 1, midY, 3, 1)), 1) << size.width();
        // The fifth vertical grid line, and white between lines.
        const int gridX = PlotCanvas::toPixel((g.x0 + 30 + 2500) * g.sx);
        EXPECT_EQ(countColor(image(), kDarkGreen, QRect(gridX, midY, 1, 1)), 1) << size.width();
        EXPECT_EQ(countColor(image(), kDarkGreen, QRect(gridX + 5, midY + 5, 1, 1)), 0);
        // About 1200 picture units (80 pixels) of margin at every size.
        EXPECT_NEAR(frameX, 80, 1);
        EXPECT_NEAR(plot.view().plotBottom, 5115 * g.sy + 210, 1e-6);
    }
}

TEST_F(PlotDrawing, CurveEndsAtTheHSPositionStepsLeftAndIsCutAtTheTop) {
    plot.option1Click(2); // 200 degrees: 12.5 design units a step
    plot.setHS(300);
    host.addRow("10", "300", std::vector<double>(40, 5.0));
    plot.DRAW2();
    const int endX = px(1200 + 4530);
    const int sampleY = py(5115 - 5 * 5000 / 12.0);
    // The end: from the zero line up to the newest sample, then leftwards.
    EXPECT_GT(countColor(image(), kBlack, QRect(endX, sampleY + 2, 1, 20)), 15);
    EXPECT_EQ(countColor(image(), kBlack, QRect(endX + 2, py(115), 40, py(5100) - py(115))), 0);
    EXPECT_NEAR(leftmost(image(), kBlack, sampleY, sampleY), px(1200 + 4530 - 39 * 12.5), 1);
    // Samples above a full scale of 1 are cut flat at the top.
    plot.setText1("1");
    plot.view().gridDirty = true;
    plot.DRAW2();
    EXPECT_GT(countColor(image(), kBlack, QRect(0, py(110), 413, 1)), 30);
    EXPECT_EQ(countColor(image(), kBlack, QRect(px(1200), 0, 300, py(110))), 0);
}

TEST_F(PlotDrawing, StrideAndWalkEndFollowEachRow) {
    struct Row {
        const char* name;
        int samples;
        const char* interval;
        int steps; // plot steps drawn left of the end
    } rows[] = {
        {"stride 1", 10, "0", 9},   {"stride 2", 10, "1", 4},   {"stride 10", 400, "2", 39},
        {"stride 20", 400, "3", 19}, {"unknown code", 10, "x", 9}, {"no samples", 0, "0", 0},
    };
    for (const Row& row : rows) {
        host.table.setRowCount(1);
        plot.option1Click(2);
        plot.setHS(300);
        // A long row first: the short row after it must not pick up its samples.
        host.addRow("10", "300", std::vector<double>(800, 2.0), "0", 0x0000ff);
        host.addRow("10", "300", std::vector<double>(row.samples, 5.0), row.interval, 0);
        plot.DRAW2();
        const int y = py(5115 - 5 * 5000 / 12.0);
        const int expected = row.samples ? px(1200 + 4530 - row.steps * 12.5) : -1;
        EXPECT_NEAR(leftmost(image(), kBlack, y, y), expected, 1) << row.name;
    }
}

TEST_F(PlotDrawing, VerticalOffsetIsTenthsOfAYUnitForEveryUnit) {
    for (int unit : {0, 1, 4}) {
        host.table.setRowCount(1);
        plot.option1Click(2);
        plot.setHS(300);
        plot.setVS(100); // 10 Y units up on a full scale of 50: 1000 design units
        plot.view().gridDirty = true;
        plot.DRAWGRID(unit, 2, 50, 100, 300);
        CurveTrace trace;
        trace.set(12, "300");
        for (int k = 18; k < 58; ++k)
            trace.set(k, "0");
        plot.CURVEDRAW(unit, 1, 50, 100, 300, LoadedTraceFields(trace), 0);
        const int y = py(5115 - 1000);
        EXPECT_GT(countColor(image(), kBlack, QRect(px(5000), y, 300, 1)), 20) << unit;
    }
}

TEST_F(PlotDrawing, CurveEndRightOfTheAxisStartsAtTheRightEdge) {
    plot.resizePicture(800, 500);
    const PlotGeometry g = PlotGeometry::of(12000, 7500);
    plot.option1Click(0); // 50 degrees
    plot.setHS(100);
    host.addRow("10", "200", std::vector<double>(1000, 5.0));
    plot.DRAW2();
    const int y = PlotCanvas::toPixel(std::round((5115 - 5 * 5000 / 12.0) * g.sy) + 210);
    const int left = PlotCanvas::toPixel(g.x0 * g.sx), limit = PlotCanvas::toPixel((g.x0 + 5015) * g.sx);
    EXPECT_GT(countColor(image(), kBlack, QRect(left, y, limit - left, 1)), limit - left - 10);
    // The first segment drawn may start beyond that limit, never beyond the frame.
    const int frameRight = PlotCanvas::toPixel((g.x0 + 5030) * g.sx);
    EXPECT_EQ(countColor(image(), kBlack, QRect(frameRight + 2, 0, 800, y + 20)), 0);
}

TEST_F(PlotDrawing, EmptyTableDrawsAnEmptyGridAndNoPeakDrawsNothing) {
    plot.DRAW2();
    EXPECT_GT(countColor(image(), kDarkGreen), 1000);
    EXPECT_EQ(host.captions[0], "50 Degree / Seconds");
    EXPECT_EQ(host.table.text(0, 2), "Torque");
    // A peak of 0.004 gives no full scale: the picture keeps what it had.
    const QImage before = image();
    host.addRow("0.004", "300", {0.001, 0.002});
    plot.view().gridDirty = true;
    plot.DRAW2();
    EXPECT_EQ(image(), before);
    host.table.setRowCount(1);
    host.load.curveFormat = 3; // .BIN press: load curves relabel scales and headings
    plot.DRAW2();
    EXPECT_EQ(host.captions[5], "240 mm");
    EXPECT_EQ(host.table.text(0, 1), "Press #");
    EXPECT_EQ(host.table.text(0, 3), "Distance");
}

// A .CUR file: exponent, peak, angle, then 999 samples in hundredths.
std::string curFile(const std::string& peak) {
    std::string text = "2\r\n" + peak + "\r\n356\r\n";
    for (int i = 0; i < 999; ++i)
        text += std::to_string(1000 + i) + "\r\n";
    return text;
}

TEST_F(PlotDrawing, SingleCurveWithItsTitleLine) {
    host.fs.put("bolt.CUR", curFile("2534"));
    host.entryText = "bolt.CUR\\        Torque 25.34    Angle 356";
    host.list.checkBoxes = false;
    plot.option1Click(5);
    plot.setHS(300);
    plot.DRAW();
    EXPECT_EQ(host.load.curveFileName, "bolt.CUR");
    const QRect titleBand(px(1200), 0, 300, py(115) - 2);
    EXPECT_GT(countColor(image(), kBlack, titleBand), 20);
    EXPECT_GT(countColor(image(), kBlack, QRect(px(1300), py(110), 200, py(5100) - py(110))), 10);

    // In the check-box list no title is printed.
    host.list.checkBoxes = true;
    plot.view().gridDirty = true;
    plot.DRAW();
    EXPECT_EQ(countColor(image(), kBlack, titleBand), 0);

    // An entry that names neither torque nor load draws nothing.
    const QImage before = image();
    host.entryText = "results.TSV";
    plot.view().gridDirty = true;
    plot.DRAW();
    EXPECT_EQ(image(), before);
}

std::string sampleBytes(const std::string& name) {
    std::ifstream in(std::string(PLOTWISE_SAMPLES_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Rows of the older formats are loaded for the drawing alone; the kind their
// loader finds decides the axes, whatever kind the scan met last.
TEST_F(PlotDrawing, RowsOfOlderFormatsAreLoadedForTheDrawingAndChooseTheAxes) {
    struct Case {
        const char* file;
        int format;
        const char* caption;
    };
    for (const Case& c : {Case{"legacy_M8_bolt.CUR", 0, "50 Degree"},
                          Case{"press_90pts.BIN", 3, "10 mm"},
                          Case{"press_export_kilonewton.CSV", 5, "10 mm"},
                          Case{"quill_press_plain.QUERNACUR", 1, "10 mm"}}) {
        host.fs.put(c.file, sampleBytes(c.file));
        host.load.curveFormat = 6;
        host.table.setRowCount(1);
        const int row = host.table.appendRow();
        host.table.setText(row, 0, c.file);
        host.table.setText(row, 2, "12.34");
        host.table.setText(row, 3, "12");
        host.table.setTextColor(row, 2, 0x0000ff);
        plot.view().gridDirty = true;
        plot.DRAW2();
        EXPECT_GT(countColor(image(), kRed), 20) << c.file;
        EXPECT_EQ(host.table.usedColumns(row), 4) << "the table stays as the list click left it";
        EXPECT_EQ(host.load.curveFormat, c.format) << c.file;
        EXPECT_EQ(host.captions[0], c.caption) << c.file;
    }
}

TEST_F(PlotDrawing, ViewFollowsTheCurveEndsUntilTheUserPlacesIt) {
    host.addRow("10", "412.5", {1, 2, 3});
    host.addRow("10", "398", {1, 2, 3});
    plot.DRAW2();
    EXPECT_EQ(plot.hs().value, 413);
    EXPECT_FALSE(plot.hsSetByUser());
    plot.setHS(300);
    host.addRow("10", "900", {1, 2, 3});
    plot.DRAW2();
    EXPECT_EQ(plot.hs().value, 300);
}

// Rows with text in the Y label column (right of the unit label, left of the
// frame), as runs: one run a label.
int labelRuns(const QImage& image) {
    const QRect column(24, 0, px(1200) - 26, image.height());
    int runs = 0;
    bool inRun = false;
    for (int y = 0; y < image.height(); ++y) {
        const int width = column.width();
        const bool text = countColor(image, 0xffffff, QRect(column.left(), y, width, 1)) < width;
        runs += text && !inRun;
        inRun = text;
    }
    return runs;
}

// On a low picture only every second, fifth or tenth Y label is printed, so
// no two labels run into each other.
TEST_F(PlotDrawing, AxisLabelsThinOutOnSmallPictures) {
    struct Case {
        int height, labels;
    };
    for (const Case& c : {Case{385, 11}, Case{90, 5}, Case{50, 2}}) { // label 0 lies below
        plot.resizePicture(413, c.height);
        plot.DRAW2();
        EXPECT_EQ(labelRuns(image()), c.labels) << c.height;
    }
}

TEST_F(PlotDrawing, RedrawRequestsAreCoalesced) {
    plot.option1Click(3);
    plot.setHS(50);
    plot.setVS(20);
    plot.timer3Tick();
    plot.timer3Tick();
    EXPECT_EQ(host.tableDraws, 1);
    plot.view().drawSource = 2;
    plot.view().redrawPending = true;
    host.picture = false; // the table is shown instead: nothing to draw
    plot.timer3Tick();
    EXPECT_EQ(host.tableDraws, 1);
    EXPECT_FALSE(plot.view().redrawPending);

    // A request made while a drawing lets events run is neither served inside
    // it nor lost.
    host.picture = true;
    plot.setEventYieldInterval(0);
    for (int i = 0; i < 3; ++i)
        host.addRow("10", "300", std::vector<double>(400, 5.0));
    host.duringEvents = [this] {
        plot.setVS(plot.vs().value + 1);
        plot.timer3Tick();
    };
    plot.view().redrawPending = true;
    plot.timer3Tick();
    host.duringEvents = nullptr;
    EXPECT_EQ(host.tableDraws, 2) << "the drawing was not entered again";
    EXPECT_TRUE(plot.view().redrawPending);
    plot.timer3Tick();
    EXPECT_FALSE(plot.view().redrawPending);
}

} // namespace
} // namespace plotwise::test
