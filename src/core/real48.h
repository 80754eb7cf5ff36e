#pragma once
// The 6-byte real: exponent byte biased by 129, 39-bit fraction, sign in the
// top bit of the last byte. Every stored engineering value passes through it.
#include <array>
#include <cstdint>

namespace ondarel {

using Real48Bytes = std::array<std::uint8_t, 6>;

// Encodes x rounded to the nearest 39-bit mantissa (ties away from zero);
// magnitudes below the range give 0; NaN, infinities and magnitudes above the
// range raise the floating-point fault.
Real48Bytes encodeReal48(long double x);
long double decodeReal48(const Real48Bytes& bytes);

// x as it reads back after being stored: the rounding every stored
// intermediate goes through.
long double store48(long double x);

}  // namespace ondarel
