// The small circular loop and the two helices through their descriptors, as
// "Calcular" runs them: worked examples, checks in order, both sides of each
// limit, and the arithmetic faults.
#include <gtest/gtest.h>

#include <cmath>

#include "catalogue/catalogue.h"
#include "core/fault.h"
#include "support/outcome_texts.h"

namespace ondarel {
namespace {

using Texts = std::vector<std::string>;

Outcome run(const char* windowClass, std::vector<long double> inputs)
{
    return findByWindowClass(windowClass)->compute(inputs);
}

struct Example {
    const char* why;
    const char* windowClass;
    std::vector<long double> inputs;  // in file order
    Texts shown;                      // in the order they are written
    Texts notes;
};

void PrintTo(const Example& e, std::ostream* os) { *os << e.windowClass << ": " << e.why; }

class WireExamples : public ::testing::TestWithParam<Example> {};

TEST_P(WireExamples, ShowTheirResultsWithThreeDecimals)
{
    const Outcome outcome = run(GetParam().windowClass, GetParam().inputs);
    ASSERT_FALSE(outcome.refusal) << *outcome.refusal;
    EXPECT_EQ(texts(outcome), GetParam().shown);
    EXPECT_EQ(outcome.notes, GetParam().notes);
}

const char* kSmall = "Espira Circular Infinitesimal!";
const char* kFinite = "Espira Circular com Raio Finito!";

// Loop inputs: f, a, b, σ, N. Helix: f, G, α, NL, S. Axial: f, G, α, Cλ.
INSTANTIATE_TEST_SUITE_P(
    Parts, WireExamples,
    ::testing::Values(
        // λ = 1: Lc = 2π·0.05, Rr = 20π²(Lc/λ)⁴, RL = (a/b)·Rs, Ae = 3/(8π).
        Example{"small loop, one turn",
                "TForm10",
                {300, 0.05L, 0.001L, 57600000, 1},
                {"0.314", "1.923", "0.227", "1.500", "1.761", "0.119", "89.452"},
                {kSmall}},
        // Two turns: the proximity factor 4.05; finite: Rr = 60π²N²Lc/λ, D = 0.682·Lc/λ.
        Example{"finite loop, two turns",
                "TForm10",
                {300, 0.1L, 0.001L, 57600000, 2},
                {"0.628", "1488.301", "2.061", "0.429", "-3.680", "0.034", "99.862"},
                {kFinite}},
        Example{"fractional turns use the proximity form",
                "TForm10",
                {300, 0.06L, 0.001L, 39600000, 2.5L},
                {"0.377", "1395.282", "1.321", "0.257", "-5.899", "0.020", "99.905"},
                {kFinite}},
        // At 30 MHz (λ = 10 m) the radius in wavelengths still decides, and
        // the finite loop's area is λ²·D/(4π), not 0.0543·Lc.
        Example{"finite at 30 MHz",
                "TForm10",
                {30, 0.06L, 0.0005L, 41000000, 3},
                {"3.770", "2009.207", "3.726", "0.257", "-5.899", "2.046", "99.815"},
                {kFinite}},
        Example{"small at 30 MHz",
                "TForm10",
                {30, 0.05L, 0.0005L, 61000000, 1},
                {"3.142", "1.923", "0.139", "1.500", "1.761", "11.937", "93.243"},
                {kSmall}},
        Example{"normal helix worked example",
                "TForm12",
                {300, 1.76L, 12.5L, 0.05L, 0.01L},
                {"432.879", "0.014", "0.045", "0.750", "0.046", "4.329", "20.000", "9.830", "1.760"},
                {}},
        Example{"normal helix, both NL limits: 0.1",
                "TForm12",
                {100, 2, 30, 0.1L, 0.02L},
                {"250.000", "0.033", "0.104", "2.250", "0.120", "15.000", "30.000", "33.333", "2.000"},
                {}},
        Example{"normal helix, both NL limits: 0.01",
                "TForm12",
                {150, 1.5L, 45, 0.01L, 0.005L},
                {"14142.136", "0.003", "0.010", "1.500", "0.014", "141.421", "200.000", "400.000", "1.500"},
                {}},
        Example{"axial helix worked example",
                "TForm8",
                {300, 10, 13, 1},
                {"0.231", "0.318", "1.000", "0.115", "0.750", "2.000", "2.888", "1.026", "0.667", "2.964", "1.173",
                 "10.000", "140.000", "63.687", "140.846"},
                {}},
        Example{"axial helix, 21 terms of the exponential series",
                "TForm8",
                {300, 50, 13, 1},
                {"0.231", "0.318", "1.000", "0.115", "0.750", "2.000", "28657.286", "1.026", "6616.056", "29411.091",
                 "1.000", "99240.838", "140.000", "0.639", "1.414"},
                {}},
        Example{"axial helix, lower limits α = 18 (upper), Cλ = 0.75",
                "TForm8",
                {150, 8, 18, 0.75L},
                {"0.487", "0.477", "1.500", "0.244", "1.500", "4.000", "3.069", "1.577", "1.496", "4.840", "1.163",
                 "6.310", "105.000", "80.177", "177.314"},
                {}},
        Example{"axial helix, α = 12 and Cλ = 1.33",
                "TForm8",
                {450, 15, 12, 1.33L},
                {"0.188", "0.282", "0.887", "0.094", "0.500", "1.333", "4.216", "0.906", "0.795", "3.822", "1.119",
                 "31.623", "186.200", "35.814", "79.203"},
                {}}));

struct Check {
    const char* windowClass;
    std::vector<long double> inputs;
    const char* message;
};

void PrintTo(const Check& c, std::ostream* os)
{
    *os << c.windowClass;
    for (long double v : c.inputs) *os << " " << static_cast<double>(v);
}

class WireChecks : public ::testing::TestWithParam<Check> {};

TEST_P(WireChecks, StopAtTheFirstFailedCheck)
{
    const Outcome outcome = run(GetParam().windowClass, GetParam().inputs);
    ASSERT_TRUE(outcome.refusal);
    EXPECT_EQ(*outcome.refusal, GetParam().message);
    EXPECT_TRUE(outcome.results.empty());
    EXPECT_TRUE(outcome.notes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Order, WireChecks,
    ::testing::Values(
        Check{"TForm10", {0, 0, 0, 0, 0}, "Frequência com valor inválida!"},
        Check{"TForm10", {300, 0.05L, 0.001L, 5.76e7L, 0}, "Número de voltas inválido!"},
        Check{"TForm10", {300, 0, 0, 0, -1}, "Número de voltas inválido!"},
        Check{"TForm10", {300, 0, 0, 0, 1}, "Raio normalizado da espira inválido!"},
        Check{"TForm10", {300, 0.05L, -0.001L, 0, 1}, "Raio normalizado do fio condutor inválido!"},
        Check{"TForm10", {300, 0.05L, 0.001L, 0, 1}, "Condutividade do material inválida"},
        Check{"TForm12", {0, 1, 10, 0.05L, 0.01L}, "Frequência com valor não especificado!"},
        Check{"TForm12", {300, 0, 10, 0.05L, 0.01L}, "Ganho com valor não especificado!"},
        Check{"TForm12", {300, 1, 0, 0.05L, 0.01L}, "O ângulo de Passo fora dos parâmetros!"},
        Check{"TForm12", {300, 1, 10, 0, 0.01L}, "Condição de modo normal fora dos parâmetros!"},
        Check{"TForm12", {300, 1, 10, 0.2L, 0}, "Condição de Modo Normal fora dos parâmetros!"},
        Check{"TForm12", {300, 1, 10, 0.1000001L, 0.01L}, "Condição de Modo Normal fora dos parâmetros!"},
        Check{"TForm12", {300, 1, 10, 0.0099999L, 0.01L}, "Condição de Modo Normal fora dos parâmetros!"},
        Check{"TForm12", {300, 1, 10, 0.05L, 0}, "Espaçamento normalizado entre espiras fora dos parâmetros!"},
        Check{"TForm8", {-1, 10, 13, 1}, "Frequência com valor não especificado!"},
        Check{"TForm8", {300, 0, 13, 1}, "Ganho com valor não especificado!"},
        Check{"TForm8", {300, 10, 11.9L, 1}, "O ângulo de Passo fora dos parâmetros!"},
        Check{"TForm8", {300, 10, 18.01L, 0}, "O ângulo de Passo fora dos parâmetros!"},
        Check{"TForm8", {300, 10, 13, 1.4L}, "Verifique a faixa ideal!"},
        Check{"TForm8", {300, 10, 13, 1.3301L}, "Verifique a faixa ideal!"},
        Check{"TForm8", {300, 10, 13, 0.7499L}, "Verifique a faixa ideal!"}));

TEST(WireFaults, OverflowAndDivisionByZeroFaultInsteadOfShowingInfinity)
{
    struct Case {
        const char* why;
        const char* windowClass;
        std::vector<long double> inputs;
    };
    const Case cases[] = {
        {"pitch angle of 90°: tan α has no value", "TForm12", {300, 1, 90, 0.05L, 0.01L}},
        {"pitch angle of 270°", "TForm12", {300, 1, 270, 0.05L, 0.01L}},
        {"pitch angle of 180°: the diameter divides by zero", "TForm12", {300, 1, 180, 0.05L, 0.01L}},
        {"λ beyond the 6-byte range", "TForm12", {1e-38L, 1, 10, 0.05L, 0.01L}},
        {"a gain whose ratio overflows", "TForm8", {300, 1e30L, 13, 1}},
        {"a frequency beyond the 6-byte range", "TForm8", {1e39L, 10, 13, 1}},
        {"a loop radiation resistance beyond the range", "TForm10", {300, 0.1L, 0.001L, 5.76e7L, 1e19L}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        try {
            run(c.windowClass, c.inputs);
            ADD_FAILURE() << "no fault";
        } catch (const Fault& fault) {
            EXPECT_EQ(fault.kind(), FaultKind::FloatingPoint);
        }
    }
}

TEST(SmallLoop, TheNormalisedRadiusAloneDecidesSmallOrFinite)
{
    struct Case {
        long double f, a;
        const char* note;
    };
    for (const Case& c : {Case{300, 0.05L, kSmall}, Case{300, 0.06L, kFinite}, Case{3, 0.06L, kFinite},
                          Case{3000, 0.05L, kSmall}, Case{300, 0.0530516L, kSmall}, Case{300, 0.0530517L, kFinite}}) {
        const Outcome o = run("TForm10", {c.f, c.a, 0.001L, 5.76e7L, 1});
        ASSERT_EQ(o.notes.size(), 1u);
        EXPECT_EQ(o.notes[0], c.note) << static_cast<double>(c.f) << " " << static_cast<double>(c.a);
    }
}

// The chart title, the 3D caption and the data-sheet title follow the same
// normalised rule as the calculation, read from the field texts.
TEST(SmallLoop, TitlesFollowTheRadiusTextWhateverTheFrequency)
{
    struct Case {
        const char* f;
        const char* a;
        bool small;
    };
    const CalculatorDescriptor& d = *findByWindowClass("TForm10");
    const SheetText& sheetTitle = d.sheet.front();
    ASSERT_TRUE(sheetTitle.rule);
    EXPECT_EQ(std::pair(sheetTitle.x, sheetTitle.y), std::pair(400, 100));
    for (const Case& c : {Case{"300", "0.05", true}, Case{"300", "0.06", false}, Case{"3", "0.06", false},
                          Case{"3000", "0.05", true}, Case{"", "", true}}) {
        SCOPED_TRACE(std::string(c.f) + " " + c.a);
        const FieldTexts texts = [&](std::string_view field) {
            return std::string(field == "input1" ? c.f : field == "input2" ? c.a : "");
        };
        EXPECT_EQ(d.pattern->chartTitleRule(texts),
                  c.small ? "Diagrama de irradiação retangular da antena espira circular infinitesimal"
                          : "Diagrama de irradiação retangular da antena espira circular de raio finito");
        EXPECT_EQ(d.caption3dRule(texts), c.small
                                              ? "Diagrama de Irradiação 3D da Antena Espira Circular Infinitesimal"
                                              : "Diagrama de Irradiação 3D da Antena Espira Circular de Raio Finito");
        EXPECT_EQ(sheetTitle.rule(texts),
                  c.small ? "Antena espira circular infinitesimal" : "Antena espira circular raio finito");
        // The 3D function: sin θ for a small loop, sin θ·J1(2πa sin θ) otherwise.
        const PatternFunction f = d.pattern->source.function(texts);
        const double a = c.small ? 0 : std::stod(c.a);
        const double expected =
            c.small ? std::sin(1.0) : std::sin(1.0) * std::cyl_bessel_j(1.0, 2 * M_PI * a * std::sin(1.0));
        EXPECT_NEAR(static_cast<double>(f(1.0L, 0)), expected, 1e-6);
        EXPECT_NO_THROW(f(3.14159265358979L, 0));  // sin θ a hair below zero in single precision
    }
}

}  // namespace
}  // namespace ondarel
