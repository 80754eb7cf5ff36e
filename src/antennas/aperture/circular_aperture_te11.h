#pragma once
#include "antennas/aperture/circular_aperture_uniform.h"

namespace ondarel {

// Circular aperture of radius a wavelengths on an infinite ground plane
// excited in the TE11 circular-waveguide mode.
Checked<CircularApertureResults> computeCircularApertureTe11(const CircularApertureInputs& in);

// cos θ · J1′(Z)/(1 − (Z/z)²), z the first zero of J1′, stored; the
// quotient takes its limit value where Z meets z.
long double te11HPlaneField(const AperturePatternValues& v, long double theta);

CalculatorDescriptor circularApertureTe11Calculator();

}  // namespace ondarel
