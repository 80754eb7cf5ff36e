// Planar array through its descriptor: displayed texts, the four checks in
// order, and the faults of the inverse cosine and the azimuth quotient.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "core/fault.h"
#include "support/outcome_texts.h"

namespace ondarel {
namespace {

const CalculatorDescriptor& planar() { return *findByWindowClass("TForm6"); }

struct Example {
    const char* what;
    std::vector<long double> inputs;  // θ0, φ0, dx, dy, M, N
    // output1, output2, output4, output5, output6, output8, output9, output7
    std::vector<std::string> shown;
};

void PrintTo(const Example& p, std::ostream* os) { *os << p.what; }

class PlanarExamples : public ::testing::TestWithParam<Example> {};

TEST_P(PlanarExamples, ShowsEveryResult)
{
    const Example& e = GetParam();
    const Outcome o = planar().compute(e.inputs);
    ASSERT_FALSE(o.refusal) << *o.refusal;
    EXPECT_EQ(texts(o), e.shown) << e.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanarExamples,
    ::testing::Values(
        // Θh = Θ/cos 30°, Ψh = Θ, D = 10·log10(32400/(11.733·10.161)) = 10·log10(271.78)
        Example{"θ0=30 φ0=45 dx=dy=0.5 M=N=10",
                {30, 45, 0.5L, 0.5L, 10, 10},
                {"-63.640", "-63.640", "45.000", "11.733", "10.161", "10.161", "10.161", "24.342"}},
        // Θy from N·dy = 2.5 is the broadside 20.403, never the 10.161 of N·dx
        Example{"dy differs from dx",
                {30, 45, 0.5L, 0.25L, 10, 10},
                {"-63.640", "-31.820", "65.700", "14.853", "12.863", "10.161", "20.403", "22.294"}},
        Example{"dx differs from dy",
                {30, 45, 0.25L, 0.5L, 10, 10},
                {"-31.820", "-63.640", "24.300", "14.853", "12.863", "20.403", "10.161", "22.294"}},
        Example{"every value distinct",
                {20, 60, 0.4L, 0.6L, 8, 5},
                {"-24.625", "-63.979", "30.474", "17.758", "16.155", "15.907", "16.975", "20.528"}},
        Example{"empty angles count as 0",
                {0, 0, 0.5L, 0.5L, 10, 10},
                {"0.000", "0.000", "45.000", "10.161", "10.161", "10.161", "10.161", "24.967"}},
        // M·dx = 0.45, just inside 1.391/π
        Example{"M·dx = 0.45",
                {0, 0, 0.225L, 0.5L, 2, 10},
                {"0.000", "0.000", "24.228", "159.430", "10.161", "159.430", "10.161", "13.010"}}));

TEST(PlanarArray, WritesItsResultsInItsOwnOrder)
{
    const Outcome o = planar().compute({30, 45, 0.5L, 0.5L, 10, 10});
    std::vector<std::string> fields;
    for (const auto& [field, text] : o.results) fields.push_back(field);
    EXPECT_EQ(fields, (std::vector<std::string>{"output1", "output2", "output4", "output5", "output6", "output8",
                                                "output9", "output7"}));
}

struct Refused {
    std::vector<long double> inputs;
    const char* message;
};

void PrintTo(const Refused& p, std::ostream* os) { *os << p.message; }

class PlanarRefusals : public ::testing::TestWithParam<Refused> {};

TEST_P(PlanarRefusals, NamesTheFirstFailedCheck)
{
    const Outcome o = planar().compute(GetParam().inputs);
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(*o.refusal, GetParam().message);
}

const char* kDx = "Espaçamento normalizado eixo X, inválido!";
const char* kDy = "Espaçamento normalizado eixo Y, inválido!";
const char* kM = "Número de elementos no eixo X, M<2, inválido!";
const char* kN = "Número de elementos no eixo Y, N<2, inválido!";

INSTANTIATE_TEST_SUITE_P(Cases, PlanarRefusals,
                         ::testing::Values(Refused{{30, 45, 0, 0, 0, 0}, kDx}, Refused{{30, 45, 0.5L, 0, 0, 0}, kDy},
                                           Refused{{30, 45, 0.5L, 0.5L, 1.5L, 0}, kM},
                                           Refused{{30, 45, 0.5L, 0.5L, 2, 1.999L}, kN},
                                           // a reopened project file leaves M empty
                                           Refused{{30, 45, 0.5L, 0.5L}, kM}));

struct Faulting {
    const char* what;
    std::vector<long double> inputs;
};

void PrintTo(const Faulting& p, std::ostream* os) { *os << p.what; }

class PlanarFaults : public ::testing::TestWithParam<Faulting> {};

TEST_P(PlanarFaults, StopsWithTheFloatingPointFault)
{
    try {
        planar().compute(GetParam().inputs);
        FAIL() << GetParam().what << ": no fault";
    } catch (const Fault& f) {
        EXPECT_EQ(f.kind(), FaultKind::FloatingPoint) << GetParam().what;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PlanarFaults,
                         ::testing::Values(Faulting{"M·dx = 0.44, just below 1.391/π", {0, 0, 0.22L, 0.5L, 2, 10}},
                                           Faulting{"N·dy = 0.4", {0, 0, 0.5L, 0.2L, 10, 2}},
                                           Faulting{"sin θ0·cos φ0 = 1/dx exactly", {90, 0, 1, 0.5L, 10, 10}}));

}  // namespace
}  // namespace ondarel
