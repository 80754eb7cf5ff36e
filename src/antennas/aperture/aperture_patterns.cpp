#include "antennas/aperture/aperture_patterns.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/decibel.h"
#include "core/number_text.h"
#include "core/real48.h"
#include "core/rectangular_levels.h"

namespace ondarel {

namespace {

// θ = d × π × (1/180), the reciprocal a stored extended constant, and θ
// itself stored before use.
const long double kOneOver180 = 1.0L / 180;

long double storedTheta(int degrees) { return store48(degrees * xmath::kPi * kOneOver180); }

long double powerEntry(long double storedField) { return store48(storedField * storedField); }

// The directions a sweep fills, in ascending order.
std::vector<int> sweptDegrees(ApertureSweep sweep)
{
    std::vector<int> degrees;
    for (int d = 1; d <= 360; ++d) {
        const bool front = d <= 90 || d >= 270;
        if (sweep == ApertureSweep::FirstHalfTurn ? d <= 180 : front) degrees.push_back(d);
    }
    return degrees;
}

}  // namespace

long double decibels20(long double stored) { return store48(20 * log10Stored(stored)); }

PolarTables aperturePolarTables(const AperturePattern& pattern, const AperturePatternValues& values)
{
    PolarTables t;
    const std::vector<int> degrees = sweptDegrees(pattern.sweep);
    for (int d : degrees) t.left[static_cast<std::size_t>(d)] = powerEntry(pattern.eField(values, storedTheta(d)));
    for (int d : degrees) t.right[static_cast<std::size_t>(d)] = powerEntry(pattern.hField(values, storedTheta(d)));
    return t;
}

std::vector<ChartPoint> apertureChartPoints(const AperturePattern& pattern, const AperturePatternValues& values)
{
    // The E-plane field over 1° … 180°, mirrored into 181° … 360° so that
    // the largest magnitude is taken over the half turn alone.
    PatternTable field{};
    for (int k = 1; k <= 180; ++k) {
        field[static_cast<std::size_t>(k)] = pattern.eField(values, storedTheta(k));
        field[static_cast<std::size_t>(361 - k)] = field[static_cast<std::size_t>(k)];
    }
    std::vector<ChartPoint> points;
    if (pattern.sweep == ApertureSweep::FrontHalfPlane) {
        for (int i = 1; i <= 90; ++i) {
            points.push_back({i, rectangularLevel(field, i)});
            points.push_back({-i, rectangularLevel(field, -i)});
        }
    } else {
        for (int i = 1; i <= 180; ++i) points.push_back({i, rectangularLevel(field, i)});
    }
    return points;
}

PatternSource aperturePatternSource(const AperturePattern& pattern)
{
    auto read = [reads = pattern.reads](const FieldTexts& texts) {
        AperturePatternValues values;
        for (const ApertureFieldRead& r : reads) values.*r.member = store48(fieldValue(texts(r.field)));
        return values;
    };
    PatternSource source;
    for (const ApertureFieldRead& r : pattern.reads) source.fieldsRead.push_back(r.field);
    source.tableNames = {"E-plane", "H-plane"};
    source.polarTables = [read, pattern](const FieldTexts& texts) { return aperturePolarTables(pattern, read(texts)); };
    source.chartPoints = [read, pattern](const FieldTexts& texts) { return apertureChartPoints(pattern, read(texts)); };
    source.printTitle = pattern.printTitle;
    source.function = [read, function = pattern.function](const FieldTexts& texts) -> PatternFunction {
        const AperturePatternValues values = read(texts);
        return [values, function](long double th, long double) {
            return static_cast<long double>(function(values, static_cast<float>(th)));
        };
    };
    return source;
}

}  // namespace ondarel
