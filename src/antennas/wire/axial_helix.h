#pragma once
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// A helix whose circumference is about one wavelength, radiating along its
// axis: geometry and figures of merit from the classical axial-mode design
// rules (directivity 15·N·C²·S/λ³, R = 140·Cλ, HPBW 52 and FNBW 115 over
// Cλ·√(N·S/λ)).
struct AxialHelixInputs {
    long double frequency_mhz = 0;
    long double gain_db = 0;
    long double pitch_deg = 0;           // α, 12 to 18
    long double circumference_norm = 0;  // Cλ, 0.75 to 1.33
};

struct AxialHelixResults {
    long double spacing_m = 0;
    long double diameter_m = 0;
    long double circumference_m = 0;
    long double first_turn_separation_m = 0;
    long double ground_plane_m = 0;
    long double wire_diameter_cm = 0;
    long double turns = 0;
    long double turn_length_m = 0;
    long double axial_length_m = 0;
    long double wire_length_m = 0;
    long double axial_ratio = 0;
    long double directivity = 0;
    long double radiation_resistance_ohm = 0;
    long double hpbw_deg = 0;
    long double fnbw_deg = 0;
};

Checked<AxialHelixResults> computeAxialHelix(const AxialHelixInputs& in);

CalculatorDescriptor axialHelixCalculator();

}  // namespace ondarel
