#pragma once
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

struct InfinitesimalDipoleInputs {
    long double frequency_mhz = 0;
    long double length_norm = 0;  // L = l/λ
};

struct InfinitesimalDipoleResults {
    long double radiation_resistance_ohm = 0;
    long double length_m = 0;
    long double directivity = 0;
    long double directivity_db = 0;
    long double effective_area_m2 = 0;
};

Checked<InfinitesimalDipoleResults> computeInfinitesimalDipole(const InfinitesimalDipoleInputs& in);

CalculatorDescriptor infinitesimalDipoleCalculator();

}  // namespace ondarel
