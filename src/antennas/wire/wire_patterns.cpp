#include "antennas/wire/wire_patterns.h"

#include <cmath>

#include "core/bessel.h"
#include "core/checked_math.h"
#include "core/limits.h"
#include "core/number_text.h"
#include "core/real48.h"

namespace ondarel {

namespace {

constexpr long double kPi = xmath::kPi;
constexpr long double kOneOverSixPi = 0.0530516476972984452L;  // 1/(6π)
constexpr long double kFullPower = 100;                        // 10 squared: the omnidirectional plane

// Both conversions of k degrees appear in the patterns; they differ in the
// last bits, so each pattern keeps its own.
enum class AngleForm { PiOver180, TwoPiOver360 };

long double theta(int k, AngleForm form)
{
    return store48(form == AngleForm::PiOver180 ? k * kPi / 180 : k * 2 * kPi / 360);
}

long double squared(long double stored) { return store48(stored * stored); }

long double wavelength_m(long double frequency_mhz) { return store48(xmath::div(300, frequency_mhz)); }

// The inputs as they stand in the calculator's 6-byte fields.
WirePatternValues stored(const WirePatternValues& v)
{
    return {store48(v.frequency_mhz), store48(v.spacing_m), store48(v.turns), store48(v.loop_radius_norm),
            store48(v.normal_mode_nl)};
}

// Axial-mode helix: the array factor of N turns spaced S apart with the
// increased-directivity (Hansen-Woodyard) phasing, times the cos θ element
// pattern. The products
// stay in extended precision; only the result is stored.
struct AxialHelix {
    long double N;
    long double piS_over_lambda;
    long double halfPiOverN;

    explicit AxialHelix(const WirePatternValues& v)
        : N(v.turns),
          piS_over_lambda(xmath::div(kPi * v.spacing_m, wavelength_m(v.frequency_mhz))),
          halfPiOverN(xmath::div(kPi, 2 * v.turns))
    {
    }

    long double field(long double th) const
    {
        const long double oneMinusCos = 1 - std::cos(th);
        const long double numerator =
            std::sin(halfPiOverN) * std::cos(th) * std::sin(N * piS_over_lambda * oneMinusCos + kPi / 2);
        const long double denominator = piS_over_lambda * oneMinusCos + halfPiOverN;
        return store48(xmath::div(numerator, denominator));
    }
};

// Circular loop: sin θ while small; otherwise J1(2πa sin θ). The radius is
// already in wavelengths, so the frequency does not decide the case; it is
// still read, and a zero frequency still faults as the loop's wavelength
// does.
struct Loop {
    long double a;
    bool small;

    explicit Loop(const WirePatternValues& v) : a(v.loop_radius_norm), small(loopIsSmall(v.loop_radius_norm))
    {
        (void)wavelength_m(v.frequency_mhz);
    }

    long double field(long double th) const
    {
        if (small) return store48(std::sin(th));
        const long double x = store48(2 * kPi * a * std::sin(th));
        return store48(bessel::j1(x));
    }
};

// Normal-mode helix: the sum of the dipole and loop power terms; the
// common factor (1 + v²) cancels once normalised.
long double normalHelixField(long double v, long double th)
{
    const long double s = std::sin(th);
    return store48(s * s + (v * s) * (v * s));
}

}  // namespace

bool loopIsSmall(long double radius_norm) { return store48(radius_norm) < storedLimit(kOneOverSixPi); }

namespace {

template <class Field>
WirePolarTables planeAndFull(Field field)
{
    WirePolarTables t;
    for (int k = 1; k <= 360; ++k) {
        t.e[k] = squared(field(k));
        t.h[k] = kFullPower;
    }
    return t;
}

template <class Field>
PatternTable fieldTable(Field field)
{
    PatternTable a{};
    for (int k = 1; k <= 360; ++k) a[k] = field(theta(k, AngleForm::TwoPiOver360));
    return a;
}

}  // namespace

WirePolarTables infinitesimalDipolePolarTables(const WirePatternValues&)
{
    return planeAndFull([](int k) { return store48(std::sin(theta(k, AngleForm::PiOver180))); });
}

PatternTable infinitesimalDipoleFieldTable(const WirePatternValues&)
{
    return fieldTable([](long double th) { return store48(std::sin(th)); });
}

WirePolarTables axialHelixPolarTables(const WirePatternValues& raw)
{
    const AxialHelix helix(stored(raw));
    WirePolarTables t;
    for (int k = 1; k <= 360; ++k) {
        t.e[k] = squared(helix.field(theta(k, AngleForm::TwoPiOver360)));
        t.h[k] = t.e[k];
    }
    return t;
}

PatternTable axialHelixFieldTable(const WirePatternValues& raw)
{
    const AxialHelix helix(stored(raw));
    return fieldTable([&](long double th) { return helix.field(th); });
}

WirePolarTables smallLoopPolarTables(const WirePatternValues& raw)
{
    const Loop loop(stored(raw));
    return planeAndFull([&](int k) { return loop.field(theta(k, AngleForm::PiOver180)); });
}

PatternTable smallLoopFieldTable(const WirePatternValues& raw)
{
    const Loop loop(stored(raw));
    return fieldTable([&](long double th) { return loop.field(th); });
}

WirePolarTables normalHelixPolarTables(const WirePatternValues& raw)
{
    const long double v = stored(raw).normal_mode_nl;
    return planeAndFull([&](int k) { return normalHelixField(v, theta(k, AngleForm::TwoPiOver360)); });
}

PatternTable normalHelixFieldTable(const WirePatternValues& raw)
{
    const long double v = stored(raw).normal_mode_nl;
    return fieldTable([&](long double th) { return normalHelixField(v, th); });
}

PatternSource wirePatternSource(std::vector<WireFieldRead> reads, WirePolarTables (*polar)(const WirePatternValues&),
                                PatternTable (*field)(const WirePatternValues&), std::optional<std::string> printTitle,
                                float (*function)(const WirePatternValues&, float theta))
{
    auto read = [reads](const FieldTexts& texts) {
        WirePatternValues values;
        for (const WireFieldRead& r : reads) values.*r.member = fieldValue(texts(r.field));
        return values;
    };
    PatternSource source;
    for (const WireFieldRead& r : reads) source.fieldsRead.push_back(r.field);
    source.tableNames = {"E-plane", "H-plane"};
    source.polarTables = [read, polar](const FieldTexts& texts) {
        const WirePolarTables t = polar(read(texts));
        return PolarTables{t.e, t.h};
    };
    source.chartPoints = [read, field](const FieldTexts& texts) {
        const WirePatternValues values = read(texts);
        return rectangularPoints([&] { return field(values); });
    };
    source.printTitle = std::move(printTitle);
    source.function = [read, function](const FieldTexts& texts) -> PatternFunction {
        const WirePatternValues values = read(texts);
        return [values, function](long double th, long double) {
            return static_cast<long double>(function(values, static_cast<float>(th)));
        };
    };
    return source;
}

}  // namespace ondarel
