#pragma once
// Cylindrical Bessel functions of the first kind for the radiation patterns
// of circular apertures and loops. Truncated power series drift from the
// true functions once the argument passes about 3 (a four-term J1 puts its
// first zero at 3.66 and gives J1(4π) ≈ −1986), while every aperture of a
// wavelength or more reaches arguments of 9 and beyond; these are accurate
// to extended precision over the whole range.
#include <cmath>

namespace ondarel::bessel {

// First zero of J1′ (1.8411837813406593…), where the TE11 mode's H-plane
// quotient J1′(Z)/(1 − (Z/z)²) takes its limit value.
inline constexpr long double kFirstZeroOfJ1Prime = 1.84118378134065930264363605L;

inline long double j0(long double z) { return std::cyl_bessel_jl(0.0L, std::fabs(z)); }

// J1 is odd; the library routine takes non-negative arguments only.
inline long double j1(long double z)
{
    const long double v = std::cyl_bessel_jl(1.0L, std::fabs(z));
    return z < 0 ? -v : v;
}

}  // namespace ondarel::bessel
