// Hansen-Woodyard array through its descriptor: displayed texts, refusals,
// faults.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "core/fault.h"
#include "support/outcome_texts.h"

namespace ondarel {
namespace {

const CalculatorDescriptor& hansenWoodyard() { return *findByWindowClass("TForm37"); }

struct Example {
    const char* what;
    long double N, d;
    // coef1, coef2, max1, max2, nulo, pmeia, smaior, Larnulo, Larmeia, Larseg, Diretivi
    std::vector<std::string> shown;
};

void PrintTo(const Example& p, std::ostream* os) { *os << p.what; }

class HansenWoodyardExamples : public ::testing::TestWithParam<Example> {};

TEST_P(HansenWoodyardExamples, ShowsEveryResult)
{
    const Example& e = GetParam();
    const Outcome o = hansenWoodyard().compute({e.N, e.d});
    ASSERT_FALSE(o.refusal) << *o.refusal;
    EXPECT_EQ(texts(o), e.shown) << e.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HansenWoodyardExamples,
    ::testing::Values(
        // B = (0.294 + π/2)·180/π; θn = arccos(0.8), θh = arccos(0.94408), θs = arccos(0.6), D = 10·log10(17.89)
        Example{
            "N=10 d=0.25",
            10,
            0.25L,
            {"-106.845", "106.845", "0", "180", "36.870", "19.252", "53.130", "73.740", "38.503", "106.260", "12.526"}},
        // N·d = 0.8: x3 = −0.25, the side lobe passes 90°
        Example{"N=4 d=0.2",
                4,
                0.2L,
                {"-114.112", "114.112", "0", "180", "67.976", "34.386", "104.478", "135.951", "68.772", "208.955",
                 "7.578"}},
        // N·d = 0.5 exactly: x3 = −1
        Example{"N=2 d=0.25",
                2,
                0.25L,
                {"-174.225", "174.225", "0", "180", "90.000", "43.912", "180.000", "180.000", "87.825", "360.000",
                 "5.536"}},
        Example{"N=1.5 d=1: any N above 1",
                1.5L,
                1,
                {"-472.300", "472.300", "0", "180", "48.190", "24.933", "70.529", "96.379", "49.866", "141.058",
                 "10.308"}}));

TEST(HansenWoodyardArray, WritesItsResultsInItsOwnOrder)
{
    const Outcome o = hansenWoodyard().compute({10, 0.25L});
    std::vector<std::string> fields;
    for (const auto& [field, text] : o.results) fields.push_back(field);
    EXPECT_EQ(fields, (std::vector<std::string>{"coef1", "coef2", "max1", "max2", "nulo", "pmeia", "smaior", "Larnulo",
                                                "Larmeia", "Larseg", "Diretivi"}));
}

struct Refused {
    long double N, d;
    const char* message;
};

void PrintTo(const Refused& p, std::ostream* os) { *os << p.message; }

class HansenWoodyardRefusals : public ::testing::TestWithParam<Refused> {};

TEST_P(HansenWoodyardRefusals, NamesTheFirstFailedCheck)
{
    const Outcome o = hansenWoodyard().compute({GetParam().N, GetParam().d});
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(*o.refusal, GetParam().message);
}

const char* kElements = "Números de elementos fora dos parâmetros!";
const char* kSpacing = "Espaçamento normalizados entre elementos está fora dos parâmetros!";

INSTANTIATE_TEST_SUITE_P(Cases, HansenWoodyardRefusals,
                         ::testing::Values(Refused{1, 0.25L, kElements},  // two elements at least
                                           Refused{0.5L, 0.25L, kElements}, Refused{0, 0, kElements},
                                           Refused{1.0000001L, 0, kSpacing}, Refused{10, -0.25L, kSpacing}));

struct Faulting {
    const char* what;
    long double N, d;
};

void PrintTo(const Faulting& p, std::ostream* os) { *os << p.what; }

class HansenWoodyardFaults : public ::testing::TestWithParam<Faulting> {};

TEST_P(HansenWoodyardFaults, StopsWithTheFloatingPointFault)
{
    try {
        hansenWoodyard().compute({GetParam().N, GetParam().d});
        FAIL() << GetParam().what << ": no fault";
    } catch (const Fault& f) {
        EXPECT_EQ(f.kind(), FaultKind::FloatingPoint) << GetParam().what;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, HansenWoodyardFaults,
                         ::testing::Values(Faulting{"N·d just below 0.5: side lobe leaves [−1, 1]", 2, 0.2499L},
                                           Faulting{"N·d = 0.4", 2, 0.2L},
                                           Faulting{"N·d below 0.25: first null too", 2, 0.1L}));

}  // namespace
}  // namespace ondarel
