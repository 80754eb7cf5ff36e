#pragma once
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// A Yagi-Uda array of circular wire loops: reflector, driven and director
// loops of 1.05, 1.1 and 0.7 wavelengths, spacings of 0.1 and 0.25
// wavelengths, a conductor as thick as 2·ln(2πb/a) = 11 asks, and the
// element count, boom and beam widths of the dipole array's fits.
struct YagiUdaLoopsInputs {
    long double frequency_mhz = 0;
    long double gain_db = 0;
};

struct YagiUdaLoopsResults {
    long double elements = 0;
    long double reflector_radius_cm = 0;
    long double reflector_length_m = 0;
    long double driven_radius_cm = 0;
    long double driven_length_m = 0;
    long double director_radius_cm = 0;
    long double director_length_m = 0;
    long double conductor_radius_cm = 0;
    long double reflector_spacing_m = 0;
    long double director_spacing_m = 0;
    long double boom_m = 0;
    long double beamwidth_h_deg = 0;
    long double beamwidth_v_deg = 0;
};

Checked<YagiUdaLoopsResults> computeYagiUdaLoops(const YagiUdaLoopsInputs& in);

CalculatorDescriptor yagiUdaLoopsCalculator();

}  // namespace ondarel
