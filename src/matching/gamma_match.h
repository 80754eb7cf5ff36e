#pragma once
#include "core/descriptor.h"
#include "core/typed_computation.h"
#include "matching/rod_section.h"

namespace ondarel {

// Gamma match: one rod beside the driven element, joined to the inner
// conductor of an unbalanced line, its reactance tuned out by one series
// capacitor.
using GammaMatchInputs = RodMatchInputs;

struct GammaMatchResults {
    long double wavelength_m = 0;
    long double z0_ohm = 0;
    long double rod_reactance_ohm = 0;  // Zg: the rod's impedance is j·Zg
    long double zin_re = 0, zin_im = 0;
    long double yin_re = 0, yin_im = 0;
    long double capacitance_pf = 0;
};

// Throws the floating-point fault for conductors that touch or overlap and for
// a purely resistive input impedance.
Checked<GammaMatchResults> computeGammaMatch(const GammaMatchInputs& in);

CalculatorDescriptor gammaMatchCalculator();

}  // namespace ondarel
