#pragma once
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// Uniform linear array whose progressive phase turns the main beam along the
// array axis (θ = 0° or 180°). Kept in extended precision throughout.
struct EndFireArrayInputs {
    long double elements = 0;      // N
    long double spacing_norm = 0;  // d/λ
};

struct EndFireArrayResults {
    long double phase_shift_a_deg = 0;  // −360·d
    long double phase_shift_b_deg = 0;  // +360·d
    long double max_direction_a_deg = 0;
    long double max_direction_b_deg = 0;
    long double first_null_deg = 0;
    long double half_power_deg = 0;
    long double side_lobe_deg = 0;
    long double fnbw_deg = 0;
    long double hpbw_deg = 0;
    long double fslbw_deg = 0;
    long double directivity_db = 0;
};

// Throws the floating-point fault when N·d < 0.75, where an inverse cosine
// leaves [−1, 1].
Checked<EndFireArrayResults> computeEndFireArray(const EndFireArrayInputs& in);

CalculatorDescriptor endFireArrayCalculator();

}  // namespace ondarel
