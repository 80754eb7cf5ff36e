#pragma once
#include <string>
#include <vector>

#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// A circular loop of N turns: small (radius below 1/(6π) wavelengths) or of
// finite radius, each case with its own radiation resistance, directivity
// and effective area; the loss resistance includes the proximity effect of
// the turns.
struct SmallLoopInputs {
    long double frequency_mhz = 0;
    long double radius_norm = 0;       // a = radius/λ
    long double wire_radius_norm = 0;  // b = wire radius/λ
    long double conductivity_s_m = 0;  // σ
    long double turns = 0;             // N, not required to be whole
};

struct SmallLoopResults {
    long double circumference_m = 0;
    long double radiation_resistance_ohm = 0;
    long double loss_resistance_ohm = 0;
    long double directivity = 0;
    long double directivity_db = 0;
    long double effective_area_m2 = 0;
    long double efficiency_pct = 0;
    std::vector<std::string> notes;  // the small-or-finite decision
};

Checked<SmallLoopResults> computeSmallLoop(const SmallLoopInputs& in);

CalculatorDescriptor smallLoopCalculator();

}  // namespace ondarel
