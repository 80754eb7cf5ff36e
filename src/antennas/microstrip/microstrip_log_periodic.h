#pragma once
#include <vector>

#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// A log-periodic array of printed dipoles: from the lowest frequency, τ, σ
// and the wanted bandwidth, the apex angle, the bandwidths, the element count
// and the element lengths, spacings and widths as geometric series in τ.
// Values are kept in extended precision except h and the list items.
struct MicrostripLogPeriodicInputs {
    long double min_freq_ghz = 0;
    long double scale_factor = 0;      // τ
    long double relative_spacing = 0;  // σ
    long double permittivity = 0;
    long double bandwidth = 0;  // B = fmax/fmin
    long double height_cm = 0;
    long double dipole_width_cm = 0;  // of the longest dipole
};

struct MicrostripLogPeriodicResults {
    long double elements = 0;
    long double active_region_bandwidth = 0;
    long double structure_bandwidth = 0;
    long double max_freq_ghz = 0;
    long double apex_angle_deg = 0;
    long double axial_length_cm = 0;
    long double line_impedance = 0;
    std::vector<long double> lengths_cm;   // N, from τ·L1 on
    std::vector<long double> spacings_cm;  // N − 1
    std::vector<long double> widths_cm;    // N − 1
};

Checked<MicrostripLogPeriodicResults> computeMicrostripLogPeriodic(const MicrostripLogPeriodicInputs& in);

CalculatorDescriptor microstripLogPeriodicCalculator();

}  // namespace ondarel
