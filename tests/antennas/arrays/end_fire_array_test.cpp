// End-fire array through its descriptor: displayed texts, refusals, faults.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "core/fault.h"
#include "support/outcome_texts.h"

namespace ondarel {
namespace {

const CalculatorDescriptor& endFire() { return *findByWindowClass("TForm7"); }

struct Example {
    const char* what;
    long double N, d;
    // output12, output13, output1, output2, angulo2, output3, output4, output5, output6, output7, output11
    std::vector<std::string> shown;
};

void PrintTo(const Example& p, std::ostream* os) { *os << p.what; }

class EndFireExamples : public ::testing::TestWithParam<Example> {};

TEST_P(EndFireExamples, ShowsEveryResult)
{
    const Example& e = GetParam();
    const Outcome o = endFire().compute({e.N, e.d});
    ASSERT_FALSE(o.refusal) << *o.refusal;
    EXPECT_EQ(texts(o), e.shown) << e.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, EndFireExamples,
                         ::testing::Values(
                             // θn = arccos(0.6), θh = arccos(0.82289), θs = arccos(0.4), D = 10·log10(10)
                             Example{"N=10 d=0.25",
                                     10,
                                     0.25L,
                                     {"-90.000", "90.000", "53.130", "0", "180", "34.625", "66.422", "106.260",
                                      "69.249", "132.844", "10.000"}},
                             // N·d = 0.75 exactly: x3 = −1 puts the side lobe at 180°; x1 = −1/3
                             Example{"N=3 d=0.25",
                                     3,
                                     0.25L,
                                     {"-90.000", "90.000", "109.471", "0", "180", "65.818", "180.000", "218.942",
                                      "131.635", "360.000", "4.771"}},
                             Example{"N=1.5 d=1",
                                     1.5L,
                                     1,
                                     {"-360.000", "360.000", "70.529", "0", "180", "45.185", "90.000", "141.058",
                                      "90.370", "180.000", "7.782"}}));

TEST(EndFireArray, WritesItsResultsInItsOwnOrder)
{
    const Outcome o = endFire().compute({10, 0.25L});
    std::vector<std::string> fields;
    for (const auto& [field, text] : o.results) fields.push_back(field);
    EXPECT_EQ(fields, (std::vector<std::string>{"output12", "output13", "output1", "output2", "angulo2", "output3",
                                                "output4", "output5", "output6", "output7", "output11"}));
}

struct Refused {
    long double N, d;
    const char* message;
};

void PrintTo(const Refused& p, std::ostream* os) { *os << p.message; }

class EndFireRefusals : public ::testing::TestWithParam<Refused> {};

TEST_P(EndFireRefusals, NamesTheFirstFailedCheck)
{
    const Outcome o = endFire().compute({GetParam().N, GetParam().d});
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(*o.refusal, GetParam().message);
    EXPECT_TRUE(o.results.empty());
}

const char* kElements = "Números de elementos fora dos parâmetros!";
const char* kSpacing = "Espaçamento normalizados entre elementos está fora dos parâmetros!";

INSTANTIATE_TEST_SUITE_P(Cases, EndFireRefusals,
                         ::testing::Values(Refused{0, 0.25L, kElements}, Refused{0, 0, kElements},
                                           Refused{-1, -1, kElements}, Refused{10, 0, kSpacing},
                                           Refused{10, -0.25L, kSpacing}));

struct Faulting {
    const char* what;
    long double N, d;
};

void PrintTo(const Faulting& p, std::ostream* os) { *os << p.what; }

class EndFireFaults : public ::testing::TestWithParam<Faulting> {};

TEST_P(EndFireFaults, StopsWithTheFloatingPointFault)
{
    try {
        endFire().compute({GetParam().N, GetParam().d});
        FAIL() << GetParam().what << ": no fault";
    } catch (const Fault& f) {
        EXPECT_EQ(f.kind(), FaultKind::FloatingPoint) << GetParam().what;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, EndFireFaults,
                         ::testing::Values(Faulting{"N·d = 0.6, side-lobe step", 2, 0.3L},
                                           Faulting{"N·d just below 0.75", 3, 0.2499L},
                                           Faulting{"N·d = 0.4, first-null step", 2, 0.2L},
                                           Faulting{"N·d = 0.2, every step", 1, 0.2L}));

}  // namespace
}  // namespace ondarel
