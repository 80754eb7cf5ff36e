#pragma once
// The two-conductor section shared by the T and gamma matches: the driven
// element (diameter d1) beside a parallel rod (diameter d2), centres s apart,
// all normalised to the wavelength.
namespace ondarel {

// What the T and gamma matches are given, in their input order.
struct RodMatchInputs {
    long double frequency_mhz = 0;
    long double resistance_ohm = 0;  // Ra
    long double reactance_ohm = 0;   // Xa, with its sign
    long double d1_norm = 0;         // driven element's (larger conductor's) diameter / λ
    long double d2_norm = 0;         // rod's (smaller conductor's) diameter / λ
    long double spacing_norm = 0;    // centre to centre / λ
    long double rod_length_norm = 0;
};

// The inputs as they stand in the window's 6-byte fields.
RodMatchInputs storedRodMatchInputs(const RodMatchInputs& in);

struct RodSection {
    long double wavelength_m = 0;
    long double wavenumber = 0;     // k = 2π/λ, per metre
    long double current_ratio = 0;  // α, how the current divides between the conductors
    long double z0_ohm = 0;         // characteristic impedance of the section
};

// Conductors that touch or overlap make both inverse hyperbolic cosines 0:
// the ratio's 0/0 raises the floating-point fault.
RodSection rodSection(long double frequency_mhz, long double d1_norm, long double d2_norm, long double spacing_norm);

}  // namespace ondarel
