#pragma once
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// Rectangular microstrip patch: dimensions from the transmission-line model,
// directivity from two radiating slots, and the feed by a microstrip line
// (inset point) or a 50-ohm coaxial cable (edge distance).
struct RectangularPatchInputs {
    long double freq_ghz = 0;
    long double permittivity = 0;  // εr
    long double height_cm = 0;
    long double loss_tangent = 0;
    long double resonance_ohm = 0;          // Zd, the line feed's resonance resistance
    long double conductivity = 0;           // S/m
    long double electrical_length_deg = 0;  // βl of the coaxial feed
    long double vswr = 0;
    long double cable = 1;  // radio buttons: 1 checked
    long double strip = 0;
};

enum class PatchFeed { Cable, Strip };

struct RectangularPatchResults {
    long double eps_eff = 0;
    long double length_cm = 0;
    long double width_cm = 0;
    long double input_ohm = 0;
    long double line_impedance = 0;
    long double q_total = 0;
    long double directivity_db = 0;
    long double bandwidth_pct = 0;
    long double efficiency_pct = 0;
    long double inset_cm = 0;  // y0, line feed only
    long double edge_cm = 0;   // d, coaxial feed only
    PatchFeed feed = PatchFeed::Cable;
    // The two slot integrals, for the pattern window's checks and tests.
    long double slot_integral = 0;
    long double mutual_integral = 0;
};

Checked<RectangularPatchResults> computeRectangularPatch(const RectangularPatchInputs& in);

CalculatorDescriptor rectangularPatchCalculator();

}  // namespace ondarel
