#pragma once
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// Uniform linear array whose progressive phase steers the main beam to the
// angle θ0 from the array axis. No directivity is given.
struct PhasedArrayInputs {
    long double elements = 0;      // N
    long double spacing_norm = 0;  // d/λ
    long double scan_deg = 0;      // θ0, not checked
};

struct PhasedArrayResults {
    long double phase_shift_deg = 0;  // β = −360·d·cos θ0
    long double max_direction_deg = 0;
    long double first_null_deg = 0;
    long double half_power_deg = 0;
    long double side_lobe_deg = 0;
    long double fnbw_deg = 0;
    long double hpbw_deg = 0;
    long double fslbw_deg = 0;
};

// Throws the floating-point fault when an inverse cosine argument leaves
// [−1, 1] (a small N·d).
Checked<PhasedArrayResults> computePhasedArray(const PhasedArrayInputs& in);

CalculatorDescriptor phasedArrayCalculator();

}  // namespace ondarel
