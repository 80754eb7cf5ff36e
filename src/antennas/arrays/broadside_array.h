#pragma once
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// Uniform linear array, equal amplitudes and zero progressive phase: the main
// beam stands perpendicular to the array axis.
struct BroadsideArrayInputs {
    long double elements = 0;      // N, not required to be whole
    long double spacing_norm = 0;  // d/λ
};

struct BroadsideArrayResults {
    long double phase_shift_deg = 0;  // β, always 0
    long double max_direction_deg = 0;
    long double first_null_deg = 0;
    long double half_power_deg = 0;
    long double side_lobe_deg = 0;
    long double fnbw_deg = 0;
    long double hpbw_deg = 0;
    long double fslbw_deg = 0;
    long double directivity_db = 0;
};

// Throws the floating-point fault when N·d < 1.5, where an inverse cosine
// leaves its domain.
Checked<BroadsideArrayResults> computeBroadsideArray(const BroadsideArrayInputs& in);

CalculatorDescriptor broadsideArrayCalculator();

}  // namespace ondarel
