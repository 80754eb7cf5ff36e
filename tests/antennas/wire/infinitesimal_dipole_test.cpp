#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "core/fault.h"

namespace ondarel {
namespace {

using Results = std::vector<std::pair<std::string, std::string>>;

Outcome dipole(long double f, long double L) { return findByWindowClass("TForm2")->compute({f, L}); }

struct DipoleCase {
    long double f;
    long double L;
    Results shown;
};

void PrintTo(const DipoleCase& c, std::ostream* os)
{
    *os << "f=" << static_cast<double>(c.f) << " L=" << static_cast<double>(c.L);
}

class InfinitesimalDipole : public ::testing::TestWithParam<DipoleCase> {};

TEST_P(InfinitesimalDipole, ShowsTheFiguresOfMeritWithThreeDecimals)
{
    const Outcome outcome = dipole(GetParam().f, GetParam().L);
    ASSERT_FALSE(outcome.refusal) << *outcome.refusal;
    EXPECT_EQ(outcome.results, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Examples, InfinitesimalDipole,
                         ::testing::Values(
                             // λ = 3 m, l = 0.03 m, Rr = 80π²·1e-4, Ae = 9·1.5/(4π).
                             DipoleCase{100,
                                        0.01L,
                                        {{"output2", "0.079"},
                                         {"output3", "0.030"},
                                         {"output4", "1.500"},
                                         {"output5", "1.761"},
                                         {"output6", "1.074"}}},
                             // L just inside the limit: Rr = 789.568·0.0199² = 0.31268.
                             DipoleCase{100,
                                        0.0199L,
                                        {{"output2", "0.313"},
                                         {"output3", "0.060"},
                                         {"output4", "1.500"},
                                         {"output5", "1.761"},
                                         {"output6", "1.074"}}},
                             // λ = 0.2 m: Ae = 0.04·1.5/(4π) = 0.00477.
                             DipoleCase{1500,
                                        0.015L,
                                        {{"output2", "0.178"},
                                         {"output3", "0.003"},
                                         {"output4", "1.500"},
                                         {"output5", "1.761"},
                                         {"output6", "0.005"}}},
                             // λ = 3000 m: Ae = 9e6·1.5/(4π) = 1074295.866.
                             DipoleCase{0.1L,
                                        0.001L,
                                        {{"output2", "0.001"},
                                         {"output3", "3.000"},
                                         {"output4", "1.500"},
                                         {"output5", "1.761"},
                                         {"output6", "1074295.866"}}}));

struct RefusalCase {
    long double f;
    long double L;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << "f=" << static_cast<double>(c.f) << " L=" << static_cast<double>(c.L);
}

class InfinitesimalDipoleChecks : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(InfinitesimalDipoleChecks, StopAtTheFirstFailedCheck)
{
    const Outcome outcome = dipole(GetParam().f, GetParam().L);
    ASSERT_TRUE(outcome.refusal);
    EXPECT_EQ(*outcome.refusal, GetParam().message);
    EXPECT_TRUE(outcome.results.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Order, InfinitesimalDipoleChecks,
    ::testing::Values(RefusalCase{0, 0.01L, "Frequência com valor inválido!"},
                      RefusalCase{0, 0, "Frequência com valor inválido!"},
                      RefusalCase{-5, 0.01L, "Frequência com valor inválido!"},
                      RefusalCase{100, 0, "Comprimento do Dipolo com valor inválido!"},
                      RefusalCase{100, -0.01L, "Comprimento do Dipolo com valor inválido!"},
                      RefusalCase{100, 0.02L, "Parametro fora das especificações, veja condição de L<0.02!"},
                      RefusalCase{100, 5, "Parametro fora das especificações, veja condição de L<0.02!"}));

TEST(InfinitesimalDipoleFaults, ValuesBeyondTheStoredRangeFault)
{
    EXPECT_THROW(dipole(1e39L, 0.01L), Fault);
    EXPECT_THROW(dipole(100, 1e39L), Fault);
    // λ = 300/1e-38 overflows the 6-byte real.
    EXPECT_THROW(dipole(1e-38L, 0.01L), Fault);
}

}  // namespace
}  // namespace ondarel
