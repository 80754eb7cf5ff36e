#include "core/real48.h"

#include <cfloat>
#include <cmath>
#include <cstring>

#include "core/fault.h"

namespace ondarel {

namespace {
constexpr int kBias = 129;
constexpr long double kFractionScale = 549755813888.0L;  // 2^39
}  // namespace

Real48Bytes encodeReal48(long double x)
{
    if (!std::isfinite(x)) raiseFloatingPointFault();
    Real48Bytes bytes{};
    if (x == 0) return bytes;

    const bool negative = std::signbit(x);
    int exponent2 = 0;
    const long double half = std::frexp(std::fabs(x), &exponent2);  // [0.5, 1)
    // |x| = significand * 2^(exponent2 - 1) with significand in [1, 2).
    long double scaled = std::roundl(half * 2 * kFractionScale);  // ties away from zero
    int biased = exponent2 - 1 + kBias;
    if (scaled >= 2 * kFractionScale) {
        scaled /= 2;
        ++biased;
    }
    if (biased < 1) return bytes;  // below the range: zero
    if (biased > 255) raiseFloatingPointFault();

    auto fraction = static_cast<std::uint64_t>(scaled - kFractionScale);
    bytes[0] = static_cast<std::uint8_t>(biased);
    for (int i = 1; i <= 5; ++i) {
        bytes[i] = static_cast<std::uint8_t>(fraction & 0xFF);
        fraction >>= 8;
    }
    if (negative) bytes[5] |= 0x80;
    return bytes;
}

long double decodeReal48(const Real48Bytes& bytes)
{
    if (bytes[0] == 0) return 0.0L;
    std::uint64_t fraction = 0;
    for (int i = 5; i >= 1; --i) fraction = (fraction << 8) | bytes[i];
    const bool negative = (fraction >> 39) & 1;
    fraction &= (std::uint64_t{1} << 39) - 1;
    const long double significand = 1.0L + static_cast<long double>(fraction) / kFractionScale;
    const long double value = std::ldexp(significand, bytes[0] - kBias);
    return negative ? -value : value;
}

#if LDBL_MANT_DIG == 64
// The same rounding straight on the bits of the x87 extended format (64-bit
// mantissa with its leading 1, 15-bit exponent biased by 16383): every
// stored intermediate passes through here, so it must be cheap.
long double store48(long double x)
{
    struct Extended {
        std::uint64_t mantissa;
        std::uint16_t signAndExponent;
    } bits{};
    std::memcpy(&bits, &x, 10);
    const int exponent = bits.signAndExponent & 0x7FFF;
    if (exponent == 0x7FFF) raiseFloatingPointFault();                              // infinity or NaN
    if (bits.mantissa == 0 || exponent == 0) return 0.0L;                           // zero, or far below the range
    constexpr int kDropped = 64 - 40;                                               // 1 + 39 bits kept
    std::uint64_t mantissa = bits.mantissa + (std::uint64_t{1} << (kDropped - 1));  // ties away from zero
    int biased = exponent - 16383 + kBias;
    const bool carried = mantissa < bits.mantissa;  // out of the top bit: the next power of two
    if (carried) {
        mantissa = std::uint64_t{1} << 63;
        ++biased;
    }
    if (biased < 1) return 0.0L;
    if (biased > 255) raiseFloatingPointFault();
    if (carried) ++bits.signAndExponent;
    bits.mantissa = mantissa & ~((std::uint64_t{1} << kDropped) - 1);
    long double stored = 0;
    std::memcpy(&stored, &bits, 10);
    return stored;
}
#else
long double store48(long double x) { return decodeReal48(encodeReal48(x)); }
#endif

}  // namespace ondarel
