#pragma once
// What the single-patch calculators share: the microstrip line impedance of
// the patch's width, the radiation factor, the quality factors, and the
// truncated Bessel series their figures are computed with. Qt-free.

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

// J0 by its first seven series terms (rectangular patch slot integral); stored.
long double besselJ0Seven(long double x);
// J0 by five terms and J2 by five terms (circular patch cavity integral); stored.
long double besselJ0Five(long double x);
long double besselJ2Five(long double x);

// Cuts a result text to at most 15 characters, as the circular patch shows it.
inline constexpr unsigned kShownCharacters = 15;

}  // namespace ondarel::microstrip
