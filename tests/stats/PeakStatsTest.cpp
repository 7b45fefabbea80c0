#include "curvelist/CurveListBuilder.h"
#include "stats/StatsReport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

using namespace plotwise;
using namespace plotwise::stats;

namespace {

constexpr double kNone = NAN; // expected: no value

// Values as text to nine significant digits, "-" for no value.
std::string text(std::initializer_list<std::optional<double>> values) {
    std::string out;
    char number[32];
    for (const auto& value : values) {
        std::snprintf(number, sizeof number, "%.9g ", value.value_or(0));
        out += value && !std::isnan(*value) ? number : "- ";
    }
    return out;
}

} // namespace

// Values worked out by hand; sigma within = mean moving range / 1.128.
TEST(PeakStats, SummariesMatchHandWorkedValues) {
    struct Row {
        const char* name;
        std::vector<double> values;
        Limits limits;
        double mean, sd, median, cp, cpk, pp, ppk;
    };
    const double sw = 2 / 1.128; // {1, 3}: moving range 2
    const Row rows[] = {
        {"one value", {5}, {0.0, 10.0}, 5, kNone, 5, kNone, kNone, kNone, kNone},
        {"two values", {1, 3}, {0.0, 6.0}, 2, std::sqrt(2.0), 2, 6 / (6 * sw), 2 / (3 * sw),
         6 / (6 * std::sqrt(2.0)), 2 / (3 * std::sqrt(2.0))},
        {"upper limit only", {1, 3}, {std::nullopt, 6.0}, 2, std::sqrt(2.0), 2, kNone,
         4 / (3 * sw), kNone, 4 / (3 * std::sqrt(2.0))},
        {"equal values", {0.1, 0.1, 0.1}, {0.0, 1.0}, 0.1, 0, 0.1, kNone, kNone, kNone, kNone},
        {"no limits", {1, 4, 2}, {}, 7.0 / 3, std::sqrt(21.0 / 9), 2, kNone, kNone, kNone, kNone},
        {"even count median", {4, 1, 3, 2}, {}, 2.5, std::sqrt(5.0 / 3), 2.5, kNone, kNone, kNone,
         kNone},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Summary s = summarize(row.values, row.limits);
        EXPECT_EQ(s.n, static_cast<int>(row.values.size()));
        // mean, median, sd, cp, cpk, pp, ppk
        EXPECT_EQ(text({s.mean, s.median, s.sd, s.cp, s.cpk, s.pp, s.ppk}),
                  text({row.mean, row.median, row.sd, row.cp, row.cpk, row.pp, row.ppk}));
    }
}

TEST(PeakStats, LimitsParseForAllOrOneSpindle) {
    LimitSet limits;
    EXPECT_FALSE(addLimits("10:20", limits) || addLimits("2=:30.5", limits));
    EXPECT_EQ(limits.forSpindle(1).lower, 10.0);
    EXPECT_FALSE(limits.forSpindle(2).lower);
    EXPECT_EQ(limits.forSpindle(2).upper, 30.5);
    for (const char* bad : {"", "10", ":", "20:10", "x:1", "1:2x", "0=1:2", "33=1:2", "a=1:2", "1:inf"})
        EXPECT_TRUE(addLimits(bad, limits)) << bad;
}

// Ticked curves grouped by spindle: a single file by its own SPNO, spindle
// entries by their number. Their text and JSON are in the CLI golden files
// (stats-samples.*).
TEST(PeakStats, GroupsFollowSpindles) {
    CurveList list;
    LoadState state;
    const SpindleColors colors = defaultSpindleColors();
    CurveListBuilder builder(list, state, colors);
    builder.fileSpindle(2);
    builder.TreeAdd("t\tA.NRCUR\t 10.00\t 100.0\tN/R", "");
    builder.TreeAdd("t\tB.CUR\t 12.00\t 90.0\tN/R", "");
    builder.TreeAddMulti("t\tC.NRACD\tSPNO\t1\t2\tYPeak\t14.00\t16.00\tXPeak\t80.0\t70.0", "");
    for (int i = 0; i < list.count(); ++i) list.entry(i).checked = true;
    const auto groups = computeStats(groupBySpindle(tickedPeaks(list)), {}, {});
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].y, (std::vector<double>{12, 14}));
    EXPECT_EQ(groups[1].y, (std::vector<double>{10, 16}));
    EXPECT_EQ(groups[1].x, (std::vector<double>{100, 70}));
    EXPECT_EQ(groups[1].xName, "Angle");
}
