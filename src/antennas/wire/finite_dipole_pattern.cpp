#include "antennas/wire/finite_dipole_pattern.h"

#include <cmath>

#include "antennas/wire/finite_dipole.h"
#include "core/checked_math.h"
#include "core/number_text.h"
#include "core/real48.h"
#include "core/rectangular_levels.h"

namespace ondarel {

namespace {

using xmath::kPi;

constexpr long double kFullPower = 100;  // 10 squared: the omnidirectional plane

long double squared(long double x) { return x * x; }

// The curves' x values are single-precision numbers.
long double resistanceX(int i) { return static_cast<float>((i - 0.9) * 3 / 179); }
long double directivityX(int i) { return static_cast<float>((3 * i - 3) * 0.0025); }

// Rin and Xin divide by sin²(π·x): no 1.01 shift on the curves.
long double resonance(long double x) { return squared(std::sin(kPi * x)); }

}  // namespace

PolarTables finiteDipolePolarTables(long double length_norm)
{
    const long double u = store48(2 * kPi * store48(length_norm) * 0.5L);
    const long double cosU = store48(std::cos(u));
    PolarTables t;
    for (int k = 1; k <= 360; ++k) {
        const long double theta = store48(k * kPi / 180);
        const long double s = store48(std::sin(theta));
        t.right[k] = kFullPower;
        if (s == 0) continue;
        const long double numerator = store48(store48(std::cos(u * std::cos(theta))) - cosU);
        const long double F = store48(numerator / s);
        t.left[k] = store48(F * F);
    }
    return t;
}

PatternTable finiteDipoleChartTable(long double length_norm)
{
    const double u = static_cast<double>(2 * kPi * store48(length_norm) * 0.5L);
    const double cosU = std::cos(u);
    PatternTable table{};
    for (int k = 1; k <= 360; ++k) {
        const double theta = k * 2 * 3.14159265358979323846 / 360;
        const double s = std::sin(theta);
        const double F = s != 0 ? (std::cos(u * std::cos(theta)) - cosU) / s : 0;
        table[k] = F * F;
    }
    return table;
}

std::vector<CurvePoint> dipoleResistanceCurve()
{
    std::vector<CurvePoint> points;
    for (int i = 1; i <= 180; ++i) {
        const long double x = resistanceX(i);
        if (x < 0.01L) continue;
        const long double Rr = store48(60 * dipoleRadiationFactor(x));
        points.push_back({x, {Rr, store48(xmath::div(Rr, resonance(x)))}});
    }
    return points;
}

std::vector<CurvePoint> dipoleReactanceCurve(long double radius_norm)
{
    const long double rho = store48(radius_norm);
    std::vector<CurvePoint> points;
    for (int i = 1; i <= 180; ++i) {
        const long double x = resistanceX(i);
        if (x < 0.01L) continue;
        const long double kl = store48(2 * kPi * x);
        const long double w = store48(xmath::div(4 * kPi * rho * rho, x));
        const long double Xm = dipoleReactance(kl, w);
        points.push_back({x, {Xm, store48(xmath::div(Xm, resonance(x)))}});
    }
    return points;
}

std::vector<CurvePoint> dipoleDirectivityCurve()
{
    std::vector<CurvePoint> points;
    for (int i = 1; i <= 400; ++i) {
        const long double x = directivityX(i);
        if (x < 0.001L) continue;
        const long double M = store48(dipolePatternMaximum(x, kPi * 0.0025L, 400));
        points.push_back({x, {store48(xmath::div(2 * M, dipoleRadiationFactor(x)))}});
    }
    return points;
}

PatternSource finiteDipolePatternSource()
{
    auto length = [](const FieldTexts& texts) { return fieldValue(texts("input2")); };
    PatternSource source;
    source.fieldsRead = {"input2", "input3"};
    source.tableNames = {"E-plane", "H-plane"};
    source.polarTables = [length](const FieldTexts& texts) { return finiteDipolePolarTables(length(texts)); };
    source.chartPoints = [length](const FieldTexts& texts) {
        const long double L = length(texts);
        return rectangularPoints([L] { return finiteDipoleChartTable(L); });
    };
    source.function = [length](const FieldTexts& texts) -> PatternFunction {
        const long double L = length(texts);
        return [L](long double theta, long double) -> long double {
            const long double s = std::sin(theta);
            if (std::fabs(s) < 1e-12L) return 0;  // the limit along the axis
            return (std::cos(kPi * L * std::cos(theta)) - std::cos(kPi * L)) / s;
        };
    };
    source.curveCharts = {
        {"resistance",
         {"Rr - Resist. Irrad.", "Rent - Resist. Ent."},
         [](const FieldTexts&) { return dipoleResistanceCurve(); }},
        {"reactance",
         {"Xm - Reatância Irrad.", "Xent - Reatância Entrada"},
         [](const FieldTexts& texts) { return dipoleReactanceCurve(fieldValue(texts("input3"))); }},
        {"directivity", {"D0 - Diretividade"}, [](const FieldTexts&) { return dipoleDirectivityCurve(); }},
    };
    return source;
}

}  // namespace ondarel
