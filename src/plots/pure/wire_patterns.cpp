#include "plots/pure/wire_patterns.h"

#include <cmath>

#include "core/checked_math.h"
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

// Circular loop: sin θ while small; otherwise J1(2πa sin θ) by the first
// four terms of its series. The radius in wavelengths is compared with λ in
// metres, as the loop calculator's window does.
struct Loop {
    long double a;
    bool small;

    explicit Loop(const WirePatternValues& v)
        : a(v.loop_radius_norm), small(v.loop_radius_norm < wavelength_m(v.frequency_mhz) * kOneOverSixPi)
    {
    }

    long double field(long double th) const
    {
        if (small) return store48(std::sin(th));
        const long double x = store48(2 * kPi * a * std::sin(th));
        const long double x3 = x * x * x;
        const long double x5 = x3 * x * x;
        const long double x7 = x5 * x * x;
        return store48(x / 2 - x3 / 16 + x5 / 384 - x7 / 18432);
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

bool isWirePatternCode(int code) { return code == 2 || code == 8 || code == 10 || code == 12; }

std::optional<WirePolarTables> wirePolarTables(int code, const WirePatternValues& raw)
{
    if (!isWirePatternCode(code)) return std::nullopt;
    const WirePatternValues v = stored(raw);
    WirePolarTables t;
    switch (code) {
        case 2:
            for (int k = 1; k <= 360; ++k) {
                t.e[k] = squared(store48(std::sin(theta(k, AngleForm::PiOver180))));
                t.h[k] = kFullPower;
            }
            break;
        case 8: {
            const AxialHelix helix(v);
            for (int k = 1; k <= 360; ++k) {
                t.e[k] = squared(helix.field(theta(k, AngleForm::TwoPiOver360)));
                t.h[k] = t.e[k];
            }
            break;
        }
        case 10: {
            const Loop loop(v);
            for (int k = 1; k <= 360; ++k) {
                t.e[k] = squared(loop.field(theta(k, AngleForm::PiOver180)));
                t.h[k] = kFullPower;
            }
            break;
        }
        case 12:
            for (int k = 1; k <= 360; ++k) {
                t.e[k] = squared(normalHelixField(v.normal_mode_nl, theta(k, AngleForm::TwoPiOver360)));
                t.h[k] = kFullPower;
            }
            break;
    }
    return t;
}

std::optional<PatternTable> wireFieldTable(int code, const WirePatternValues& raw)
{
    if (!isWirePatternCode(code)) return std::nullopt;
    const WirePatternValues v = stored(raw);
    PatternTable a{};
    switch (code) {
        case 2:
            for (int k = 1; k <= 360; ++k) a[k] = store48(std::sin(theta(k, AngleForm::TwoPiOver360)));
            break;
        case 8: {
            const AxialHelix helix(v);
            for (int k = 1; k <= 360; ++k) a[k] = helix.field(theta(k, AngleForm::TwoPiOver360));
            break;
        }
        case 10: {
            const Loop loop(v);
            for (int k = 1; k <= 360; ++k) a[k] = loop.field(theta(k, AngleForm::TwoPiOver360));
            break;
        }
        case 12:
            for (int k = 1; k <= 360; ++k) a[k] = normalHelixField(v.normal_mode_nl, theta(k, AngleForm::TwoPiOver360));
            break;
    }
    return a;
}

}  // namespace ondarel
