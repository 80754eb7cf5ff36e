#pragma once
#include <optional>

#include "antennas/aperture/aperture_patterns.h"
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// Rectangular aperture on an infinite ground plane, uniform field: side a
// along x (H-plane), side b along y (E-plane), both in wavelengths.
struct RectangularApertureInputs {
    long double a_norm = 0;
    long double b_norm = 0;
};

// The directions of a sin(u)/u plane of a side d wavelengths long, degrees
// (the factors are 57.3 and 114.6 as the calculators use them).
struct SincPlaneAngles {
    long double first_null_deg = 0;
    long double half_power_deg = 0;
    long double side_lobe_deg = 0;
    long double fnbw_deg = 0;
    long double hpbw_deg = 0;
    long double fslbw_deg = 0;
};

SincPlaneAngles sincPlaneAngles(long double side_norm);

struct RectangularApertureUniformResults {
    long double e_first_null_deg = 0, h_first_null_deg = 0;
    long double e_half_power_deg = 0, h_half_power_deg = 0;
    long double e_side_lobe_deg = 0, h_side_lobe_deg = 0;
    long double e_fnbw_deg = 0, h_fnbw_deg = 0;
    long double e_hpbw_deg = 0, h_hpbw_deg = 0;
    long double e_fslbw_deg = 0, h_fslbw_deg = 0;
    long double e_side_lobe_db = 0;
    long double h_side_lobe_db = 0;
    long double directivity_db = 0;
};

// The refusals shared with the TE10 aperture, first a then b; nullopt when
// both sides are at least 1.43 wavelengths.
std::optional<Refusal> checkRectangularSides(long double a_stored, long double b_stored);

Checked<RectangularApertureUniformResults> computeRectangularApertureUniform(const RectangularApertureInputs& in);

// sin(Y)/Y with Y = π·b·sin θ, stored: the E-plane of both rectangular
// apertures.
long double rectangularEPlaneField(const AperturePatternValues& v, long double theta);

// The 3D view's f(θ) of both rectangular apertures, single precision:
// sin(π·b·sin θ)/(π·b·sin θ), 1 at θ = 0.
float rectangularApertureFunction3d(const AperturePatternValues& v, float theta);

CalculatorDescriptor rectangularApertureUniformCalculator();

}  // namespace ondarel
