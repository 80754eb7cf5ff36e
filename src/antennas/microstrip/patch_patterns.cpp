#include "antennas/microstrip/patch_patterns.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/decibel.h"
#include "core/number_text.h"
#include "core/real48.h"

namespace ondarel {

namespace {

using xmath::kPi;

constexpr int kChartFloorDb = -40;

long double squared(long double x) { return x * x; }

// sin(x)/x with its limit 1 at x = 0.
long double sinc(long double x) { return x == 0 ? 1 : std::sin(x) / x; }

// λ0 = 30/f and k0 = 2π/λ0, both stored.
long double waveNumber(long double freq_ghz)
{
    const long double lambda0 = store48(xmath::div(30, store48(freq_ghz)));
    return store48(2 * kPi / lambda0);
}

// Sample i (1 … 180) lies at i degrees, where it is drawn.
long double sampleAngle(int i) { return store48(i * kPi / 180); }

// The chart level at angle a from a field table symmetric about 90 degrees:
// 20·log10 of the ratio to the largest entry, −40 below a ratio of 0.01.
long double chartLevel(const PatternTable& table, int angle_deg)
{
    long double M = 0;
    for (int k = 1; k <= 360; ++k) M = std::max(M, std::fabs(table[k]));
    const long double r = store48(std::fabs(table[std::abs(angle_deg)]) / (M == 0 ? 1 : M));
    if (r < 0.01L) return kChartFloorDb;
    return 20 * log10Stored(r);
}

template <class Field>
PatternTable symmetricTable(Field v)
{
    PatternTable table{};
    for (int i = 1; i <= 180; ++i) table[i] = table[361 - i] = v(sampleAngle(i));
    return table;
}

// (a, E(a), H(a)) and (−a, E(−a), H(−a)) for a = 1 … 90.
std::vector<CurvePoint> twoPlaneChart(const PatternTable& e, const PatternTable& h)
{
    std::vector<CurvePoint> points;
    for (int a = 1; a <= 90; ++a) {
        points.push_back({static_cast<long double>(a), {chartLevel(e, a), chartLevel(h, a)}});
        points.push_back({static_cast<long double>(-a), {chartLevel(e, -a), chartLevel(h, -a)}});
    }
    return points;
}

// The four-term series of J1, stored.
long double besselJ1Four(long double t)
{
    const long double t2 = t * t;
    return store48(t / 2 - t * t2 / 16 + t * t2 * t2 / 384 - t * t2 * t2 * t2 / 18432);
}

RectangularPatchView rectangularView(const FieldTexts& texts)
{
    return {fieldValue(texts("Freq")), fieldValue(texts("constdiel")), fieldValue(texts("altura")),
            fieldValue(texts("Comp")), fieldValue(texts("Largura")),   fieldValue(texts("impedancia")),
            fieldValue(texts("Dista"))};
}

CircularPatchView circularView(const FieldTexts& texts)
{
    return {fieldValue(texts("freq")), fieldValue(texts("altura2")), fieldValue(texts("Raioatual"))};
}

}  // namespace

PolarTables rectangularPatchPolarTables(const RectangularPatchView& v)
{
    const long double k0 = waveNumber(v.freq_ghz);
    const long double X = k0 * store48(v.width_cm) / 2;
    const long double half_kL = k0 * store48(v.length_cm) / 2;
    // The E plane's slot factor takes the substrate height, as k0·h/2.
    const long double E = k0 * store48(v.height_cm) / 2;
    PolarTables t;
    for (int i = 1; i <= 180; ++i) {
        const long double theta = sampleAngle(i);
        const long double s = std::sin(theta);
        const long double c = std::cos(theta);
        t.right[i] = store48(squared(sinc(X * c) * s * std::cos(half_kL * s)));
        t.left[i] = store48(squared(sinc(E * s) * s * sinc(X * c)));
    }
    return t;
}

std::vector<CurvePoint> rectangularPatchChart(const RectangularPatchView& v)
{
    const long double k0 = waveNumber(v.freq_ghz);
    const long double X = store48(v.width_cm) * k0 / 2;
    const long double half_kL = store48(v.length_cm) * k0 / 2;
    const long double E = k0 * store48(v.height_cm) / 2;
    const PatternTable e = symmetricTable(
        [&](long double theta) { return sinc(E * std::sin(theta)) * std::cos(theta) * sinc(X * std::cos(theta)); });
    const PatternTable h = symmetricTable([&](long double theta) {
        return sinc(X * std::cos(theta)) * std::cos(theta) * std::cos(half_kL * std::sin(theta));
    });
    return twoPlaneChart(e, h);
}

std::vector<CurvePoint> rectangularPatchInputCurve(const RectangularPatchView& v)
{
    // Single precision, as the chart was drawn.
    const float f = static_cast<float>(v.freq_ghz);
    const float er = static_cast<float>(v.permittivity);
    const float h = static_cast<float>(v.height_cm);
    const float lambda0 = 30 / f;
    const float W = (lambda0 / 2) / std::sqrt((er + 1) / 2);
    const float slot = 377 * h / (std::sqrt(er) * W);
    std::vector<CurvePoint> points;
    for (int i = 1; i <= 180; ++i) {
        const float beta = static_cast<float>(i - 1) * 180 / 179;
        const float rad = beta * 3.14159265f / 180;
        const float t = std::sin(rad) / std::cos(rad);
        const float t2 = (t * t + t * t * t * t) / (t * t + 1);
        const float R =
            std::fabs((120 * lambda0 * 120 * lambda0 + t2 * slot * slot) / ((t * t + 1) * lambda0 * 240 * W));
        if (!std::isfinite(R)) raiseFloatingPointFault();
        points.push_back({beta, {R}});
    }
    return points;
}

std::optional<std::string> rectangularPatchResonanceRefusal(const RectangularPatchView& v)
{
    if (static_cast<float>(v.inset_cm) <= 0)
        return "Ponto de Alimentação para Ressonância com Alimentação de Microfita Inválida!!";
    if (static_cast<float>(v.input_ohm) <= 0) return "Impedância de Entrada Inválida!!";
    return std::nullopt;
}

std::vector<CurvePoint> rectangularPatchResonanceCurve(const RectangularPatchView& v)
{
    const float Rin = static_cast<float>(v.input_ohm);
    const float y0 = static_cast<float>(v.inset_cm);
    std::vector<CurvePoint> points;
    // P(x) = |Rin·cos²(π·y0/x)| has no value at x = 0: the curve starts at the
    // second length.
    for (int i = 2; i <= 100; ++i) {
        const float x = static_cast<float>(i - 1) * 100 / 99;
        const float c = std::cos(3.14159265f * y0 / x);
        points.push_back({x, {std::fabs(Rin * c * c)}});
    }
    return points;
}

PolarTables circularPatchPolarTables(const CircularPatchView& v)
{
    const long double k0 = waveNumber(v.freq_ghz);
    const long double a = store48(v.radius_cm);
    PolarTables t;
    for (int i = 1; i <= 180; ++i) {
        const long double theta = sampleAngle(i);
        const long double x = store48(k0 * a * std::sin(theta));
        const long double x2 = x * x;
        const long double S0 = store48(1 - x2 / 4 + x2 * x2 / 64 - x2 * x2 * x2 / 2304);
        const long double S2 = store48(x2 / 8 - x2 * x2 / 192 + x2 * x2 * x2 / 3072 - x2 * x2 * x2 * x2 / 4423680);
        t.left[i] = store48(squared((S0 - S2) * std::sin(theta)));
        t.right[i] = store48(squared((S0 + S2) * std::sin(theta)));
    }
    return t;
}

std::vector<CurvePoint> circularPatchChart(const CircularPatchView& v)
{
    const long double k0 = waveNumber(v.freq_ghz);
    const long double a = store48(v.radius_cm);
    const long double kh = k0 * store48(v.height_cm);
    auto thickness = [&](long double theta) { return store48(sinc(kh * std::cos(theta))); };
    const PatternTable e = symmetricTable([&](long double theta) {
        const long double u = store48(k0 * a * std::sin(theta));
        // J1(u)/u tends to 1/2 along the axis.
        const long double ratio = u == 0 ? 0.5L : besselJ1Four(u) / u;
        return ratio * thickness(theta) * squared(std::cos(theta));
    });
    const PatternTable h = symmetricTable([&](long double theta) {
        const long double t = store48(k0 * a * std::cos(theta));
        return besselJ1Four(t) * thickness(theta) * std::cos(theta);
    });
    return twoPlaneChart(e, h);
}

PatternSource rectangularPatchPatternSource()
{
    PatternSource source;
    source.fieldsRead = {"Freq", "constdiel", "altura", "Comp", "Largura", "impedancia", "Dista"};
    source.tableNames = {"E-plane", "H-plane"};
    source.polarTables = [](const FieldTexts& texts) { return rectangularPatchPolarTables(rectangularView(texts)); };
    source.titles = {{{"Plano E (Plano Horizontal)", 100}, {"Plano H (Plano Vertical)", 420}}};
    source.printTitle = "Diagrama de Irradiação para Antenas de Microfita Retangular";
    source.curveCharts = {
        {"planes",
         {"Plano E", "Plano H"},
         [](const FieldTexts& texts) { return rectangularPatchChart(rectangularView(texts)); }},
        {"resonance-resistance",
         {"Rr"},
         [](const FieldTexts& texts) { return rectangularPatchResonanceCurve(rectangularView(texts)); },
         [](const FieldTexts& texts) { return rectangularPatchResonanceRefusal(rectangularView(texts)); }},
        {"input-resistance",
         {"Rin"},
         [](const FieldTexts& texts) { return rectangularPatchInputCurve(rectangularView(texts)); }},
    };
    return source;
}

PatternSource circularPatchPatternSource()
{
    PatternSource source;
    source.fieldsRead = {"freq", "altura2", "Raioatual"};
    source.tableNames = {"E-plane", "H-plane"};
    source.polarTables = [](const FieldTexts& texts) { return circularPatchPolarTables(circularView(texts)); };
    source.titles = {{{"Plano E (Plano Horizontal)", 90}, {"Plano H (Plano Vertical)", 420}}};
    source.printTitle = "Diagrama de Irradiação para Antenas de Microfita Circular";
    source.curveCharts = {
        {"planes",
         {"Plano E", "Plano H"},
         [](const FieldTexts& texts) { return circularPatchChart(circularView(texts)); }},
    };
    return source;
}

}  // namespace ondarel
