// 6-byte reals: every six bytes with a non-zero exponent decode to a value
// that encodes back to the same six bytes; every long double encodes to its
// nearest 6-byte real, to zero below the range, or to the floating-point
// fault above it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/fault.h"
#include "core/real48.h"
#include "fuzz_check.h"

using namespace ondarel;

namespace {

// Smallest and largest magnitudes a 6-byte real holds: 2^-128 and
// (2 - 2^-39) * 2^126.
const long double kSmallest = std::ldexp(1.0L, -128);
const long double kLargest = std::ldexp(2.0L - std::ldexp(1.0L, -39), 126);

void checkBytes(const Real48Bytes& bytes)
{
    const long double value = decodeReal48(bytes);
    FUZZ_CHECK(std::isfinite(value));
    if (bytes[0] == 0) {
        FUZZ_CHECK(value == 0);
        return;
    }
    FUZZ_CHECK(std::fabs(value) >= kSmallest && std::fabs(value) <= kLargest);
    FUZZ_CHECK(encodeReal48(value) == bytes);
    FUZZ_CHECK(store48(value) == value);
}

void checkValue(long double x)
{
    Real48Bytes bytes;
    try {
        bytes = encodeReal48(x);
    } catch (const Fault& fault) {
        FUZZ_CHECK(fault.kind() == FaultKind::FloatingPoint);
        // Only what does not round into the range is refused.
        FUZZ_CHECK(!std::isfinite(x) || std::fabs(x) > kLargest);
        return;
    }
    FUZZ_CHECK(std::isfinite(x));
    const long double y = decodeReal48(bytes);
    FUZZ_CHECK(encodeReal48(y) == bytes);
    if (y == 0) {
        FUZZ_CHECK(std::fabs(x) < kSmallest);
        FUZZ_CHECK(bytes == Real48Bytes{});
        return;
    }
    FUZZ_CHECK(std::signbit(x) == std::signbit(y));
    // Nearest of a 40-bit significand: off by half a unit of the last place
    // at most, 2^-40 of the value's binade.
    int exponent = 0;
    std::frexp(x, &exponent);
    FUZZ_CHECK(std::fabs(y - x) <= std::ldexp(1.0L, exponent - 41));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size >= 6) {
        Real48Bytes bytes;
        std::memcpy(bytes.data(), data, 6);
        checkBytes(bytes);
    }
    // A long double built from sign, exponent and 64-bit significand (always
    // a valid encoding), so every binade, subnormals and overflow are reached.
    if (size >= 11) {
        std::uint64_t significand = 0;
        std::memcpy(&significand, data, 8);
        std::int16_t exponent = 0;
        std::memcpy(&exponent, data + 8, 2);
        const bool negative = data[10] & 1;
        long double x = std::ldexp(static_cast<long double>(significand), exponent % 400 - 64);
        if (data[10] & 2) x = std::ldexp(static_cast<long double>(significand), exponent);
        if ((data[10] & 0x0C) == 0x0C) x = (data[10] & 0x10) ? INFINITY : NAN;
        checkValue(negative ? -x : x);
    }
    return 0;
}
