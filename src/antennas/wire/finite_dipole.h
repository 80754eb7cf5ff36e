#pragma once
// Thin centre-fed dipole of finite length with a sinusoidal current: input
// impedance, radiation and loss resistance, directivity, effective area and
// efficiency. Lengths from 0.1 wavelength are computed as a linear dipole
// with sine and cosine integrals, shorter ones (above 0.02) as a short
// dipole with closed formulas.
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

struct FiniteDipoleInputs {
    long double frequency_mhz = 0;
    long double length_norm = 0;  // L = l/λ
    long double radius_norm = 0;  // ρ/λ
    long double conductivity_s_per_m = 0;
};

struct FiniteDipoleResults {
    long double input_resistance_ohm = 0;  // Rin
    long double input_reactance_ohm = 0;   // Xin
    long double radiation_resistance_ohm = 0;
    long double loss_resistance_ohm = 0;
    long double directivity = 0;
    long double directivity_db = 0;
    long double effective_area_m2 = 0;
    long double efficiency_percent = 0;
    long double length_m = 0;
};

// Gives "linear" or "short" as a note before computing; a fault raised after
// it (an overflow of the 6-byte range) comes after the note.
Checked<FiniteDipoleResults> computeFiniteDipole(const FiniteDipoleInputs& in, Notes& notes);

// The sine and cosine integrals as the dipole computes them: a three-term
// power series below 1 and the rational approximation of their auxiliary
// functions from 1 on. Both results stored; x > 0.
struct SineCosineIntegrals {
    long double si = 0;
    long double ci = 0;
};
SineCosineIntegrals sineCosineIntegrals(long double x);

// The figures of merit of a linear dipole as functions of the normalised
// length x, used by the calculator and by its curves. Stored intermediates.
// Q: the radiated power factor (Rr = 60·Q).
long double dipoleRadiationFactor(long double x);
// Xm from Si and Ci of kl = 2πx, 2kl and w.
long double dipoleReactance(long double kl, long double w);
// The largest F² of [cos(u·cos θ) − cos u] / sin θ over θ = i·step, i = 1 … count,
// u = π·x stored; where sin θ = 0 the mean of the neighbouring steps.
long double dipolePatternMaximum(long double x, long double step, int count);

CalculatorDescriptor finiteDipoleCalculator();

}  // namespace ondarel
