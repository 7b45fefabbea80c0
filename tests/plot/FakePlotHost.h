#pragma once
// A window around the plot for tests: a curve list, a loaded-curve table, the
// load state and curve files in memory, and counters of what the plot asked.
#include "curvefiles/LoadState.h"
#include "curvefiles/LoadedCurveTable.h"
#include "curvelist/CurveList.h"
#include "plot/PlotController.h"
#include "plot/PlotHost.h"
#include "support/GuiApp.h"
#include "support/MemoryFileSystem.h"

#include <QImage>
#include <gtest/gtest.h>

#include <functional>

namespace plotwise::test {

class FakePlotHost : public PlotHost {
public:
    CurveList list;
    LoadedCurveTable table;
    LoadState load;
    MemoryFileSystem fs;
    std::string entryText;
    std::array<std::string, 6> captions{"50 Degree", "100 Degree", "200 Degree",
                                        "400 Degree", "600 Degree", "1200 Degree"};
    bool resultTable = false, picture = true, notice = false;
    int tableDraws = 0, clipboardCopies = 0; // DRAW2 hides Grid1 once per drawing
    std::function<void()> duringEvents;

    FakePlotHost() { guiApp(); } // text needs the application's fonts

    const CurveList& hostCurveList() const override { return list; }
    LoadedCurveTable& hostGrid1() override { return table; }
    LoadState& hostLoadState() override { return load; }
    LoadContext loadContext() const override { return LoadContext{fs, "/curves", resultTable}; }
    const std::string& selectedEntryText() const override { return entryText; }
    std::array<std::string, 6>& scaleCaptions() override { return captions; }
    bool resultTableVisible() const override { return resultTable; }
    bool pictureVisible() const override { return picture; }
    void hideGrid1() override { ++tableDraws; }
    bool noCurveNoticeVisible() const override { return notice; }
    void hideNoCurveNotice() override { notice = false; }
    void showDiagnosticLabel(int) override {}
    void setBusy(bool) override {}
    void processEvents() override { duringEvents ? duringEvents() : void(); }
    void resultSelectionChanged() override {}
    void copyPictureToClipboard(const QImage&) override { ++clipboardCopies; }

    // A loaded-curve row: peak, position, samples oldest first, interval code.
    void addRow(const std::string& peak, const std::string& position,
                const std::vector<double>& samples, const std::string& interval = "0",
                std::uint32_t color = 0) {
        const int row = table.appendRow();
        table.setText(row, 0, "row" + std::to_string(row) + ".nrcur");
        table.setText(row, 2, peak);
        table.setText(row, 3, position);
        table.setText(row, 4, std::to_string(samples.size() + 1));
        table.setText(row, 5, interval);
        for (std::size_t i = 0; i < samples.size(); ++i)
            table.setText(row, 6 + static_cast<int>(i), std::to_string(samples[i]));
        table.setTextColor(row, 2, color);
    }
};

inline constexpr QRgb kDarkGreen = 0x008000, kBlack = 0x000000, kRed = 0xff0000;

// A plot on a torque check-box list, 413 x 385 pixels: one picture unit is
// one design unit (sx = sy = 1), so X0 = 1200.
struct PlotBench {
    FakePlotHost host;
    PlotController plot{host};

    PlotBench() {
        host.load.curveFormat = 6;
        host.list.checkBoxes = true;
        plot.view().drawSource = 2;
        plot.resizePicture(413, 385);
    }
    const QImage& image() const { return plot.canvas().image(); }
    // 200 degrees (12.5 design units a sample step), HS at 300, and a curve
    // of `samples` samples of 5 Nm (peak 10) ending there.
    void curveAt300(int samples) {
        plot.option1Click(2);
        plot.setHS(300);
        host.addRow("10", "300", std::vector<double>(samples, 5.0));
    }
};

class PlotFixture : public ::testing::Test, public PlotBench {};

// Pixel of a design point at sx = sy = 1 (Y below the picture's top margin).
inline int px(double design) { return PlotCanvas::toPixel(design); }
inline int py(double design) { return PlotCanvas::toPixel(design + 210); }

// Counts the pixels of one colour in a rectangle of the image (inclusive).
inline int countColor(const QImage& image, QRgb color, QRect area = {}) {
    if (area.isNull()) area = image.rect();
    area &= image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) & 0xffffff) == (color & 0xffffff);
    return count;
}

} // namespace plotwise::test
