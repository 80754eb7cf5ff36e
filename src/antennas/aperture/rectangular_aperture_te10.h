#pragma once
#include "antennas/aperture/rectangular_aperture_uniform.h"

namespace ondarel {

// Rectangular aperture on an infinite ground plane excited in the TE10
// waveguide mode: uniform along y (E-plane, side b), cosine along x
// (H-plane, side a).
struct RectangularApertureTe10Results {
    long double e_first_null_deg = 0, h_first_null_deg = 0;
    long double e_half_power_deg = 0, h_half_power_deg = 0;
    long double e_fnbw_deg = 0, h_fnbw_deg = 0;
    long double e_hpbw_deg = 0, h_hpbw_deg = 0;
    long double e_side_lobe_db = 0, h_side_lobe_db = 0;
    long double directivity_db = 0;
};

Checked<RectangularApertureTe10Results> computeRectangularApertureTe10(const RectangularApertureInputs& in);

// cos θ · cos(X)/(X² − (π/2)²), X = π·a·sin θ, stored; −cos θ/π at X = π/2.
long double te10HPlaneField(const AperturePatternValues& v, long double theta);

CalculatorDescriptor rectangularApertureTe10Calculator();

}  // namespace ondarel
