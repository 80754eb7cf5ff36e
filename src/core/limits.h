#pragma once
// Range checks compare a stored value with its limit stored the same way.
// A typed limit (0.02, 0.1) is held a hair above or below the decimal in a
// 6-byte real, so comparing the stored value with the bare literal would
// accept or refuse the limit itself by accident of binary rounding; the
// stored limit behaves exactly as the decimal the text states.
#include "core/real48.h"

namespace ondarel {

inline long double storedLimit(long double limit) { return store48(limit); }

}  // namespace ondarel
