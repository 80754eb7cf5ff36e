// Phased (scanning) array through its descriptor: the piecewise beam-edge
// rules, refusals and faults.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "core/fault.h"
#include "support/outcome_texts.h"

namespace ondarel {
namespace {

const CalculatorDescriptor& phased() { return *findByWindowClass("TForm11"); }

struct Example {
    const char* what;
    std::vector<long double> inputs;  // N, d, θ0 (a missing value is an empty field)
    // output1 … output8: β, θmax, θn, θh, θs, FNBW, HPBW, FSLBW
    std::vector<std::string> shown;
};

void PrintTo(const Example& p, std::ostream* os) { *os << p.what; }

class PhasedExamples : public ::testing::TestWithParam<Example> {};

TEST_P(PhasedExamples, ShowsEveryResult)
{
    const Example& e = GetParam();
    const Outcome o = phased().compute(e.inputs);
    ASSERT_FALSE(o.refusal) << *o.refusal;
    EXPECT_EQ(texts(o), e.shown) << e.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PhasedExamples,
    ::testing::Values(
        // p = 0.9 < 1; a = 0.67711 < 1 and Δ < 90; s = 1.1 ≥ 1 so s = −0.1
        Example{"θ0 = 60",
                {10, 0.25L, 60},
                {"-45.000", "60.000", "25.842", "47.382", "95.739", "68.316", "23.780", "71.478"}},
        // end-fire: a ≥ 1, so HPBW = 2·|90 − θh| with the fixed 90
        Example{"θ0 = 0",
                {10, 0.25L, 0},
                {"-90.000", "0.000", "53.130", "34.625", "66.422", "106.260", "110.751", "132.844"}},
        Example{"empty steering angle counts as 0°",
                {10, 0.25L},
                {"-90.000", "0.000", "53.130", "34.625", "66.422", "106.260", "110.751", "132.844"}},
        Example{"θ0 = 90 is broadside",
                {10, 0.25L, 90},
                {"0.000", "90.000", "66.422", "79.799", "53.130", "47.156", "20.403", "73.740"}},
        Example{"θ0 = 120, beyond broadside",
                {10, 0.25L, 120},
                {"45.000", "120.000", "95.739", "108.838", "84.261", "48.522", "23.780", "71.478"}},
        Example{"θ0 = 45, N = 8, d = 0.5",
                {8, 0.5L, 45},
                {"-127.279", "45.000", "16.842", "35.135", "70.603", "56.316", "18.252", "51.207"}},
        // N·d = 0.75 at end-fire: the side-lobe argument is exactly −1
        Example{"N·d = 0.75 at θ0 = 0",
                {3, 0.25L, 0},
                {"-90.000", "0.000", "109.471", "65.818", "180.000", "218.942", "48.365", "360.000"}}));

struct Refused {
    std::vector<long double> inputs;
    const char* message;
};

void PrintTo(const Refused& p, std::ostream* os) { *os << p.message; }

class PhasedRefusals : public ::testing::TestWithParam<Refused> {};

TEST_P(PhasedRefusals, NamesTheFirstFailedCheck)
{
    const Outcome o = phased().compute(GetParam().inputs);
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(*o.refusal, GetParam().message);
}

const char* kElements = "Números de elementos fora dos parâmetros!";
const char* kSpacing = "Espaçamento normalizados entre elementos está fora dos parâmetros!";

INSTANTIATE_TEST_SUITE_P(Cases, PhasedRefusals,
                         ::testing::Values(Refused{{0, 0.25L, 60}, kElements}, Refused{{0, 0, 60}, kElements},
                                           Refused{{10, 0, 60}, kSpacing}, Refused{{10, -1, 400}, kSpacing},
                                           Refused{{}, kElements}));

struct Faulting {
    const char* what;
    std::vector<long double> inputs;
};

void PrintTo(const Faulting& p, std::ostream* os) { *os << p.what; }

class PhasedFaults : public ::testing::TestWithParam<Faulting> {};

TEST_P(PhasedFaults, StopsWithTheFloatingPointFault)
{
    try {
        phased().compute(GetParam().inputs);
        FAIL() << GetParam().what << ": no fault";
    } catch (const Fault& f) {
        EXPECT_EQ(f.kind(), FaultKind::FloatingPoint) << GetParam().what;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PhasedFaults,
                         ::testing::Values(Faulting{"N·d just below 0.75 at end-fire", {3, 0.2499L, 0}},
                                           Faulting{"N·d = 0.5 at 60°, the null leaves [−1, 1]", {2, 0.25L, 60}},
                                           Faulting{"N·d = 0.2 broadside", {1, 0.2L, 90}}));

}  // namespace
}  // namespace ondarel
