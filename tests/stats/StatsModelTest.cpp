#include "curvefiles/FileSystem.h"
#include "curvelist/CurveListBuilder.h"
#include "stats/StatsModel.h"
#include "support/CurvePopulation.h"
#include "support/GuiApp.h"
#include "support/TempFolder.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

using namespace plotwise;
using namespace plotwise::stats;

namespace {

bool waitForDetection(StatsModel& model) {
    QEventLoop loop;
    QObject::connect(&model, &StatsModel::detectionFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    if (model.detecting()) loop.exec();
    return !model.detecting();
}

} // namespace

// The statistics follow the ticks at once; the detection arrives later, marks
// the early stop in the list and gives the plot its band. Limits typed in apply to
// the groups; bad ones leave them as they were.
TEST(StatsModel, FollowsTheTicksAndDetectsInTheBackground) {
    test::guiApp();
    // Ten generated curve files, c13 stopping early, listed and all ticked.
    test::TempFolder folder;
    test::CurveGenerator generator(9);
    for (int i = 0; i < 10; ++i)
        folder.write("c" + std::to_string(10 + i) + ".NRCUR", test::CurveGenerator::nrcurFile(1, generator.curve(
                         i == 3 ? test::CurveFault::EarlyStop : test::CurveFault::None, 800)));
    CurveList list;
    LoadState state;
    const auto colors = defaultSpindleColors();
    CurveListBuilder builder(list, state, colors);
    LocalFileSystem fs;
    scanFolder(folder.path(), fs, state, builder);
    for (int i = 0; i < list.count(); ++i) list.entry(i).checked = true;
    StatsModel model(fs);
    int progress = -1;
    QObject::connect(&model, &StatsModel::detectionProgress, [&](int done, int) { progress = done; });
    model.setCurves(list, folder.path());
    ASSERT_EQ(model.groups().size(), 1u);
    EXPECT_EQ(model.groups()[0].ySummary.n, 10);
    ASSERT_TRUE(waitForDetection(model));
    EXPECT_EQ(progress, 10);
    const auto marks = model.abnormalEntries();
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks.begin()->first, 3);
    EXPECT_TRUE(marks.begin()->second.startsWith("Abnormal curve")) << marks.begin()->second.toStdString();
    const auto band = model.plotBand(1);
    ASSERT_TRUE(band);
    EXPECT_EQ(band->x.size(), band->high.size());
    EXPECT_FALSE(model.plotBand(2));

    EXPECT_FALSE(model.setLimits("20:30, 2=1:2", ""));
    EXPECT_TRUE(model.groups()[0].ySummary.cp);
    EXPECT_TRUE(model.setLimits("30:20", ""));
    EXPECT_TRUE(model.groups()[0].ySummary.cp);
    // A new set of curves drops the running detection.
    list.entry(0).checked = false;
    model.setCurves(list, folder.path());
    model.setCurves(list, folder.path());
    EXPECT_EQ(model.groups()[0].ySummary.n, 9);
    EXPECT_TRUE(waitForDetection(model));
}
