#pragma once
#include "core/descriptor.h"
#include "core/typed_computation.h"

namespace ondarel {

// Folded dipole of two parallel conductors of equal diameter, from the
// impedance of the ordinary dipole of the same length.
struct FoldedDipoleInputs {
    long double frequency_mhz = 0;
    long double resistance_ohm = 0;  // Rd of the ordinary dipole
    long double reactance_ohm = 0;   // Xd, with its sign
    long double length_norm = 0;     // l / λ
    long double diameter_norm = 0;   // d / λ
    long double spacing_norm = 0;    // centre to centre / λ
};

struct FoldedDipoleResults {
    long double wavelength_m = 0;
    long double z0_ohm = 0;
    long double line_mode_reactance_ohm = 0;  // Zt: the transmission-line mode's impedance is j·Zt
    long double zin_re = 0, zin_im = 0;
    long double yin_re = 0, yin_im = 0;
};

// Throws the floating-point fault when the input impedance is zero (Rd = Xd = 0)
// and has no admittance.
Checked<FoldedDipoleResults> computeFoldedDipole(const FoldedDipoleInputs& in);

CalculatorDescriptor foldedDipoleCalculator();

}  // namespace ondarel
