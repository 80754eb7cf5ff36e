// The four matching structures through their descriptors, as the window and
// the command-line tool run them, and their designs put back into the circuit.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <set>

#include "catalogue/catalogue.h"
#include "core/fault.h"
#include "matching/gamma_match.h"
#include "matching/l_network.h"
#include "matching/t_match.h"
#include "support/outcome_texts.h"

namespace ondarel {
namespace {

using Values = std::vector<long double>;

Outcome run(const char* windowClass, const Values& in) { return findByWindowClass(windowClass)->compute(in); }

struct Example {
    const char* what;
    const char* windowClass;
    Values in;
    std::vector<std::string> shown;  // in output order
};

void PrintTo(const Example& e, std::ostream* os) { *os << e.windowClass << " " << e.what; }

class MatchingExamples : public ::testing::TestWithParam<Example> {};

TEST_P(MatchingExamples, ShowEveryResultWithItsDecimals)
{
    const Outcome o = run(GetParam().windowClass, GetParam().in);
    ASSERT_FALSE(o.refusal) << *o.refusal;
    EXPECT_EQ(texts(o), GetParam().shown);
}

const Values kRods = {100, 73, 42.5L, 0.004L, 0.002L, 0.025L, 0.05L};

INSTANTIATE_TEST_SUITE_P(
    Cases, MatchingExamples,
    ::testing::Values(
        // The capacitances resonate Im Zin at 2π·f: 10.061 pF in all, two of 20.122 pF in series.
        Example{"worked example",
                "TForm31",
                kRods,
                {"3.000", "344.194", "111.835", "55.712", "158.187", "0.001981", "-0.005624", "10.061", "20.122"}},
        Example{"d1 = d2, Xa negative",
                "TForm31",
                {100, 73, -42.5L, 0.003L, 0.003L, 0.02L, 0.1L},
                {"3.000", "310.151", "225.338", "361.538", "103.159", "0.002558", "-0.000730", "15.428", "30.856"}},
        Example{"Ra = 0 and both diameter bounds",
                "TForm31",
                {100, 0, 42.5L, 0.0044400001L, 0.00444L, 0.025L, 0.05L},
                {"3.000", "289.607", "94.099", "0.000", "89.318", "0.000000", "-0.011196", "17.819", "35.638"}},
        Example{"l = 0.25, tangent at its pole",
                "TForm31",
                {100, 73, 42.5L, 0.004L, 0.002L, 0.025L, 0.25L},
                {"3.000", "344.194", "-320289050542592.000", "377.057", "219.520", "0.001981", "-0.001153", "7.250",
                 "14.500"}},
        // Half the T match's Zin, the same capacitance.
        Example{"worked example",
                "TForm33",
                kRods,
                {"3.000", "344.194", "111.835", "27.856", "79.093", "0.003961", "-0.011248", "20.122"}},
        Example{"d2 > d1 and above 0.00444",
                "TForm33",
                {100, 73, 42.5L, 0.002L, 0.01L, 0.025L, 0.05L},
                {"3.000", "287.145", "93.299", "26.814", "47.464", "0.009023", "-0.015971", "33.532"}},
        Example{"worked example",
                "TForm34",
                {100, 73, 42.5L, 0.45L, 0.002L, 0.02L},
                {"3.000", "359.187", "2267.816", "270.242", "180.628", "0.00256", "-0.00171"}},
        Example{"l = 0.5: Zin = 4(Rd + jXd)",
                "TForm34",
                {100, 73, 42.5L, 0.5L, 0.002L, 0.02L},
                {"3.000", "359.187", "-334240794951168.000", "292.000", "170.000", "0.00256", "-0.00149"}},
        Example{"s just above d: small Z0",
                "TForm34",
                {100, 73, 42.5L, 0.45L, 0.002L, 0.0020001L},
                {"3.000", "1.200", "7.576", "0.561", "14.797", "0.00256", "-0.06748"}},
        Example{"Ra > Z0", "TForm36", {100, 73, 42.5L, 50}, {"62.681", "48.859", "25.391", "77.761"}},
        Example{"Ra > Z0, Xa negative", "TForm36", {100, 73, -42.5L, 50}, {"247.464", "48.859", "6.431", "77.761"}},
        Example{"Ra < Z0, Xa = 0", "TForm36", {100, 25, 0, 50}, {"50.000", "25.000", "31.831", "39.789"}},
        // The inductor supplies 25 Ω less the antenna's 20 Ω.
        Example{"Ra < Z0, Xa = 20", "TForm36", {100, 25, 20, 50}, {"50.000", "5.000", "31.831", "7.958"}},
        // Xa above Ra·q = 25 Ω: the capacitor goes across the antenna.
        Example{"Ra < Z0, Xa = 40", "TForm36", {100, 25, 40, 50}, {"35.841", "44.159", "44.406", "70.281"}}));

struct Refused {
    const char* windowClass;
    Values in;
    const char* message;
};

void PrintTo(const Refused& r, std::ostream* os) { *os << r.windowClass << " " << r.message; }

class MatchingRefusals : public ::testing::TestWithParam<Refused> {};

TEST_P(MatchingRefusals, NameTheFirstFailedCheckAndComputeNothing)
{
    const Outcome o = run(GetParam().windowClass, GetParam().in);
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(*o.refusal, GetParam().message);
    EXPECT_TRUE(o.results.empty());
}

const char* kLargerT = "Diâmetro do maior elemento Inválido, recomenda-se um diâmetro de até 0.00444!!";
const char* kSmallerT = "Diâmetro do menor elemento Inválido, recomenda-se um diâmetro de até 0.00444!!";
const char* kRaL = "Impedância da antena parte real(Ra) deve ser diferente da impedância característica(Zo) ou Ra>0!!";

INSTANTIATE_TEST_SUITE_P(
    Cases, MatchingRefusals,
    ::testing::Values(
        Refused{"TForm31", {0, 73, 0, 0.004L, 0.002L, 0.025L, 0.05L}, "Freqüência Inválida!!"},
        Refused{"TForm31", {100, -1, 0, 0.004L, 0.002L, 0.025L, 0.05L}, "Impedância da Antena Inválida!!"},
        Refused{"TForm31", {100, 73, 0, 0, 0.002L, 0.025L, 0.05L}, kLargerT},
        Refused{"TForm31", {100, 73, 0, 0.0044400002L, 0.002L, 0.025L, 0.05L}, kLargerT},
        Refused{"TForm31", {100, 73, 0, 0.004L, 0, 0.025L, 0.05L}, kSmallerT},
        Refused{"TForm31", {100, 73, 0, 0.0044400001L, 0.0044400001L, 0.025L, 0.05L}, kSmallerT},
        Refused{"TForm31",
                {100, 73, 0, 0.002L, 0.003L, 0.025L, 0.05L},
                "Diâmetro do maior elemento deve ser >= ao diâmetro do menor elemento!!"},
        Refused{"TForm31", {100, 73, 0, 0.004L, 0.002L, 0, 0.05L}, "Espaçamento centro-a-centro Inválido!!"},
        Refused{"TForm31", {100, 73, 0, 0.004L, 0.002L, 0.025L, 0}, "Comprimento de cada vareta  Inválida!!"},
        Refused{"TForm33", {-1, 73, 0, 0.004L, 0.002L, 0.025L, 0.05L}, "Freqüência Inválida!!"},
        Refused{"TForm33", {100, -1, 0, 0.004L, 0.002L, 0.025L, 0.05L}, "Impedância da Antena Inválida!!"},
        Refused{"TForm33", {100, 73, 0, 0, 0.002L, 0.025L, 0.05L}, "Diâmetro do maior elemento Inválido!!"},
        Refused{"TForm33", {100, 73, 0, 0.004L, 0, 0.025L, 0.05L}, "Diâmetro do menor elemento Inválido!!"},
        Refused{"TForm33", {100, 73, 0, 0.004L, 0.002L, -1, 0.05L}, "Espaçamento centro-a-centro Inválido!!"},
        Refused{"TForm33", {100, 73, 0, 0.004L, 0.002L, 0.025L, 0}, "Comprimento da vareta Inválida!!"},
        Refused{"TForm34", {0, 73, 0, 0.45L, 0.002L, 0.02L}, "Freqüência Inválida!!"},
        Refused{"TForm34", {100, -1, 0, 0.45L, 0.002L, 0.02L}, "Impedância do dipolo Inválida!!"},
        Refused{"TForm34", {100, 73, 0, 0, 0.002L, 0.02L}, "Comprimento do dipolo Inválido!!"},
        Refused{"TForm34", {100, 73, 0, 0.45L, 0, 0.02L}, "Diâmetro dos condutores Inválido!!"},
        Refused{"TForm34", {100, 73, 0, 0.45L, 0.002L, 0}, "Espaçamento centro-a-centro Inválido!!"},
        Refused{"TForm34",
                {100, 73, 0, 0.45L, 0.002L, 0.002L},
                "Espaçamento centro-a-centro tem que ser maior e diferente do que o diâmetro dos condutores!!"},
        Refused{"TForm36", {0, 73, 0, 50}, "Freqüência inválida!!"},
        Refused{"TForm36", {100, 0, 20, 50}, kRaL},  // would divide by zero
        Refused{"TForm36", {100, -5, 20, 50}, kRaL}, Refused{"TForm36", {100, 50, 20, 50}, kRaL},
        Refused{"TForm36", {100, 0, 0, 0}, kRaL},  // Ra = Z0 = 0: the second check comes first
        Refused{"TForm36", {100, 50, 20, 0}, "Impedância característica da Linha de Transmissão Inválida!!"}));

struct Faulting {
    const char* what;
    const char* windowClass;
    Values in;
};

void PrintTo(const Faulting& f, std::ostream* os) { *os << f.windowClass << " " << f.what; }

class MatchingFaults : public ::testing::TestWithParam<Faulting> {};

TEST_P(MatchingFaults, StopWithTheFloatingPointFault)
{
    try {
        run(GetParam().windowClass, GetParam().in);
        FAIL() << "no fault";
    } catch (const Fault& f) {
        EXPECT_EQ(f.kind(), FaultKind::FloatingPoint);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MatchingFaults,
    ::testing::Values(Faulting{"conductors overlap", "TForm31", {100, 73, 42.5L, 0.004L, 0.002L, 0.002L, 0.05L}},
                      Faulting{"conductors touch", "TForm31", {100, 73, 42.5L, 0.004L, 0.002L, 0.003L, 0.05L}},
                      Faulting{"zero impedance", "TForm31", {100, 0, 0, 0.004L, 0.002L, 0.025L, 0.05L}},
                      Faulting{"conductors overlap", "TForm33", {100, 73, 42.5L, 0.004L, 0.002L, 0.001L, 0.05L}},
                      Faulting{"zero impedance", "TForm33", {100, 0, 0, 0.004L, 0.002L, 0.025L, 0.05L}},
                      Faulting{"zero impedance", "TForm34", {100, 0, 0, 0.45L, 0.002L, 0.02L}}));

// Each window turns the matching-structures geometry to its own page and
// prints every input and result once, with no two texts at one place.
TEST(MatchingDescriptors, PrintEachFieldOnceAndOpenTheirGeometryPage)
{
    int page = 0;
    for (const char* windowClass : {"TForm31", "TForm33", "TForm34", "TForm36"}) {
        SCOPED_TRACE(windowClass);
        const CalculatorDescriptor& d = *findByWindowClass(windowClass);
        ASSERT_TRUE(d.geometry);
        EXPECT_EQ(d.geometry->windowClass, "TForm35");
        EXPECT_EQ(d.geometry->page, page++);
        std::multiset<std::string> printed, owned;
        std::set<std::pair<int, int>> places;
        for (const auto& t : d.sheet) {
            if (!t.field.empty()) printed.insert(t.field);
            EXPECT_TRUE(places.insert({t.x, t.y}).second) << t.text << t.field;
        }
        for (const auto& in : d.inputs) owned.insert(in.name);
        for (const auto& row : d.results) owned.insert(row.fields.begin(), row.fields.end());
        EXPECT_EQ(printed, owned);
    }
}

using Z = std::complex<long double>;

long double reactance_of_capacitor(long double pf, long double mhz) { return 1e6L / (2 * M_PIl * mhz * pf); }

// The series capacitors bring the matched input to a pure resistance, to the
// three decimals the impedance is shown with, over a grid of designs.
TEST(MatchingDesigns, TAndGammaCapacitorsLeaveNoReactance)
{
    int checked = 0;
    for (long double f : {14.2L, 100.0L, 435.0L})
        for (long double Ra : {12.0L, 73.0L, 300.0L})
            for (long double Xa : {0.0L, 42.5L, 150.0L})
                for (const auto& [d1, d2, s, l] :
                     {std::array{0.004L, 0.002L, 0.025L, 0.05L}, std::array{0.003L, 0.003L, 0.02L, 0.1L},
                      std::array{0.0044L, 0.001L, 0.05L, 0.2L}}) {
                    SCOPED_TRACE(testing::Message() << "f=" << f << " Z=" << Ra << "+j" << Xa << " l=" << l);
                    const auto t = std::get<TMatchResults>(computeTMatch({f, Ra, Xa, d1, d2, s, l}));
                    ASSERT_GT(t.zin_im, 0);  // rods shorter than λ/4 leave an inductive input
                    const Z leg{0, -reactance_of_capacitor(t.leg_capacitance_pf, f)};
                    EXPECT_NEAR((Z{t.zin_re, t.zin_im} + leg + leg).imag(), 0, 0.0005L);
                    EXPECT_NEAR(reactance_of_capacitor(t.series_capacitance_pf, f), t.zin_im, 0.0005L);

                    const auto g = std::get<GammaMatchResults>(computeGammaMatch({f, Ra, Xa, d1, d2, s, l}));
                    const Z cap{0, -reactance_of_capacitor(g.capacitance_pf, f)};
                    EXPECT_NEAR((Z{g.zin_re, g.zin_im} + cap).imag(), 0, 0.0005L);
                    ++checked;
                }
    EXPECT_EQ(checked, 81);
}

// The line looks into the capacitor and the inductor and the antenna and sees
// Z0, to the three decimals the reactances are shown with.
TEST(MatchingDesigns, LNetworkPresentsZ0ToTheLine)
{
    int checked = 0;
    for (long double f : {7.0L, 100.0L})
        for (long double Ra : {5.0L, 25.0L, 49.0L, 51.0L, 73.0L, 150.0L, 600.0L})
            for (long double Xa : {-100.0L, -42.5L, 0.0L, 20.0L, 24.9L, 25.1L, 42.5L, 150.0L})
                for (long double Z0 : {50.0L, 75.0L, 300.0L}) {
                    SCOPED_TRACE(testing::Message() << "f=" << f << " Z=" << Ra << "+j" << Xa << " Z0=" << Z0);
                    const auto r = std::get<LNetworkResults>(computeLNetwork({f, Ra, Xa, Z0}));
                    const Z shunt{0, -reactance_of_capacitor(r.capacitance_pf, f)};
                    const Z series{0, 2 * M_PIl * f * r.inductance_nh / 1000};
                    const Z antenna{Ra, Xa};
                    auto parallel = [](Z a, Z b) { return a * b / (a + b); };
                    const Z seen = r.shunt == ShuntSide::Line ? parallel(shunt, antenna + series)
                                                              : parallel(shunt, antenna) + series;
                    EXPECT_NEAR(seen.real(), Z0, 0.0005L);
                    EXPECT_NEAR(seen.imag(), 0, 0.0005L);
                    EXPECT_GE(r.capacitive_reactance_ohm, 0);
                    EXPECT_GE(r.inductive_reactance_ohm, 0);
                    ++checked;
                }
    EXPECT_EQ(checked, 2 * 7 * 8 * 3);
}

}  // namespace
}  // namespace ondarel
