#pragma once
#include <vector>

#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// A log-periodic dipole array by the classical procedure: apex half-angle
// from τ and σ, active-region and design bandwidths, boom length, element
// count, mean element impedance, and every element scaled by τ from the
// largest.
struct LogPeriodicDipolesInputs {
    long double max_frequency_mhz = 0;
    long double min_frequency_mhz = 0;
    long double largest_diameter_cm = 0;
    long double scale_factor = 0;      // τ
    long double relative_spacing = 0;  // σ
};

struct LogPeriodicDipolesResults {
    long double elements = 0;
    long double boom_m = 0;
    long double apex_angle_deg = 0;
    long double bandwidth = 0;
    long double active_region_bandwidth = 0;
    long double design_bandwidth = 0;
    long double mean_impedance_ohm = 0;
    long double largest_length_m = 0;
    std::vector<long double> lengths_m;     // the other n − 1 elements
    std::vector<long double> spacings_cm;   // n − 1
    std::vector<long double> diameters_cm;  // n − 1
};

// The most elements a design may ask for. Scale factors just below 1 ask
// for billions of elements; real arrays have a few dozen, and the widest
// commercial τ (0.964) over a 100:1 band needs about 140.
inline constexpr int kMaxLogPeriodicElements = 500;

Checked<LogPeriodicDipolesResults> computeLogPeriodicDipoles(const LogPeriodicDipolesInputs& in);

CalculatorDescriptor logPeriodicDipolesCalculator();

}  // namespace ondarel
