#pragma once
// The inverse hyperbolic cosine of the matching structures. It never faults:
// an argument of 1 or less (conductors that touch or overlap) gives 0, and
// the division that uses it is where such a geometry stops.
#include <cmath>

#include "core/real48.h"

namespace ondarel {

// ln(x + √((x − 1)(x + 1))) for 1 < x ≤ 10^10; ln 2 + ln x above, where the
// square root would lose x's digits; 0 for x ≤ 1. The result is stored.
inline long double arcosh(long double x)
{
    if (x <= 1) return 0;
    if (x > 1e10L) return store48(std::log(2.0L) + std::log(x));
    return store48(std::log(x + std::sqrt((x - 1) * (x + 1))));
}

}  // namespace ondarel
