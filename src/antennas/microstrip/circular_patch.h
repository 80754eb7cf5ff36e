#pragma once
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// Circular microstrip patch on a 50-ohm coaxial probe: radius from the
// fringing-corrected cavity model, radiation conductance by integrating the
// cavity fields, and the probe's radial position for the wanted resistance.
struct CircularPatchInputs {
    long double freq_ghz = 0;
    long double permittivity = 0;
    long double height_cm = 0;
    long double loss_tangent = 0;  // 0 is a lossless substrate
    long double resonance_ohm = 0;
    long double conductivity = 0;
    long double vswr = 0;
};

struct CircularPatchResults {
    long double input_ohm = 0;
    long double line_impedance = 0;
    long double radius_cm = 0;
    long double effective_radius_cm = 0;
    long double directivity_db = 0;
    long double q_total = 0;
    long double efficiency_pct = 0;
    long double bandwidth_pct = 0;
    long double feed_radius_cm = 0;
    long double cavity_integral = 0;
};

// Throws the floating-point fault when the wanted resistance is so far above
// the edge resistance that the probe's arcsine has no value.
Checked<CircularPatchResults> computeCircularPatch(const CircularPatchInputs& in);

CalculatorDescriptor circularPatchCalculator();

}  // namespace ondarel
