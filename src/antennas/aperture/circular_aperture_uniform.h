#pragma once
#include <optional>

#include "antennas/aperture/aperture_patterns.h"
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// Circular aperture of radius a wavelengths on an infinite ground plane,
// uniform field.
struct CircularApertureInputs {
    long double radius_norm = 0;
};

struct CircularApertureResults {
    long double e_fnbw_deg = 0, h_fnbw_deg = 0;
    long double e_hpbw_deg = 0, h_hpbw_deg = 0;
    long double e_side_lobe_db = 0, h_side_lobe_db = 0;
    long double directivity_db = 0;
};

// The radius refusal shared with the TE11 aperture.
std::optional<Refusal> checkCircularRadius(long double a_stored);

Checked<CircularApertureResults> computeCircularApertureUniform(const CircularApertureInputs& in);

// Z = 2π·a·sin θ, stored before the Bessel functions are taken.
long double circularArgument(const AperturePatternValues& v, long double theta);

// J1(Z)/Z, stored: the E-plane of both circular apertures.
long double circularEPlaneField(const AperturePatternValues& v, long double theta);

CalculatorDescriptor circularApertureUniformCalculator();

// The input, results, their bindings and the data sheet that both circular
// apertures share; `sheetTitle` heads the printed sheet.
void layOutCircularAperture(CalculatorDescriptor& d,
                            Checked<CircularApertureResults> (*compute)(const CircularApertureInputs&),
                            const std::string& sheetTitle);

}  // namespace ondarel
