#pragma once
// Extended-precision helpers that fault where an x87 with its exceptions
// unmasked would: invalid operations and divisions by zero stop the command
// with the floating-point fault instead of producing NaN or infinity.
#include <cmath>

#include "core/fault.h"

namespace ondarel::xmath {

inline constexpr long double kPi = 3.14159265358979323846264338327950288L;
inline constexpr long double kRadToDeg = 57.295779513082320877L;       // 180/π
inline constexpr long double kTwiceRadToDeg = 114.59155902616464175L;  // 360/π

// Any result that is not finite is an overflow or an invalid operation.
inline long double finite(long double x)
{
    if (!std::isfinite(x)) raiseFloatingPointFault();
    return x;
}

inline long double div(long double a, long double b)
{
    if (b == 0) raiseFloatingPointFault();
    return finite(a / b);
}

inline long double sqrt(long double x)
{
    if (x < 0 || std::isnan(x)) raiseFloatingPointFault();
    return std::sqrt(x);
}

inline long double ln(long double x)
{
    if (!(x > 0)) raiseFloatingPointFault();
    return finite(std::log(x));
}

inline long double arctan(long double x) { return std::atan(finite(x)); }

// Inverse cosine written as arctan(√(1 − x²)/x): the square root faults for
// |x| > 1 and the quotient for x = 0, so its domain is (0, 1] (and [-1, 0)).
inline long double arccosByArctan(long double x) { return arctan(div(sqrt(1 - x * x), x)); }

// Full-range inverse cosine arctan2(√(1 − x²), x): 0 to π for −1 ≤ x ≤ 1.
inline long double arccosFull(long double x) { return std::atan2(sqrt(1 - x * x), x); }

// tan of an angle in degrees, as sin/cos of deg·π/180. At an odd multiple of
// 90° the cosine is exactly 0 and the quotient faults (π's rounding would
// otherwise leave a huge finite tangent); at a multiple of 180° it is 0.
inline long double tanDegrees(long double deg)
{
    const long double turn = std::fmod(deg, 180.0L);
    if (turn == 90 || turn == -90) raiseFloatingPointFault();
    if (turn == 0) return 0;
    const long double rad = deg * kPi / 180;
    return div(std::sin(rad), std::cos(rad));
}

}  // namespace ondarel::xmath
