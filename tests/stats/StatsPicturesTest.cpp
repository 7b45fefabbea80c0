#include "stats/StatsPictures.h"
#include "support/GuiApp.h"
#include "support/TempFolder.h"

#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>

using namespace plotwise::stats;

namespace {

std::vector<GroupStats> twoGroups() {
    std::vector<PeakGroup> groups(2);
    for (int g = 0; g < 2; ++g) {
        groups[std::size_t(g)].spindle = g + 1;
        for (double v : {25.0, 25.2, 24.9, 25.1, 25.0, 24.8, 31.0}) {
            CurvePeak peak;
            peak.y = v + g;
            peak.x = 10 * v;
            peak.yName = "Torque";
            peak.xName = "Angle";
            groups[std::size_t(g)].curves.push_back(peak);
        }
    }
    LimitSet y;
    addLimits("20:30", y);
    return computeStats(groups, y, {});
}

int redPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == qRgb(255, 0, 0);
    return count;
}

} // namespace

// Both pictures hold every group; limits and points beyond the control limits
// are drawn in red; PDF goes by the ending; a failed write names the path.
TEST(StatsPictures, WritesEveryGroupByTheFileEnding) {
    plotwise::test::guiApp();
    plotwise::test::TempFolder folder;
    const auto groups = twoGroups();
    for (auto kind : {PictureKind::Histogram, PictureKind::Individuals}) {
        const std::string png = folder.path("picture.png"), pdf = folder.path("picture.PDF");
        ASSERT_FALSE(writeStatsPicture(groups, kind, png));
        QImage image(QString::fromStdString(png));
        EXPECT_EQ(image.width(), statsPictureWidth());
        EXPECT_EQ(image.height(), statsPictureHeight(2));
        EXPECT_GT(redPixels(image), 100);
        ASSERT_FALSE(writeStatsPicture(groups, kind, pdf));
        EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
        const auto failure = writeStatsPicture(groups, kind, folder.path("no/such/picture.pdf"));
        ASSERT_TRUE(failure);
        EXPECT_NE(failure->find("no/such/picture.pdf: No such file"), std::string::npos) << *failure;
    }
    // Values whose spread overflows are said to be out of range, not drawn.
    std::vector<PeakGroup> huge(1);
    for (double v : {1e308, -1e308, 1e308}) {
        huge[0].curves.emplace_back();
        huge[0].curves.back().y = v;
    }
    EXPECT_FALSE(writeStatsPicture(computeStats(huge, {}, {}), PictureKind::Individuals,
                                   folder.path("huge.png")));
    EXPECT_TRUE(pictureFormatKnown("a.Pdf") && pictureFormatKnown("a.png") && !pictureFormatKnown("a.tif"));
}
