#include "core/rectangular_levels.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "antennas/wire/wire_patterns.h"
#include "core/fault.h"

namespace ondarel {
namespace {

PatternTable filled(long double value)
{
    PatternTable t{};
    for (int k = 1; k <= 360; ++k) t[k] = value;
    return t;
}

TEST(RectangularLevels, PointsComeInPairsFromOneTo180)
{
    PatternTable ramp{};
    for (int k = 1; k <= 360; ++k) ramp[k] = k;
    const auto points = rectangularPoints([&] { return ramp; });
    ASSERT_EQ(points.size(), 360u);
    for (int i = 1; i <= 180; ++i) {
        const ChartPoint& plus = points[2 * (i - 1)];
        const ChartPoint& minus = points[2 * (i - 1) + 1];
        EXPECT_EQ(plus.angle_deg, i);
        EXPECT_EQ(minus.angle_deg, -i);
        // Negative angles read the same entry: the table holds 1 … 360 only.
        EXPECT_EQ(minus.level_db, plus.level_db);
    }
    // Entry 180 of a ramp up to 360 is half the maximum.
    EXPECT_NEAR(static_cast<double>(points[358].level_db), -6.0205999133, 1e-9);
}

TEST(RectangularLevels, LevelIsTwentyLogOfTheNormalisedMagnitude)
{
    struct Case {
        const char* why;
        long double amplitude;  // at 45 degrees, against a maximum of 2
        double level;
    };
    const Case cases[] = {
        {"at the maximum", 2, 0},
        {"half the field", 1, -6.0205999133},
        {"negative amplitude counts by magnitude", -1, -6.0205999133},
        {"a tenth", 0.2L, -20},
        {"ratio 0.01 is kept, below the −35 axis", 0.02L, -40},
        {"ratio just below 0.01 is floored", 0.01998L, -35},
        {"zero field is floored", 0, -35},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        PatternTable t = filled(1);
        t[300] = 2;
        t[45] = c.amplitude;
        EXPECT_NEAR(static_cast<double>(rectangularLevel(t, 45)), c.level, 1e-9);
        EXPECT_NEAR(static_cast<double>(rectangularLevel(t, -45)), c.level, 1e-9);
    }
}

TEST(RectangularLevels, MaximumIsTheLargestMagnitudeOfTheWholeTable)
{
    PatternTable t = filled(1);
    t[350] = -4;  // beyond the chart's ±180 but part of the table
    EXPECT_NEAR(static_cast<double>(rectangularLevel(t, 10)), -12.0411998266, 1e-9);
}

TEST(RectangularLevels, AllZeroFieldIsAFloatingPointFault)
{
    try {
        rectangularPoints([] { return filled(0); });
        FAIL() << "no fault";
    } catch (const Fault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::FloatingPoint);
    }
}

TEST(RectangularLevels, InfinitesimalDipoleIsZeroAtBroadsideAndFlooredOnTheAxis)
{
    const auto points = rectangularPoints([] { return infinitesimalDipoleFieldTable(); });
    struct Case {
        int angle;
        double level;
    };
    for (const Case& c : {Case{90, 0}, Case{-90, 0}, Case{180, -35}, Case{-180, -35}, Case{30, -6.0205999133},
                          Case{-150, -6.0205999133}}) {
        SCOPED_TRACE(c.angle);
        const auto it =
            std::find_if(points.begin(), points.end(), [&](const ChartPoint& p) { return p.angle_deg == c.angle; });
        ASSERT_NE(it, points.end());
        EXPECT_NEAR(static_cast<double>(it->level_db), c.level, 1e-9);
    }
}

}  // namespace
}  // namespace ondarel
