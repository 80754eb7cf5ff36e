#pragma once
#include <vector>

#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// A Yagi-Uda array of printed dipoles: the element count from the wanted
// gain, element lengths and spacings from design tables scaled by the guided
// wavelength, the boom length and beam widths from fits in the element count.
struct MicrostripYagiUdaInputs {
    long double freq_ghz = 0;
    long double gain_db = 0;
    long double permittivity = 0;
    long double height_cm = 0;
    long double dipole_width_cm = 0;
};

struct MicrostripYagiUdaResults {
    long double elements = 0;
    long double eps_eff = 0;
    long double reflector_cm = 0;
    long double driven_cm = 0;
    long double boom_wavelengths = 0;
    long double boom_cm = 0;
    long double beamwidth_e_deg = 0;        // horizontal plane
    long double beamwidth_h_deg = 0;        // vertical plane
    std::vector<long double> directors_cm;  // N − 2
    std::vector<long double> spacings_cm;   // N − 1, from the reflector on
};

Checked<MicrostripYagiUdaResults> computeMicrostripYagiUda(const MicrostripYagiUdaInputs& in);

CalculatorDescriptor microstripYagiUdaCalculator();

}  // namespace ondarel
