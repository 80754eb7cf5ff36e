#pragma once
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// Rectangular grid of M × N elements in the x-y plane, M along x spaced dx
// and N along y spaced dy, steered to (θ0, φ0). Extended precision throughout.
struct PlanarArrayInputs {
    long double theta0_deg = 0;  // not checked
    long double phi0_deg = 0;    // not checked
    long double dx_norm = 0;     // dx/λ
    long double dy_norm = 0;     // dy/λ
    long double elements_x = 0;  // M
    long double elements_y = 0;  // N
};

struct PlanarArrayResults {
    long double phase_shift_x_deg = 0;   // βx
    long double phase_shift_y_deg = 0;   // βy
    long double grating_phi_deg = 0;     // φg
    long double hpbw_x_deg = 0;          // Θx, broadside array along x
    long double hpbw_y_deg = 0;          // Θy, broadside array along y
    long double hpbw_elevation_deg = 0;  // Θh
    long double hpbw_across_deg = 0;     // Ψh
    long double directivity_db = 0;
};

// Throws the floating-point fault when M·dx or N·dy is below 1.391/π or when
// sin θ0·cos φ0 equals 1/dx exactly.
Checked<PlanarArrayResults> computePlanarArray(const PlanarArrayInputs& in);

CalculatorDescriptor planarArrayCalculator();

}  // namespace ondarel
