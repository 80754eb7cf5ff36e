#pragma once
#include "antennas/microstrip/patch_arrays.h"
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// A planar array of Nx × Ny rectangular patches: one element from the
// transmission-line model, the array's extent and aperture directivity, and
// quality factors scaled by the number of elements (copper conductors).
using RectangularPatchArrayInputs = PatchArrayInputs;

struct RectangularPatchArrayResults {
    long double length_cm = 0;  // L of each element
    long double width_cm = 0;   // W of each element
    long double array_x_cm = 0;
    long double array_y_cm = 0;
    long double input_ohm = 0;  // of each element, from the two slots
    long double line_impedance = 0;
    long double directivity_db = 0;
    long double bandwidth_pct = 0;
    long double efficiency_pct = 0;
    long double q_total = 0;  // computed, not shown
};

Checked<RectangularPatchArrayResults> computeRectangularPatchArray(const RectangularPatchArrayInputs& in);

CalculatorDescriptor rectangularPatchArrayCalculator();

}  // namespace ondarel
