#pragma once
#include "core/descriptor.h"
#include "core/typed_computation.h"
#include "matching/rod_section.h"

namespace ondarel {

// T match: two equal rods beside the driven element, joined to a balanced
// line; they step the antenna impedance up, and one series capacitor in each
// leg tunes out the reactance they leave.
using TMatchInputs = RodMatchInputs;

struct TMatchResults {
    long double wavelength_m = 0;
    long double z0_ohm = 0;
    long double rod_reactance_ohm = 0;  // Zt: the rods' impedance is j·Zt
    long double zin_re = 0, zin_im = 0;
    long double yin_re = 0, yin_im = 0;
    long double series_capacitance_pf = 0;  // both legs' capacitors together
    long double leg_capacitance_pf = 0;     // each of the two
};

// Throws the floating-point fault for conductors that touch or overlap and for
// a purely resistive input impedance (no capacitance resonates it).
Checked<TMatchResults> computeTMatch(const TMatchInputs& in);

CalculatorDescriptor tMatchCalculator();

}  // namespace ondarel
