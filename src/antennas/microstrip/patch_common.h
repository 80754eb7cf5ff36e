#pragma once
// What the single-patch calculators share: the microstrip line impedance of
// the patch's width, the radiation factor, the quality factors, and the
// integrals their figures are computed with. Qt-free.

namespace ondarel::microstrip {

// Characteristic impedance (ohms) of a line of width-to-height ratio u on a
// substrate of effective permittivity εreff; stored.
long double lineImpedance(long double u, long double eps_eff, long double width_cm, long double height_cm);

// The radiation factor p of the quality factor Qr; 1 for an air substrate,
// where the logarithm's ratio would be infinite.
long double radiationFactor(long double eps_r, long double eps_eff);

struct QualityFactors {
    long double total = 0;           // Qt
    long double radiation = 0;       // Qr
    long double bandwidth_pct = 0;   // BW for the given VSWR
    long double efficiency_pct = 0;  // radiation efficiency 100·Qt/Qr
};

// Qd = 1/tan δ, Qc from the conductivity and Qr from Z0 and p, with h in cm
// and f in GHz. A loss tangent of 0 is a lossless substrate: its term of 1/Qt
// vanishes instead of dividing by zero.
QualityFactors qualityFactors(long double loss_tangent, long double conductivity, long double height_cm,
                              long double freq_ghz, long double lambda0_cm, long double line_impedance,
                              long double radiation_factor, long double vswr);

// How a computation keeps its values: as 6-byte reals (store48) or in
// extended precision (`extended`). The single patches store them, the patch
// arrays keep the same formulas in extended precision.
using Keep = long double (*)(long double);
inline long double extended(long double x) { return x; }

// The two radiating slots' integrals over θ in (0, π) on 180 grid points, the
// 178 interior ones summed (the integrand vanishes at both ends), with J0 by
// its first seven series terms; π·W/λ0 is always a 6-byte real.
struct SlotIntegrals {
    long double self = 0;    // I1
    long double mutual = 0;  // I12
};
SlotIntegrals slotIntegrals(long double width_cm, long double length_cm, long double lambda0_cm, Keep keep);

// (J0 − J2)² + ((J0 + J2)·cos θ)² of the circular cavity's edge field over θ
// in (0, π/2) on 180 points, J0 and J2 by five series terms each; the end at
// π/2 is weighted fully (Δ·E), as the figures were computed.
long double cavityIntegral(long double effective_radius_cm, long double lambda0_cm, Keep keep);

// r·√(this) is the fringing-corrected radius of a circular patch:
// 1 + 2h/(π·εr·r)·(ln(π·r/(2h)) + 1.7726).
long double fringingFactor(long double r, long double h, long double er);

// Cuts a result text to at most 15 characters, as the circular patch shows it.
inline constexpr unsigned kShownCharacters = 15;

}  // namespace ondarel::microstrip
