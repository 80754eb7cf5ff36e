// Complex arithmetic on stored reals and the inverse hyperbolic cosine of the
// matching structures.
#include <gtest/gtest.h>

#include <cmath>

#include "core/arcosh.h"
#include "core/complex48.h"
#include "core/fault.h"
#include "core/real48.h"

namespace ondarel {
namespace {

struct Quotient {
    Complex48 x, y, expected;
};

class SmithQuotient : public ::testing::TestWithParam<Quotient> {};

TEST_P(SmithQuotient, DividesThroughTheLargerPartOfTheDivisor)
{
    const Complex48 q = GetParam().x / GetParam().y;
    EXPECT_NEAR(q.re, GetParam().expected.re, 1e-11L);
    EXPECT_NEAR(q.im, GetParam().expected.im, 1e-11L);
    EXPECT_EQ(q.re, store48(q.re));  // both parts stored
    EXPECT_EQ(q.im, store48(q.im));
}

INSTANTIATE_TEST_SUITE_P(Cases, SmithQuotient,
                         ::testing::Values(Quotient{{1, 0}, {0, 2}, {0, -0.5L}},     // |c| < |d|
                                           Quotient{{1, 0}, {-4, 0}, {-0.25L, 0}},   // |c| ≥ |d|
                                           Quotient{{3, 4}, {1, 2}, {2.2L, -0.4L}},  // (3+4j)(1−2j)/5
                                           Quotient{{3, 4}, {2, 1}, {2, 1}},
                                           Quotient{{1e30L, 1e30L}, {1e30L, -1e30L}, {0, 1}}));

TEST(Complex48, ProductSumAndScaleStoreEachPart)
{
    const Complex48 p = Complex48{3, 4} * Complex48{1, 2};
    EXPECT_EQ(p.re, -5);
    EXPECT_EQ(p.im, 10);
    const Complex48 s = Complex48{0.1L, 0} + Complex48{0.2L, 1};
    EXPECT_EQ(s.re, store48(0.1L + 0.2L));
    EXPECT_EQ((2 * Complex48{1.5L, -3}).im, -6);
}

TEST(Complex48, DividingByZeroIsTheFloatingPointFault)
{
    try {
        Complex48{1, 0} / Complex48{0, 0};
        FAIL() << "no fault";
    } catch (const Fault& f) {
        EXPECT_EQ(f.kind(), FaultKind::FloatingPoint);
    }
}

TEST(Arcosh, IsZeroUpToOneAndContinuousWhereItsFormChanges)
{
    EXPECT_EQ(arcosh(1), 0);
    EXPECT_EQ(arcosh(0.5L), 0);
    EXPECT_EQ(arcosh(-3), 0);
    EXPECT_NEAR(arcosh(2), std::acosh(2.0L), 1e-11L);
    EXPECT_NEAR(arcosh(10), std::acosh(10.0L), 1e-11L);
    EXPECT_NEAR(arcosh(1e10L), arcosh(1.0000001e10L), 1e-6L);
    EXPECT_NEAR(arcosh(1e20L), std::log(2e20L), 1e-10L);  // stored: 40 bits of 46.7
}

}  // namespace
}  // namespace ondarel
