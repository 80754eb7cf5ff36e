#pragma once
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// A helix small against the wavelength, radiating broadside to its axis:
// its turns and dimensions from the pitch angle, the normal-mode condition
// NL (wire length λ/NL) and the spacing between turns.
struct NormalHelixInputs {
    long double frequency_mhz = 0;
    long double gain_db = 0;
    long double pitch_deg = 0;       // α
    long double normal_mode_nl = 0;  // NL, 0.01 to 0.1
    long double spacing_norm = 0;    // S, in wavelengths
};

struct NormalHelixResults {
    long double turns = 0;
    long double diameter_m = 0;
    long double circumference_m = 0;
    long double ground_plane_m = 0;
    long double turn_length_m = 0;
    long double axial_length_m = 0;
    long double wire_length_m = 0;
    long double axial_ratio = 0;
    long double directivity_db = 0;  // the gain as entered
};

// A pitch angle of a multiple of 90° faults: tan α has no finite value there
// or makes the diameter a division by zero.
Checked<NormalHelixResults> computeNormalHelix(const NormalHelixInputs& in);

CalculatorDescriptor normalHelixCalculator();

}  // namespace ondarel
