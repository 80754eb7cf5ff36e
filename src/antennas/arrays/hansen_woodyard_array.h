#pragma once
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// End-fire array with the Hansen-Woodyard extra phase of 2.94/N radians,
// which narrows the beam and raises the directivity.
struct HansenWoodyardArrayInputs {
    long double elements = 0;      // N, at least 2 (not required to be whole)
    long double spacing_norm = 0;  // d/λ
};

struct HansenWoodyardArrayResults {
    long double phase_shift_a_deg = 0;  // −B
    long double phase_shift_b_deg = 0;  // +B
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

// Throws the floating-point fault when N·d < 0.5, where the side-lobe
// inverse cosine leaves [−1, 1] (the first-null one follows below 0.25).
Checked<HansenWoodyardArrayResults> computeHansenWoodyardArray(const HansenWoodyardArrayInputs& in);

CalculatorDescriptor hansenWoodyardArrayCalculator();

}  // namespace ondarel
