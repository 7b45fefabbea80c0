#include "stats/StatsPictures.h"
#include "support/GuiApp.h"
#include "support/TempFolder.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace plotwise::stats;

// Both pictures hold every group; limits and points beyond the control limits
// are drawn in red. Values whose spread overflows are said to be out of
// range, not drawn. The PDF form and failed writes are in the CLI tests.
TEST(StatsPictures, DrawEveryGroupWithLimitsAndOutliersInRed) {
    plotwise::test::guiApp();
    plotwise::test::TempFolder folder;
    std::vector<PeakGroup> groups(2);
    for (int g = 0; g < 2; ++g) {
        groups[std::size_t(g)].spindle = g + 1;
        for (double v : {25.0, 25.2, 24.9, 25.1, 25.0, 24.8, 31.0}) {
            CurvePeak peak;
            peak.y = v + g, peak.x = 10 * v, peak.yName = "Torque", peak.xName = "Angle";
            groups[std::size_t(g)].curves.push_back(peak);
        }
    }
    LimitSet limits;
    addLimits("20:30", limits);
    const auto stats = computeStats(groups, limits, {});
    for (auto kind : {PictureKind::Histogram, PictureKind::Individuals}) {
        ASSERT_FALSE(writeStatsPicture(stats, kind, folder.path("picture.png")));
        const QImage image(QString::fromStdString(folder.path("picture.png")));
        EXPECT_EQ(image.size(), QSize(statsPictureWidth(), statsPictureHeight(2)));
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) red += image.pixel(x, y) == qRgb(255, 0, 0);
        EXPECT_GT(red, 100);
    }
    std::vector<PeakGroup> huge(1);
    for (double v : {1e308, -1e308, 1e308}) {
        CurvePeak peak;
        peak.y = v;
        huge[0].curves.push_back(peak);
    }
    EXPECT_FALSE(writeStatsPicture(computeStats(huge, {}, {}), PictureKind::Individuals, folder.path("huge.png")));
    EXPECT_TRUE(pictureFormatKnown("a.Pdf") && pictureFormatKnown("a.png") && !pictureFormatKnown("a.tif"));
}
