// Broadside array through its descriptor, as the window and the command-line
// tool run it: displayed texts, refusals and floating-point faults.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "core/fault.h"
#include "support/outcome_texts.h"

namespace ondarel {
namespace {

const CalculatorDescriptor& broadside() { return *findByWindowClass("TForm5"); }

struct Example {
    const char* what;
    long double N, d;
    // output9, output2, output1, output3, output4, output5, output6, output7, output8
    std::vector<std::string> shown;
};

void PrintTo(const Example& p, std::ostream* os) { *os << p.what; }

class BroadsideExamples : public ::testing::TestWithParam<Example> {};

TEST_P(BroadsideExamples, ShowsEveryResult)
{
    const Example& e = GetParam();
    const Outcome o = broadside().compute({e.N, e.d});
    ASSERT_FALSE(o.refusal) << *o.refusal;
    EXPECT_EQ(texts(o), e.shown) << e.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BroadsideExamples,
    ::testing::Values(
        // θn = arccos(0.4), θh = arccos(0.17711), θs = arccos(0.6), D = 10·log10(5)
        Example{
            "N=10 d=0.25", 10, 0.25L, {"0", "90", "66.422", "79.799", "53.130", "47.156", "20.403", "73.740", "6.990"}},
        // N·d = 1.5 exactly: x3 = 1, the side lobe falls on the axis; N need not be whole
        Example{"N=1.5 d=1", 1.5L, 1, {"0", "90", "48.190", "72.832", "0.000", "83.621", "34.337", "180.000", "4.771"}},
        Example{"N=6 d=0.25, N·d = 1.5 on the other factors",
                6,
                0.25L,
                {"0", "90", "48.190", "72.832", "0.000", "83.621", "34.337", "180.000", "4.771"}},
        Example{
            "N=8 d=0.5", 8, 0.5L, {"0", "90", "75.522", "83.645", "67.976", "28.955", "12.710", "44.049", "9.031"}}));

TEST(BroadsideArray, WritesItsResultsInTableOrder)
{
    const Outcome o = broadside().compute({10, 0.25L});
    std::vector<std::string> fields;
    for (const auto& [field, text] : o.results) fields.push_back(field);
    EXPECT_EQ(fields, (std::vector<std::string>{"output9", "output2", "output1", "output3", "output4", "output5",
                                                "output6", "output7", "output8"}));
}

struct Refused {
    long double N, d;
    const char* message;
};

void PrintTo(const Refused& p, std::ostream* os) { *os << p.message; }

class BroadsideRefusals : public ::testing::TestWithParam<Refused> {};

TEST_P(BroadsideRefusals, NamesTheFirstFailedCheckAndComputesNothing)
{
    const Outcome o = broadside().compute({GetParam().N, GetParam().d});
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(*o.refusal, GetParam().message);
    EXPECT_TRUE(o.results.empty());
}

const char* kElements = "Números de elementos fora dos parâmetros!";
const char* kSpacing = "Espaçamento normalizados entre elementos está fora dos parâmetros!";

INSTANTIATE_TEST_SUITE_P(Cases, BroadsideRefusals,
                         ::testing::Values(Refused{0, 0.25L, kElements}, Refused{-3, 0.25L, kElements},
                                           Refused{0, 0, kElements},  // elements are checked first
                                           Refused{5, 0, kSpacing},   // an empty spacing field reads 0
                                           Refused{5, -0.1L, kSpacing}));

struct Faulting {
    const char* what;
    long double N, d;
};

void PrintTo(const Faulting& p, std::ostream* os) { *os << p.what; }

class BroadsideFaults : public ::testing::TestWithParam<Faulting> {};

TEST_P(BroadsideFaults, StopsWithTheFloatingPointFaultBeforeAnyResult)
{
    try {
        broadside().compute({GetParam().N, GetParam().d});
        FAIL() << GetParam().what << ": no fault";
    } catch (const Fault& f) {
        EXPECT_EQ(f.kind(), FaultKind::FloatingPoint) << GetParam().what;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BroadsideFaults,
                         ::testing::Values(Faulting{"N·d = 1.2, side-lobe step", 4, 0.3L},
                                           Faulting{"N·d just below 1.5", 6, 0.2499L},
                                           Faulting{"N·d = 1, only the null survives", 4, 0.25L},
                                           Faulting{"N·d = 0.4, first null already", 2, 0.2L}));

}  // namespace
}  // namespace ondarel
