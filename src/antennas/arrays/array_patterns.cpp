#include "antennas/arrays/array_patterns.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/number_text.h"
#include "core/real48.h"

namespace ondarel {

namespace {

using xmath::div;
using xmath::kPi;

// The uniform linear arrays build kd on 2π as a 6-byte real
// (6.283185307176609); the planar array keeps 2π extended.
const long double kTwoPiStored = store48(2 * kPi);

long double radians(long double degrees) { return degrees * kPi / 180; }

// A value as it is stored in a table, squared into a power entry.
long double powerEntry(long double field)
{
    const long double stored = store48(field);
    return store48(stored * stored);
}

// sin(count·ψ/2) / (count·sin(ψ/2)), the normalised factor of `count` equal
// elements.
long double arrayFactor(long double count, long double psi)
{
    return div(std::sin(count * psi / 2), count * std::sin(psi / 2));
}

// Element pattern of the "total field" diagrams of the broadside and phased
// arrays; zero where sin θ is exactly zero.
long double totalFieldFactor(long double d, long double theta)
{
    const long double s = std::sin(theta);
    if (s == 0) return 0;
    return div(std::cos(kPi * d * std::cos(theta)) - std::cos(kPi * d), s);
}

// ---- field patterns, one per code ----------------------------------------

long double broadsideField(const ArrayPatternValues& v, long double theta)
{
    const long double kd = kTwoPiStored * v.spacing_norm;
    return arrayFactor(v.elements, kd * std::cos(theta));
}

// Small-angle factor of the phased array; full level where u is exactly 0.
long double phasedField(const ArrayPatternValues& v, long double scan_deg, long double theta)
{
    const long double kd = kTwoPiStored * v.spacing_norm;
    const long double u = std::cos(radians(scan_deg)) - std::cos(theta);
    if (u == 0) return 1;
    const long double x = v.elements * kd * u / 2;
    return div(std::sin(x), x);
}

// The end-fire diagrams: ψ·cos(N·ψ/2)/(N/2) with ψ = kd·(cos θ ± 1), "+1"
// for the beam towards θ = 0°, "−1" for the beam towards θ = 180°.
long double endFireField(const ArrayPatternValues& v, long double theta, int towards)
{
    const long double kd = kTwoPiStored * v.spacing_norm;
    const long double psi = kd * (std::cos(theta) + towards);
    return div(psi * std::cos(v.elements * psi / 2), v.elements / 2);
}

// Hansen-Woodyard: β = ∓(2.94/N + kd), "−" for the beam towards θ = 0°
// (towards = +1); the same 2.94 as the calculator.
long double hansenWoodyardField(const ArrayPatternValues& v, long double theta, int towards)
{
    const long double N = v.elements;
    const long double kd = kTwoPiStored * v.spacing_norm;
    const long double beta = -towards * (div(2.94L, N) + kd);
    const long double psi = beta + kd * std::cos(theta);
    return div(1, N) * div(std::sin(N * psi / 2), std::sin(psi / 2));
}

struct PlanarPhases {
    long double psi_x = 0;
    long double psi_y = 0;
};

// ψx and ψy of the planar array in the plane of azimuth `phi`; without one,
// sin θ stands alone in both (the "φ = 0° ou 90°" diagram).
PlanarPhases planarPhases(const ArrayPatternValues& v, long double theta, std::optional<long double> phi)
{
    const long double kdx = 2 * kPi * v.dx_norm;
    const long double kdy = 2 * kPi * v.dy_norm;
    const long double theta0 = radians(v.theta0_deg);
    const long double phi0 = radians(v.phi0_deg);
    const long double s = std::sin(theta);
    const long double along_x = phi ? s * std::cos(*phi) : s;
    const long double along_y = phi ? s * std::sin(*phi) : s;
    return {kdx * (along_x - std::sin(theta0) * std::cos(phi0)), kdy * (along_y - std::sin(theta0) * std::sin(phi0))};
}

// The factor of one axis of the planar grid. Where ψ is exactly 0 (the beam
// direction itself, e.g. φ0 = 0 with a whole-degree θ0) the quotient would be
// 0/0; its limit, 1, is the sound value there.
long double planarAxisFactor(long double count, long double psi)
{
    if (psi == 0) return 1;
    return arrayFactor(count, psi);
}

long double planarPolarField(const ArrayPatternValues& v, long double theta, std::optional<long double> phi)
{
    const PlanarPhases p = planarPhases(v, theta, phi);
    return planarAxisFactor(v.elements_x, p.psi_x) * planarAxisFactor(v.elements, p.psi_y);
}

// The chart's planar field uses the small-angle form sin(x)/x per axis.
long double planarChartField(const ArrayPatternValues& v, long double theta)
{
    const PlanarPhases p = planarPhases(v, theta, std::nullopt);
    if (p.psi_x == 0 || p.psi_y == 0) return 1;
    const long double y = v.elements * p.psi_y / 2;
    const long double x = v.elements_x * p.psi_x / 2;
    return div(std::sin(y), y) * div(std::sin(x), x);
}

// ---- polar tables ---------------------------------------------------------

// Broadside and phased arrays: the array factor on the left, and on the
// right the left (already squared) entry times the element pattern, squared.
template <class Field>
ArrayPolarTables factorAndTotalField(const ArrayPatternValues& v, Field field, bool zeroWhereSinIsZero)
{
    ArrayPolarTables t;
    for (int i = 1; i <= 360; ++i) {
        const long double theta = radians(i);
        if (zeroWhereSinIsZero && std::sin(theta) == 0)
            t.left[i] = 0;
        else
            t.left[i] = powerEntry(field(theta));
        t.right[i] = powerEntry(t.left[i] * store48(totalFieldFactor(v.spacing_norm, theta)));
    }
    return t;
}

template <class Left, class Right>
ArrayPolarTables twoPatterns(Left left, Right right)
{
    ArrayPolarTables t;
    for (int i = 1; i <= 360; ++i) {
        const long double theta = radians(i);
        t.left[i] = powerEntry(left(theta));
        t.right[i] = powerEntry(right(theta));
    }
    return t;
}

// ---- chart ----------------------------------------------------------------

template <class Field>
ArrayChartLevels chartLevels(int sampleCount, Field field)
{
    PatternTable samples{};
    long double largest = 0;
    for (int k = 1; k <= sampleCount; ++k) {
        samples[k] = std::fabs(store48(field(radians(k))));
        if (samples[k] > largest) largest = samples[k];
    }
    ArrayChartLevels levels{};
    for (int k = 1; k <= 180; ++k) {
        const long double ratio = div(samples[k], largest);
        levels[k] = ratio < 0.01L ? kArrayChartFloorDb : store48(20 * (xmath::ln(ratio) / xmath::ln(10)));
    }
    return levels;
}

}  // namespace

ArrayPolarTables broadsidePolarTables(const ArrayPatternValues& v)
{
    return factorAndTotalField(
        v, [&](long double th) { return broadsideField(v, th); }, true);
}

ArrayPolarTables phasedPolarTables(const ArrayPatternValues& v)
{
    return factorAndTotalField(
        v, [&](long double th) { return phasedField(v, v.scan_polar_deg, th); }, false);
}

ArrayPolarTables endFirePolarTables(const ArrayPatternValues& v)
{
    return twoPatterns([&](long double th) { return endFireField(v, th, +1); },
                       [&](long double th) { return endFireField(v, th, -1); });
}

ArrayPolarTables hansenWoodyardPolarTables(const ArrayPatternValues& v)
{
    return twoPatterns([&](long double th) { return hansenWoodyardField(v, th, +1); },
                       [&](long double th) { return hansenWoodyardField(v, th, -1); });
}

ArrayPolarTables planarPolarTables(const ArrayPatternValues& v)
{
    const long double phi45 = radians(45);
    return twoPatterns([&](long double th) { return planarPolarField(v, th, std::nullopt); },
                       [&](long double th) { return planarPolarField(v, th, phi45); });
}

ArrayChartLevels broadsideChartLevels(const ArrayPatternValues& v)
{
    return chartLevels(360, [&](long double th) { return broadsideField(v, th); });
}

ArrayChartLevels phasedChartLevels(const ArrayPatternValues& v)
{
    return chartLevels(360, [&](long double th) { return phasedField(v, v.scan_chart_deg, th); });
}

ArrayChartLevels hansenWoodyardChartLevels(const ArrayPatternValues& v)
{
    return chartLevels(360, [&](long double th) { return hansenWoodyardField(v, th, +1); });
}

ArrayChartLevels endFireChartLevels(const ArrayPatternValues& v)
{
    return chartLevels(180, [&](long double th) { return endFireField(v, th, +1); });
}

ArrayChartLevels planarChartLevels(const ArrayPatternValues& v)
{
    return chartLevels(180, [&](long double th) { return planarChartField(v, th); });
}

float arrayFactor3d(float count, float psi)
{
    const float denominator = count * std::sin(psi / 2);
    return denominator == 0 ? 1.0f : std::sin(count * psi / 2) / denominator;
}

float sinc3d(float count, float x)
{
    const float denominator = count * x;
    return denominator == 0 ? 1.0f : std::sin(count * x) / denominator;
}

PatternSource arrayPatternSource(const ArrayPattern& pattern)
{
    auto read = [reads = pattern.reads](const FieldTexts& texts) {
        ArrayPatternValues values;
        for (const ArrayFieldRead& r : reads) values.*r.member = fieldValue(texts(r.field));
        return values;
    };
    PatternSource source;
    for (const ArrayFieldRead& r : pattern.reads) source.fieldsRead.push_back(r.field);
    source.polarTables = [read, polar = pattern.polar](const FieldTexts& texts) {
        const ArrayPolarTables t = polar(read(texts));
        return PolarTables{t.left, t.right};
    };
    // The chart adds (k, L(k)) then (−k, L(k)).
    source.chartPoints = [read, chart = pattern.chart](const FieldTexts& texts) {
        const ArrayChartLevels levels = chart(read(texts));
        std::vector<ChartPoint> points;
        for (int k = 1; k <= 180; ++k) {
            points.push_back({k, levels[static_cast<std::size_t>(k)]});
            points.push_back({-k, levels[static_cast<std::size_t>(k)]});
        }
        return points;
    };
    source.titles = pattern.titles;
    source.printTitle = pattern.printTitle;
    source.function = [read, function = pattern.function](const FieldTexts& texts) -> PatternFunction {
        const ArrayPatternValues values = read(texts);
        return [values, function](long double th, long double) {
            return static_cast<long double>(function(values, static_cast<float>(th)));
        };
    };
    return source;
}

}  // namespace ondarel
