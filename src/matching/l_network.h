#pragma once
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// L network of one shunt capacitor and one series inductor matching an
// antenna impedance Ra + jXa to a line of characteristic impedance Z0.
struct LNetworkInputs {
    long double frequency_mhz = 0;
    long double resistance_ohm = 0;  // Ra
    long double reactance_ohm = 0;   // Xa, with its sign
    long double line_z0_ohm = 0;
};

// Where the shunt capacitor stands: across the line, with the inductor in
// series with the antenna, or across the antenna, with the inductor in series
// with the line.
enum class ShuntSide { Line, Antenna };

struct LNetworkResults {
    long double capacitive_reactance_ohm = 0;  // X1, the capacitor's |X|
    long double inductive_reactance_ohm = 0;   // X2, the inductor's X
    long double capacitance_pf = 0;
    long double inductance_nh = 0;
    ShuntSide shunt = ShuntSide::Line;
};

Checked<LNetworkResults> computeLNetwork(const LNetworkInputs& in);

CalculatorDescriptor lNetworkCalculator();

}  // namespace ondarel
