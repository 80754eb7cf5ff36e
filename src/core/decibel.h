#pragma once
#include "core/checked_math.h"
#include "core/real48.h"

namespace ondarel {

// Common logarithm as the calculators compute it: ln(x)/ln(10), the quotient
// rounded to a 6-byte real before any further use.
inline long double log10Stored(long double x) { return store48(xmath::ln(x) / xmath::ln(10.0L)); }

}  // namespace ondarel
