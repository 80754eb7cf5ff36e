#pragma once
#include "antennas/microstrip/patch_arrays.h"
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// A planar array of Nx × Ny circular patches: one element from the cavity
// model (equivalent width 2·ae, copper conductors), the array's extent and
// aperture directivity, and quality factors scaled by the number of elements.
// Every value is kept in extended precision.
using CircularPatchArrayInputs = PatchArrayInputs;

struct CircularPatchArrayResults {
    long double radius_cm = 0;
    long double effective_radius_cm = 0;
    long double array_x_cm = 0;
    long double array_y_cm = 0;
    long double input_ohm = 0;  // of each element, at its edge
    long double line_impedance = 0;
    long double directivity_db = 0;
    long double bandwidth_pct = 0;
    long double efficiency_pct = 0;
    long double q_total = 0;  // computed, not shown
};

Checked<CircularPatchArrayResults> computeCircularPatchArray(const CircularPatchArrayInputs& in);

CalculatorDescriptor circularPatchArrayCalculator();

}  // namespace ondarel
