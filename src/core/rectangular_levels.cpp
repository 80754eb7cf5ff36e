#include "core/rectangular_levels.h"

#include <cmath>
#include <cstdlib>

#include "core/checked_math.h"
#include "core/real48.h"

namespace ondarel {

namespace {

long double largestMagnitude(const PatternTable& a)
{
    long double m = std::fabs(a[1]);
    for (int k = 2; k <= 360; ++k) m = std::fmax(m, std::fabs(a[k]));
    return m;
}

}  // namespace

long double rectangularLevel(const PatternTable& amplitudes, int angle_deg)
{
    const long double M = largestMagnitude(amplitudes);
    const int j = std::abs(angle_deg);
    const long double ratio = std::fabs(xmath::div(amplitudes[j], M));
    if (ratio < 0.01L) return kRectangularFloorDb;
    // The level is the field function's result, a 6-byte real like every
    // other value it hands on; the logarithm itself stays extended.
    return store48(20 * (xmath::ln(ratio) / xmath::ln(10)));
}

std::vector<ChartPoint> rectangularPoints(const std::function<PatternTable()>& fieldTable)
{
    // The field function is pure and fills the same 360 amplitudes on every
    // call, so one table serves all 360 points: the levels are exactly those
    // of a fresh table per point.
    const PatternTable amplitudes = fieldTable();
    std::vector<ChartPoint> points;
    points.reserve(360);
    for (int i = 1; i <= 180; ++i) {
        points.push_back({i, rectangularLevel(amplitudes, i)});
        points.push_back({-i, rectangularLevel(amplitudes, -i)});
    }
    return points;
}

}  // namespace ondarel
