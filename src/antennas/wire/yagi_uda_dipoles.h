#pragma once
#include <optional>
#include <vector>

#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// The Yagi-Uda design fits shared by the wire and microstrip arrays: the
// element count from the wanted gain, then the boom length (in wavelengths)
// and the two beam widths from the element count.
struct YagiUdaFit {
    long double elements = 0;  // N, a whole number held as a real
    long double boom_wavelengths = 0;
    long double beamwidth_h_deg = 0;
    long double beamwidth_v_deg = 0;
};

// The fit for gain G (dB). The cubic in G gives fewer than two elements just
// below 4 dB and from about 33 dB on (and falling counts past about 24 dB):
// no array has fewer than a reflector and a driven element, so those gains
// give nullopt and each calculator refuses them with its own gain message.
std::optional<YagiUdaFit> yagiUdaFit(long double gain_db);

struct YagiUdaDipolesInputs {
    long double frequency_mhz = 0;
    long double gain_db = 0;
    long double radius_norm = 0;  // element radius / λ
};

struct YagiUdaDipolesResults {
    long double elements = 0;
    long double reflector_m = 0;
    long double driven_m = 0;
    long double boom_m = 0;
    long double beamwidth_h_deg = 0;
    long double beamwidth_v_deg = 0;
    std::vector<long double> spacings_m;   // n − 1, from the reflector on
    std::vector<long double> directors_m;  // n − 2
};

Checked<YagiUdaDipolesResults> computeYagiUdaDipoles(const YagiUdaDipolesInputs& in);

CalculatorDescriptor yagiUdaDipolesCalculator();

}  // namespace ondarel
