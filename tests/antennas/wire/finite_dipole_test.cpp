// Finite dipole through its descriptor, as the window and the command-line
// tool run it: displayed texts, the classification notes, refusals in their
// order and floating-point faults.
#include <gtest/gtest.h>

#include <cmath>

#include "antennas/wire/finite_dipole.h"
#include "catalogue/catalogue.h"
#include "core/fault.h"
#include "core/real48.h"
#include "support/outcome_texts.h"

namespace ondarel {
namespace {

const CalculatorDescriptor& dipole() { return *findByWindowClass("TForm4"); }

constexpr const char* kLinear = "A Antena se comporta como um Dipolo Linear!";
constexpr const char* kShort = "A Antena se comporta como um Dipolo Curto!";

struct Example {
    const char* what;
    std::vector<long double> in;  // f, L, ρ, σ
    const char* note;
    // output9, output10, output2 … output8
    std::vector<std::string> shown;
};

void PrintTo(const Example& e, std::ostream* os) { *os << e.what; }

class FiniteDipoleExamples : public ::testing::TestWithParam<Example> {};

TEST_P(FiniteDipoleExamples, ShowsEveryResultAfterItsNote)
{
    const Example& e = GetParam();
    const Outcome o = dipole().compute(e.in);
    ASSERT_FALSE(o.refusal) << *o.refusal;
    EXPECT_EQ(o.notes, std::vector<std::string>{e.note});
    EXPECT_EQ(texts(o), e.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FiniteDipoleExamples,
    ::testing::Values(
        // Rr = 73.13, D0 = 1.641, Xm = 30·Si(2π) = 42.54; Rin a little above Rr through the 1.01 factor
        Example{"half wave",
                {300, 0.5L, 0.001L, 5.7e7L},
                kLinear,
                {"73.151", "42.550", "73.133", "0.363", "1.641", "2.151", "0.131", "99.506", "0.500"}},
        // D0 = 1.5 and 10·log10 1.5 whatever the length; Rr = 20π²L²
        Example{"short dipole at 100 MHz",
                {100, 0.05L, 0.001L, 5.7e7L},
                kShort,
                {"20.165", "-1679.024", "0.493", "0.021", "1.500", "1.761", "1.074", "95.929", "0.150"}},
        Example{"0.1 is already linear",
                {300, 0.1L, 0.001L, 5.7e7L},
                kLinear,
                {"1.956", "-1050.767", "0.190", "0.073", "1.510", "1.790", "0.120", "72.408", "0.100"}},
        // sin²(1.01π) is small but not zero: about 2·10^5 ohms
        Example{"full wave",
                {300, 1, 0.001L, 5.7e7L},
                kLinear,
                {"201796.484", "127095.221", "199.100", "0.725", "2.411", "3.822", "0.192", "99.637", "1.000"}},
        Example{"just under the 43 limit, thin poor conductor",
                {300, 42.9L, 1e-5L, 3.5e7L},
                kLinear,
                {"719.746", "744.480", "531.258", "3971.767", "22.178", "13.459", "1.765", "11.798", "42.900"}},
        Example{"just above the infinitesimal limit",
                {100, 0.0200001L, 0.001L, 5.7e7L},
                kShort,
                {"20.026", "-2483.638", "0.079", "0.008", "1.500", "1.761", "1.074", "90.408", "0.060"}}));

TEST(FiniteDipole, WritesTheImpedanceFirst)
{
    const Outcome o = dipole().compute({300, 0.5L, 0.001L, 5.7e7L});
    std::vector<std::string> fields;
    for (const auto& [field, text] : o.results) fields.push_back(field);
    EXPECT_EQ(fields, (std::vector<std::string>{"output9", "output10", "output2", "output3", "output4", "output5",
                                                "output6", "output7", "output8"}));
}

struct Refused {
    std::vector<long double> in;
    const char* message;
};

class FiniteDipoleRefusals : public ::testing::TestWithParam<Refused> {};

TEST_P(FiniteDipoleRefusals, NameTheFirstFailedCheckAndComputeNothing)
{
    const Outcome o = dipole().compute(GetParam().in);
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(*o.refusal, GetParam().message);
    EXPECT_TRUE(o.notes.empty());
    EXPECT_TRUE(o.results.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FiniteDipoleRefusals,
    ::testing::Values(Refused{{0, 0, 0, 0}, "Frequência com valor não especificado!"},
                      Refused{{-1, 0.5L, 0.001L, 1}, "Frequência com valor não especificado!"},
                      Refused{{300, 0, 0, 0}, "Comprimento Normalizado do Dipolo com valor não especificado!"},
                      Refused{{300, 43, 0, 0}, "Excedido o Valor do Comprimento Normalizado do Dipolo Escolha< 43!"},
                      Refused{{300, 0.02L, 0, 0}, "Este Dipolo Opera como Dipolo infinitesimal, Utilize outra Janela!"},
                      Refused{{300, 0.01L, 0, 0}, "Este Dipolo Opera como Dipolo infinitesimal, Utilize outra Janela!"},
                      Refused{{300, 42.9L, 0, 0}, "Raio do Dipolo com valor não especificado!"},
                      Refused{{300, 0.5L, 0.001L, 0}, "Condutividade do Dipolo com valor não especificado!"},
                      Refused{{300, 0.5L, 0.001L, -5}, "Condutividade do Dipolo com valor não especificado!"}));

TEST(FiniteDipole, ClassifiesOnTheStoredLimitOfOneTenth)
{
    EXPECT_EQ(dipole().compute({300, 0.1L, 0.001L, 5.7e7L}).notes, std::vector<std::string>{kLinear});
    EXPECT_EQ(dipole().compute({300, 0.0999L, 0.001L, 5.7e7L}).notes, std::vector<std::string>{kShort});
}

// A pole of the input impedance (1.01·π·L a whole multiple of π to the
// precision of the stored length) and results beyond the 6-byte range end in
// the fault report after the note, never in a number made of rounding noise.
TEST(FiniteDipole, PolesAndOverflowsFaultAfterTheNote)
{
    const std::vector<std::vector<long double>> faulting = {
        {300, 1 / 1.01L, 0.001L, 5.7e7L},  {300, 2 / 1.01L, 0.001L, 5.7e7L},
        {300, 42 / 1.01L, 0.001L, 5.7e7L}, {1e-18L, 0.5L, 0.001L, 5.7e7L},  // λ² D/(4π) beyond 1.7·10^38
        {1e38L, 0.5L, 0.001L, 1e-38L},                                      // the loss resistance
        {1e38L, 0.5L, 1e-38L, 5.7e7L},                                      // the radius underflows to 0: ln 0
    };
    for (const auto& in : faulting) {
        const Outcome o = dipole().compute(in);
        EXPECT_EQ(o.notes, std::vector<std::string>{kLinear}) << static_cast<double>(in[1]);
        ASSERT_TRUE(o.fault) << static_cast<double>(in[0]) << " " << static_cast<double>(in[1]);
        EXPECT_TRUE(o.results.empty());
        try {
            std::rethrow_exception(o.fault);
        } catch (const Fault& f) {
            EXPECT_EQ(f.kind(), FaultKind::FloatingPoint);
        }
    }
    // Off the pole by a typed six decimals the formula's large value stands.
    EXPECT_FALSE(dipole().compute({300, 0.990099L, 0.001L, 5.7e7L}).fault);
}

TEST(SineCosineIntegrals, SeriesBelowOneRationalFromOne)
{
    // Si(1) = 0.946083; the three-term series gives 1 − 1/18 + 1/600 = 0.946111.
    EXPECT_NEAR(static_cast<double>(sineCosineIntegrals(1).si), 0.946083, 2e-5);
    EXPECT_NEAR(static_cast<double>(sineCosineIntegrals(std::nextafter(1.0L, 0.0L)).si), 0.9461111, 1e-6);
    // Ci(1) = 0.337404 (rational); series: γ − 1/4 + 1/96 − 1/4320
    EXPECT_NEAR(static_cast<double>(sineCosineIntegrals(1).ci), 0.337404, 2e-5);
    EXPECT_NEAR(static_cast<double>(sineCosineIntegrals(0.999999L).ci), 0.577216 - 0.25 + 1 / 96.0 - 1 / 4320.0, 3e-6);
    EXPECT_THROW(sineCosineIntegrals(0), Fault);
}

// The maximum is searched in double precision first; it must be the one the
// plain specified loop finds, to the last bit.
TEST(DipolePatternMaximum, IsTheSpecifiedLoopsMaximum)
{
    const long double pi = 3.14159265358979323846264338327950288L;
    auto specified = [pi](long double x, long double step, int count) {
        const long double u = store48(pi * x);
        auto F = [&](int i) -> long double {
            const long double th = store48(i * step);
            return std::sin(th) == 0 ? 0 : (std::cos(u * std::cos(th)) - std::cos(u)) / std::sin(th);
        };
        long double M = 0;
        for (int i = 1; i <= count; ++i) {
            const long double th = store48(i * step);
            const long double f = std::sin(th) != 0 ? F(i) : (F(i - 1) + F(i + 1)) / 2;
            M = std::fmax(M, std::fabs(store48(f * f)));
        }
        return M;
    };
    for (long double x : {0.0075L, 0.05L, 0.1L, 0.5L, 0.99L, 1.0L, 1.25L, 2.5L, 7.3L, 42.9L}) {
        EXPECT_EQ(dipolePatternMaximum(x, 2 * pi * 1e-4L, 10000), specified(x, 2 * pi * 1e-4L, 10000))
            << static_cast<double>(x);
        EXPECT_EQ(dipolePatternMaximum(x, pi * 0.0025L, 400), specified(x, pi * 0.0025L, 400))
            << static_cast<double>(x);
    }
}

}  // namespace
}  // namespace ondarel
