#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <vector>

#include "core/fault.h"
#include "core/real48.h"

namespace ondarel {
namespace {

struct EncodeCase {
    long double value;
    Real48Bytes bytes;
};

void PrintTo(const EncodeCase& c, std::ostream* os) { *os << "value " << static_cast<double>(c.value); }

class Real48Encode : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(Real48Encode, WritesTheSixBytesAndReadsThemBack)
{
    const auto& c = GetParam();
    EXPECT_EQ(encodeReal48(c.value), c.bytes);
    EXPECT_EQ(decodeReal48(c.bytes), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    KnownValues, Real48Encode,
    ::testing::Values(EncodeCase{1.5L, {0x81, 0, 0, 0, 0, 0x40}}, EncodeCase{300.0L, {0x89, 0, 0, 0, 0, 0x16}},
                      EncodeCase{0.0L, {0, 0, 0, 0, 0, 0}}, EncodeCase{1.0L, {0x81, 0, 0, 0, 0, 0}},
                      EncodeCase{-1.5L, {0x81, 0, 0, 0, 0, 0xC0}}, EncodeCase{100.0L, {0x87, 0, 0, 0, 0, 0x48}},
                      EncodeCase{0.5L, {0x80, 0, 0, 0, 0, 0}}));

struct RoundCase {
    const char* name;
    long double input;
    long double expected;
};

void PrintTo(const RoundCase& c, std::ostream* os) { *os << c.name; }

class Real48Rounding : public ::testing::TestWithParam<RoundCase> {};

TEST_P(Real48Rounding, RoundsToThirtyNineBitsTiesAwayFromZero)
{
    EXPECT_EQ(store48(GetParam().input), GetParam().expected) << GetParam().name;
}

const long double ulp = std::ldexp(1.0L, -39);  // one unit of the 39-bit fraction at 1.0

INSTANTIATE_TEST_SUITE_P(Corners, Real48Rounding,
                         ::testing::Values(RoundCase{"exact", 1 + ulp, 1 + ulp},
                                           RoundCase{"below half", 1 + ulp * 0.49L, 1.0L},
                                           RoundCase{"tie rounds up", 1 + ulp * 0.5L, 1 + ulp},
                                           RoundCase{"negative tie rounds away", -(1 + ulp * 0.5L), -(1 + ulp)},
                                           RoundCase{"above half", 1 + ulp * 0.51L, 1 + ulp},
                                           RoundCase{"carry into exponent", 2 - ulp * 0.5L, 2.0L},
                                           RoundCase{"below the range is zero", std::ldexp(1.0L, -140), 0.0L},
                                           RoundCase{"smallest value", std::ldexp(1.0L, -128), std::ldexp(1.0L, -128)},
                                           RoundCase{"negative zero", -0.0L, 0.0L}));

TEST(Real48Faults, OverflowNanAndInfinityRaiseTheFloatingPointFault)
{
    for (long double bad : {std::ldexp(1.0L, 127), 1e39L, -1e39L, std::numeric_limits<long double>::infinity(),
                            std::numeric_limits<long double>::quiet_NaN()}) {
        try {
            encodeReal48(bad);
            ADD_FAILURE() << "no fault for " << static_cast<double>(bad);
        } catch (const Fault& fault) {
            EXPECT_EQ(fault.kind(), FaultKind::FloatingPoint);
        }
    }
    EXPECT_NO_THROW(encodeReal48(1.7e38L));
}

// store48 rounds on the bits of the extended format for speed; it must agree
// with writing the six bytes and reading them back, fault for fault.
TEST(Real48Store, AgreesWithEncodingAndDecodingEverywhere)
{
    std::mt19937_64 random(48);
    std::vector<long double> values = {0.5L, 1, 0.02L, 0.1L, 1.7e38L, 1.8e38L, -2.9e-39L, 2.9e-39L, 1e-40L, 1e-4000L};
    // Mantissas that round up across a power of two, and exact ties.
    for (int e : {-130, -129, -128, 0, 1, 125, 126, 127})
        for (long double m : {1 - 0x1p-41L, 1 - 0x1p-40L, 1 + 0x1p-40L, 1 + 3 * 0x1p-40L})
            values.push_back(std::ldexp(m, e));
    for (int i = 0; i < 200000; ++i) {
        const int exponent = static_cast<int>(random() % 280) - 140;
        const long double mantissa = 1 + static_cast<long double>(random() >> 1) * 0x1p-63L;
        values.push_back((random() & 1 ? -1 : 1) * std::ldexp(mantissa, exponent));
    }
    for (long double v : values) {
        std::optional<long double> viaBytes;
        try {
            viaBytes = decodeReal48(encodeReal48(v));
        } catch (const Fault&) {
        }
        if (!viaBytes) {
            EXPECT_THROW(store48(v), Fault) << static_cast<double>(v);
            continue;
        }
        ASSERT_EQ(store48(v), *viaBytes) << std::hexfloat << v;
    }
}

TEST(Real48Faults, MessagesAreTheHandlersTable)
{
    EXPECT_EQ(faultMessage(FaultKind::FloatingPoint), "Erro de operação com dados do tipo real !");
    EXPECT_EQ(faultMessage(FaultKind::Integer), "Erro de operação com números inteiros !");
    EXPECT_EQ(faultMessage(FaultKind::Conversion), "Erro de converção !");
    EXPECT_EQ(faultMessage(FaultKind::Other), "Há erro no progrma !");
}

}  // namespace
}  // namespace ondarel
