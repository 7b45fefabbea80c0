#include "stats/CurveBand.h"
#include "support/CurvePopulation.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace plotwise::stats;
using plotwise::test::CurveFault;
using plotwise::test::CurveGenerator;

namespace {

// A population: the curves as the loader leaves them (newest first). The
// loading of curve files and the report are in StatsModelTest and in the CLI
// golden files (outliers-samples.*).
struct Population {
    CurveGenerator generator;
    std::vector<CurvePeak> curves;
    std::vector<CurveSamples> samples;

    explicit Population(std::uint64_t seed) : generator(seed) {}
    Population& add(int count, CurveFault fault = CurveFault::None, int spindle = 1) {
        for (int i = 0; i < count; ++i) {
            CurvePeak& curve = curves.emplace_back();
            curve.file = std::to_string(curves.size() - 1);
            curve.spindle = spindle;
            const auto values = generator.curve(fault);
            CurveSamples& s = samples.emplace_back();
            s.values.assign(values.rbegin(), values.rend());
            s.xStep = sampleSpacing(true, 2);
            s.endX = 1000;
            s.loaded = true;
        }
        return *this;
    }
};

} // namespace

TEST(CurveBand, NormalPopulationRaisesNoAlarm) {
    const Population population = Population(7).add(400);
    const Detection detection = detectAbnormal(population.curves, population.samples);
    ASSERT_EQ(detection.bands.size(), 1u);
    double highest = 0;
    for (const auto& judgement : detection.curves) {
        ASSERT_TRUE(judgement.score);
        EXPECT_FALSE(judgement.abnormal) << *judgement.score;
        highest = std::max(highest, *judgement.score);
    }
    // Well below the threshold, not just under it.
    EXPECT_LT(highest, detection.threshold / 1.5);
}

// Each kind of fault, injected into a normal population, is found where it
// lies (in degrees back from the end); the normal curves around it stay normal.
TEST(CurveBand, InjectedFaultsAreFound) {
    const std::tuple<const char*, CurveFault, double, double> rows[] = {
        {"cross thread", CurveFault::CrossThread, 250, 1000},
        {"soft joint", CurveFault::SoftJoint, 0, 700},
        {"early stop", CurveFault::EarlyStop, 0, 1000},
        {"burr", CurveFault::Burr, 300, 700},
    };
    for (const auto& [name, fault, from, to] : rows) {
        SCOPED_TRACE(name);
        Population population(11);
        population.add(17).add(1, fault).add(22);
        const Detection detection = detectAbnormal(population.curves, population.samples);
        for (std::size_t i = 0; i < 40; ++i)
            EXPECT_EQ(detection.curves[i].abnormal, i == 17) << i << " scored " << detection.curves[i].score.value_or(-1);
        EXPECT_GE(detection.curves[17].from, from);
        EXPECT_LE(detection.curves[17].to, to);
    }
}

TEST(CurveBand, SmallGroupsAndUnloadedCurvesAreNotJudged) {
    Population population(3);
    population.add(7, CurveFault::SoftJoint, 2).add(9);
    population.samples.back().loaded = false;
    const Detection detection = detectAbnormal(population.curves, population.samples);
    EXPECT_FALSE(detection.curves[0].score);
    EXPECT_FALSE(detection.curves.back().score);
    EXPECT_TRUE(detection.curves[7].score);
}
