#include "curvefiles/FileSystem.h"
#include "curvelist/CurveListBuilder.h"
#include "stats/CurveBand.h"
#include "stats/OutlierReport.h"
#include "support/CurvePopulation.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace plotwise::stats;
using plotwise::test::CurveFault;
using plotwise::test::CurveGenerator;

namespace {

// A population of one spindle: the curves as the loader leaves them (newest first).
struct Population {
    std::vector<CurvePeak> curves;
    std::vector<CurveSamples> samples;

    void add(CurveGenerator& generator, CurveFault fault, int spindle = 1) {
        CurvePeak peak;
        peak.spindle = spindle;
        peak.file = std::to_string(curves.size());
        curves.push_back(peak);
        const auto values = generator.curve(fault);
        CurveSamples s;
        s.values.assign(values.rbegin(), values.rend());
        s.xStep = sampleSpacing(true, 2);
        s.endX = 1000;
        s.loaded = true;
        samples.push_back(std::move(s));
    }
};

} // namespace

TEST(CurveBand, NormalPopulationRaisesNoAlarm) {
    CurveGenerator generator(7);
    Population population;
    for (int i = 0; i < 400; ++i) population.add(generator, CurveFault::None);
    const Detection detection = detectAbnormal(population.curves, population.samples);
    int alarms = 0;
    double highest = 0;
    for (const auto& judgement : detection.curves) {
        ASSERT_TRUE(judgement.score);
        alarms += judgement.abnormal;
        highest = std::max(highest, *judgement.score);
    }
    EXPECT_EQ(alarms, 0) << "highest score " << highest;
    // Well below the threshold, not just under it.
    EXPECT_LT(highest, detection.threshold / 1.5);
    ASSERT_EQ(detection.bands.size(), 1u);
}

// Each kind of fault, injected into a normal population, is found where it
// lies; the normal curves around it stay normal.
TEST(CurveBand, InjectedFaultsAreFound) {
    struct Row {
        const char* name;
        CurveFault fault;
        double from, to; // where the fault lies, in degrees back from the end
    };
    const Row rows[] = {
        {"cross thread", CurveFault::CrossThread, 250, 1000},
        {"soft joint", CurveFault::SoftJoint, 0, 700},
        {"early stop", CurveFault::EarlyStop, 0, 1000},
        {"burr", CurveFault::Burr, 300, 700},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CurveGenerator generator(11);
        Population population;
        for (int i = 0; i < 40; ++i) population.add(generator, i == 17 ? row.fault : CurveFault::None);
        const Detection detection = detectAbnormal(population.curves, population.samples);
        for (int i = 0; i < 40; ++i)
            EXPECT_EQ(detection.curves[std::size_t(i)].abnormal, i == 17) << i << " scored "
                << detection.curves[std::size_t(i)].score.value_or(-1);
        const CurveJudgement& fault = detection.curves[17];
        EXPECT_GE(fault.from, row.from);
        EXPECT_LE(fault.to, row.to);
    }
}

TEST(CurveBand, SmallGroupsAndUnloadedCurvesAreNotJudged) {
    CurveGenerator generator(3);
    Population population;
    for (int i = 0; i < 7; ++i) population.add(generator, CurveFault::SoftJoint, 2);
    for (int i = 0; i < 9; ++i) population.add(generator, CurveFault::None, 1);
    population.samples.back().loaded = false;
    const Detection detection = detectAbnormal(population.curves, population.samples);
    EXPECT_FALSE(detection.curves[0].score);
    EXPECT_FALSE(detection.curves.back().score);
    EXPECT_TRUE(detection.curves[7].score);
}

// Curve files of a folder, listed and loaded as the viewer does, on two
// threads: the early stop is found, the small spindle group is not judged,
// and the text lists the abnormal curve first.
TEST(CurveBand, FilesOfAFolderAreLoadedAndJudged) {
    plotwise::test::TempFolder folder;
    CurveGenerator generator(5);
    for (int i = 0; i < 12; ++i) {
        const int spindle = i < 9 ? 1 : 2;
        const auto fault = i == 4 ? CurveFault::EarlyStop : CurveFault::None;
        folder.write("c" + std::to_string(10 + i) + ".NRCUR",
                     CurveGenerator::nrcurFile(spindle, generator.curve(fault, 1200)));
    }
    plotwise::CurveList list;
    plotwise::LoadState state;
    const auto colors = plotwise::defaultSpindleColors();
    plotwise::CurveListBuilder builder(list, state, colors);
    plotwise::LocalFileSystem fs;
    plotwise::scanFolder(folder.path(), fs, state, builder);
    for (int i = 0; i < list.count(); ++i) list.entry(i).checked = true;
    const auto curves = tickedPeaks(list);
    int reported = 0;
    const auto samples = loadCurveSamples(curves, folder.path(), fs, 2, [&](int done) { reported = done; });
    ASSERT_EQ(reported, 12);
    EXPECT_EQ(samples[0].values.size(), 1200u);
    EXPECT_DOUBLE_EQ(samples[0].xStep, 0.25);
    const Detection detection = detectAbnormal(curves, samples);
    EXPECT_TRUE(detection.curves[4].abnormal);
    EXPECT_FALSE(detection.curves[11].score);
    const std::string text = outliersText(curves, detection);
    EXPECT_EQ(text.find("ABNORMAL"), text.find("\n") + 1) << text;
    EXPECT_NE(outliersJson(curves, detection).find("{\"file\": \"c21.NRCUR\", \"spindle\": 2, "
                                                   "\"score\": null, \"abnormal\": false, \"from\": null"),
              std::string::npos);
}
