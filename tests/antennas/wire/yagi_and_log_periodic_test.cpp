// The two Yagi-Uda arrays and the log-periodic array through their
// descriptors, as "Calcular" runs them: worked examples with every list item,
// checks in order, both sides of each limit and band edge, and the element
// counts no array can have.
#include <gtest/gtest.h>

#include <chrono>

#include "antennas/wire/yagi_uda_charts.h"
#include "catalogue/catalogue.h"
#include "core/fault.h"
#include "support/outcome_texts.h"

namespace ondarel {
namespace {

using Texts = std::vector<std::string>;
using Lists = std::vector<std::pair<std::string, Texts>>;

struct Example {
    const char* why;
    const char* windowClass;
    std::vector<long double> inputs;  // in file order
    Texts shown;                      // single results, in the order they are written
    Lists lists;                      // list results with every item
};

void PrintTo(const Example& e, std::ostream* os) { *os << e.windowClass << ": " << e.why; }

class ArrayExamples : public ::testing::TestWithParam<Example> {};

TEST_P(ArrayExamples, ShowTheirResultsAndEveryListItem)
{
    const Outcome outcome = findByWindowClass(GetParam().windowClass)->compute(GetParam().inputs);
    ASSERT_FALSE(outcome.refusal) << *outcome.refusal;
    EXPECT_EQ(texts(outcome), GetParam().shown);
    if (!GetParam().lists.empty() || outcome.lists.empty()) {
        EXPECT_EQ(outcome.lists, GetParam().lists);
    }
}

const Texts kSpacingsAt300 = {"0.200", "0.160", "0.250", "0.350", "0.320"};

INSTANTIATE_TEST_SUITE_P(
    Parts, ArrayExamples,
    ::testing::Values(
        // N: P = 5.44154 → R = 5, +1 between 4 and 11 dB; X = 1/(2r) = 100, k = 0.89439.
        Example{"dipole Yagi worked example",
                "TForm14",
                {300, 10, 0.005L},
                {"6", "0.500", "0.447", "1.113", "43.453", "48.731"},
                {{"ComboBox2", kSpacingsAt300}, {"ComboBox3", {"0.444", "0.436", "0.438", "0.442"}}}},
        // The slenderness is 1/(2r) at any frequency: only λ scales the lengths.
        Example{"dipole Yagi at 30 MHz with the dialog's thinnest radius",
                "TForm14",
                {30, 10, 0.001L},
                {"6", "5.000", "4.720", "11.135", "43.453", "48.731"},
                {{"ComboBox2", {"1.600", "1.400", "1.800", "2.500", "2.700"}},
                 {"ComboBox3", {"4.650", "4.535", "4.560", "4.600"}}}},
        Example{"just above 30 MHz the VHF spacings",
                "TForm14",
                {30.001L, 10, 0.02L},
                {"6", "5.000", "4.079", "11.134", "43.453", "48.731"},
                {{"ComboBox2", {"2.000", "1.600", "2.500", "3.500", "3.200"}},
                 {"ComboBox3", {"4.140", "4.070", "4.090", "4.130"}}}},
        Example{"r just below 0.02 takes the second director table",
                "TForm14",
                {300, 10, 0.0199L},
                {"6", "0.500", "0.408", "1.113", "43.453", "48.731"},
                {{"ComboBox2", kSpacingsAt300}, {"ComboBox3", {"0.430", "0.423", "0.425", "0.428"}}}},
        // 0.004 is held a hair below the decimal; the stored limit keeps it in its band.
        Example{"r typed at 0.004 stays in the third band",
                "TForm14",
                {300, 10, 0.004L},
                {"6", "0.500", "0.452", "1.113", "43.453", "48.731"},
                {{"ComboBox2", kSpacingsAt300}, {"ComboBox3", {"0.444", "0.436", "0.438", "0.442"}}}},
        Example{"G = 3 is accepted with one element fewer",
                "TForm14",
                {300, 3, 0.0033L},
                {"2", "0.500", "0.455", "0.164", "63.025", "96.051"},
                {{"ComboBox2", {"0.200"}}, {"ComboBox3", {}}}},
        Example{"a high gain: 20 elements, lists left to the rows above",
                "TForm14",
                {144, 20, 0.01L},
                {"20", "1.042", "0.890", "13.425", "15.484", "17.014"},
                {}},
        // br = 105λ/(2π), a = 2π·bd/√e¹¹.
        Example{"loop Yagi worked example",
                "TForm29",
                {300, 10},
                {"6", "16.711", "1.050", "17.507", "1.100", "11.141", "0.700", "0.450", "0.100", "0.250", "1.113",
                 "43.453", "48.731"},
                {}},
        Example{"loop Yagi takes gains below 3 dB: G = 1 gives R − 1 = 5",
                "TForm29",
                {150, 1},
                {"5", "33.423", "2.100", "35.014", "2.200", "22.282", "1.400", "0.899", "0.200", "0.500", "1.657",
                 "47.558", "54.612"},
                {}},
        // 45·0.9⁴ = 29.5245 exactly; the stored spacing lies just below it.
        Example{"log-periodic worked example",
                "TForm15",
                {300, 100, 1, 0.9L, 0.15L},
                {"16", "3.540", "9.462", "3.000", "1.562", "4.686", "331.276", "3.000"},
                {{"ComboBox1",
                  {"2.700", "2.430", "2.187", "1.968", "1.771", "1.594", "1.435", "1.291", "1.162", "1.046", "0.941",
                   "0.847", "0.763", "0.686", "0.618"}},
                 {"ComboBox2",
                  {"40.500", "36.450", "32.805", "29.524", "26.572", "23.915", "21.523", "19.371", "17.434", "15.691",
                   "14.121", "12.709", "11.438", "10.295", "9.265"}},
                 {"ComboBox3",
                  {"0.900", "0.810", "0.729", "0.656", "0.590", "0.531", "0.478", "0.430", "0.387", "0.349", "0.314",
                   "0.282", "0.254", "0.229", "0.206"}}}},
        // Printed Yagi: P(12) = 8.26 → N = 8; x = λ0/(w·√εreff) = 22.8 picks the
        // first director table; lengths in guided wavelengths λg = 2.278 cm.
        Example{"printed Yagi at 10 GHz",
                "TForm20",
                {10, 12, 2.2L, 0.1588L, 0.1L},
                {"8", "1.734", "1.139", "0.966", "1.750", "3.988", "35.737", "40.281"},
                {{"ComboBox1", {"0.943", "0.927", "0.932", "0.941", "0.934", "0.925"}},
                 {"ComboBox3", {"0.456", "0.365", "0.570", "0.797", "0.729", "0.752", "0.911"}}}},
        Example{"G = 3: two elements, one spacing, no directors",
                "TForm20",
                {10, 3, 2.2L, 0.1588L, 0.1L},
                {"2", "1.734", "1.139", "0.966", "0.164", "0.374", "62.825", "96.052"},
                {{"ComboBox1", {}}, {"ComboBox3", {"0.456"}}}},
        Example{"G = 4 uses R itself",
                "TForm20",
                {10, 4, 2.2L, 0.1588L, 0.1L},
                {"2", "1.734", "1.139", "0.966", "0.164", "0.374", "62.825", "96.052"},
                {{"ComboBox1", {}}, {"ComboBox3", {"0.456"}}}},
        Example{"just above 4 dB R + 1",
                "TForm20",
                {10, 4.01L, 2.2L, 0.1588L, 0.1L},
                {"3", "1.734", "1.139", "0.966", "0.348", "0.793", "56.993", "75.672"},
                {{"ComboBox1", {"0.943"}}, {"ComboBox3", {"0.456", "0.365"}}}},
        // x = 77: the third director table; x = 470: the driven fit's upper branch.
        Example{"narrower dipoles",
                "TForm20",
                {10, 12, 2.2L, 0.1588L, 0.03L},
                {"8", "1.675", "1.159", "1.056", "1.750", "4.058", "35.737", "40.281"},
                {{"ComboBox1", {"1.029", "1.011", "1.015", "1.025", "1.013", "1.006"}},
                 {"ComboBox3", {"0.464", "0.371", "0.580", "0.811", "0.742", "0.765", "0.927"}}}},
        Example{"a hair-thin dipole",
                "TForm20",
                {10, 12, 2.2L, 0.1588L, 0.005L},
                {"8", "1.631", "1.175", "1.120", "1.750", "4.112", "35.737", "40.281"},
                {{"ComboBox1", {"1.090", "1.067", "1.071", "1.081", "1.071", "1.060"}},
                 {"ComboBox3", {"0.470", "0.376", "0.587", "0.822", "0.752", "0.775", "0.940"}}}},
        // Printed log-periodic: α = 8.881°, Bs = 2·1.593, N = round(11.998) = 12;
        // each list starts at τ times its start (τ·L1 = 5.150, 2στ·L1, τ·w).
        Example{
            "printed log-periodic over 2:1",
            "TForm19",
            {2, 0.9L, 0.16L, 2.2L, 2, 0.1588L, 0.2L},
            {"12", "1.593", "3.186", "4.000", "8.881", "12.563", "269.826"},
            {{"ComboBox2",
              {"5.150", "4.635", "4.172", "3.754", "3.379", "3.041", "2.737", "2.463", "2.217", "1.995", "1.796",
               "1.616"}},
             {"distance",
              {"1.648", "1.483", "1.335", "1.201", "1.081", "0.973", "0.876", "0.788", "0.709", "0.638", "0.575"}},
             {"ComboBox1",
              {"0.180", "0.162", "0.146", "0.131", "0.118", "0.106", "0.096", "0.086", "0.077", "0.070", "0.063"}}}},
        Example{"τ = 0.76 and a band just over 1",
                "TForm19",
                {2, 0.76L, 0.05L, 2.2L, 1.0001L, 0.1588L, 0.2L},
                {"2", "1.470", "1.470", "2.000", "50.194", "0.762", "269.826"},
                {{"ComboBox2", {"4.349", "3.305"}}, {"distance", {"0.435"}}, {"ComboBox1", {"0.152"}}}}));

struct Check {
    const char* why;
    const char* windowClass;
    std::vector<long double> inputs;
    const char* message;  // nullptr: accepted
};

void PrintTo(const Check& c, std::ostream* os) { *os << c.windowClass << ": " << c.why; }

class ArrayChecks : public ::testing::TestWithParam<Check> {};

TEST_P(ArrayChecks, RefuseInOrderWithTheirOwnMessage)
{
    const Outcome outcome = findByWindowClass(GetParam().windowClass)->compute(GetParam().inputs);
    if (GetParam().message) {
        ASSERT_TRUE(outcome.refusal);
        EXPECT_EQ(*outcome.refusal, GetParam().message);
        EXPECT_TRUE(outcome.results.empty());
    } else {
        EXPECT_FALSE(outcome.refusal) << *outcome.refusal;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Parts, ArrayChecks,
    ::testing::Values(
        Check{"f = 0 before everything", "TForm14", {0, 0, 0}, "Frequência inválido!"},
        Check{"G = 2.9", "TForm14", {300, 2.9L, 0}, "Ganho inválido!"},
        Check{"r = 0", "TForm14", {300, 10, 0}, "Raio inválido!"},
        // The cubic gives one element just under 4 dB and none from about 33 dB.
        Check{"one element just under 4 dB", "TForm14", {300, 3.9L, 0.005L}, "Ganho inválido!"},
        Check{"no elements at 35 dB", "TForm14", {300, 35, 0.005L}, "Ganho inválido!"},
        Check{"G = 4 itself", "TForm14", {300, 4, 0.005L}, nullptr},
        Check{"loop f = 0", "TForm29", {0, 0}, "Frequência inválida!"},
        Check{"loop G = 0", "TForm29", {300, 0}, "Ganho com valor inválido!"},
        Check{"loop one element just under 4 dB", "TForm29", {300, 3.9L}, "Ganho com valor inválido!"},
        Check{"loop G = 0.01", "TForm29", {300, 0.01L}, nullptr},
        Check{"fmax = 0", "TForm15", {0, 0, 0, 0, 0}, "Frequência máxima inválida!"},
        Check{"fmin = 0", "TForm15", {300, 0, 0, 0, 0}, "Frequência mínima inválida!"},
        Check{
            "fmax = fmin", "TForm15", {100, 100, 0, 0, 0}, "Faixa de Frequências fora das especificações (Fmax>Fmin)!"},
        Check{"D = 0", "TForm15", {300, 100, 0, 0, 0}, "Diâmetro do Dipolo inválido!"},
        Check{"τ = 0.759", "TForm15", {300, 100, 1, 0.759L, 0.15L}, "Fator de Escala Inválido!!"},
        Check{"τ = 0.76 accepted", "TForm15", {300, 100, 1, 0.76L, 0.15L}, nullptr},
        Check{"τ = 1", "TForm15", {300, 100, 1, 1, 0.15L}, "Fator de Escala Inválido!!"},
        // About 10¹² elements: refused instead of filling lists forever.
        Check{"τ just below 1", "TForm15", {300, 100, 1, 0.999999999999L, 0.15L}, "Fator de Escala Inválido!!"},
        Check{"σ = 0", "TForm15", {300, 100, 1, 0.9L, 0}, "Espaçamento Relativo Inválido!!"},
        Check{"σ = 1", "TForm15", {300, 100, 1, 0.9L, 1}, "Espaçamento Relativo Inválido!!"},
        Check{"σ = 0.999", "TForm15", {300, 100, 1, 0.9L, 0.999L}, nullptr},
        // Printed Yagi: f, G, εr, h, w.
        Check{"f = 0.12", "TForm20", {0.12L, 12, 2.2L, 0.1588L, 0.1L}, "Frequencia Inválida!!"},
        Check{"f = 0.1201", "TForm20", {0.1201L, 12, 2.2L, 0.1588L, 0.1L}, nullptr},
        Check{"G = 2.99", "TForm20", {10, 2.99L, 2.2L, 0.1588L, 0.1L}, "Ganho Fora da Faixa 3<=G<24!!"},
        Check{"G = 24 accepted", "TForm20", {10, 24, 2.2L, 0.1588L, 0.1L}, nullptr},
        Check{"G = 24.01", "TForm20", {10, 24.01L, 2.2L, 0.1588L, 0.1L}, "Ganho Fora da Faixa 3<=G<24!!"},
        Check{
            "one element just under 4 dB", "TForm20", {10, 3.9L, 2.2L, 0.1588L, 0.1L}, "Ganho Fora da Faixa 3<=G<24!!"},
        Check{"εr = 0.999", "TForm20", {10, 12, 0.999L, 0.1588L, 0.1L}, "Constante Dielétrica Relativa Inválida!!"},
        Check{"h = 0.0129",
              "TForm20",
              {10, 12, 2.2L, 0.0129L, 0.1L},
              "Altura do substrato inválida, recomenda-se H>=0.013cm!!"},
        Check{"h = 0.013", "TForm20", {10, 12, 2.2L, 0.013L, 0.1L}, nullptr},
        Check{"w = 0", "TForm20", {10, 12, 2.2L, 0.1588L, 0}, "Largura Inválida!!"},
        // x = 2362: beyond the driven-element fit.
        Check{"w too narrow for the fit", "TForm20", {10, 12, 2.2L, 0.1588L, 0.001L}, "Largura Inválida!!"},
        // Printed log-periodic: f, τ, σ, εr, B, h, w.
        Check{"mal f = 0", "TForm19", {0, 0.9L, 0.16L, 2.2L, 2, 0.1588L, 0.2L}, "Frequencia Inválida!!"},
        Check{"mal τ = 0.7599", "TForm19", {2, 0.7599L, 0.16L, 2.2L, 2, 0.1588L, 0.2L}, "Fator de Escala Inválido!!"},
        Check{"mal τ = 1", "TForm19", {2, 1, 0.16L, 2.2L, 2, 0.1588L, 0.2L}, "Fator de Escala Inválido!!"},
        Check{"mal τ next to 1",
              "TForm19",
              {2, 0.999999999L, 0.16L, 2.2L, 2, 0.1588L, 0.2L},
              "Fator de Escala Inválido!!"},
        Check{"mal σ = 0", "TForm19", {2, 0.9L, 0, 2.2L, 2, 0.1588L, 0.2L}, "Espaçamento Relativo Inválido!!"},
        Check{"mal σ = 1", "TForm19", {2, 0.9L, 1, 2.2L, 2, 0.1588L, 0.2L}, "Espaçamento Relativo Inválido!!"},
        Check{"mal σ = 0.9999", "TForm19", {2, 0.9L, 0.9999L, 2.2L, 2, 0.1588L, 0.2L}, nullptr},
        Check{"mal εr = 0.999",
              "TForm19",
              {2, 0.9L, 0.16L, 0.999L, 2, 0.1588L, 0.2L},
              "Permissividade Relativa Inválida!!"},
        Check{"mal h checked before B",
              "TForm19",
              {2, 0.9L, 0.16L, 2.2L, 0, 0.0129L, 0.2L},
              "Altura do substrato inválida, recomenda-se H>=0.013cm!!"},
        Check{"mal h = 0.013", "TForm19", {2, 0.9L, 0.16L, 2.2L, 2, 0.013L, 0.2L}, nullptr},
        // fmax below fmin would give one element and a negative axial length.
        Check{"mal B = 0.5", "TForm19", {2, 0.9L, 0.16L, 2.2L, 0.5L, 0.1588L, 0.2L}, "Largura de Banda Inválida!!"},
        Check{"mal B = 1", "TForm19", {2, 0.9L, 0.16L, 2.2L, 1, 0.1588L, 0.2L}, "Largura de Banda Inválida!!"},
        Check{"mal w = 0",
              "TForm19",
              {2, 0.9L, 0.16L, 2.2L, 2, 0.1588L, 0},
              "Largura do Dipolo de Maior Ordem é Inválida!!"},
        // ln(π·L1/w) < 2.25: a negative line impedance.
        Check{"mal w = 20",
              "TForm19",
              {2, 0.9L, 0.16L, 2.2L, 2, 0.1588L, 20},
              "Largura do Dipolo de Maior Ordem é Inválida!!"}));

TEST(LogPeriodicElementBound, TheLargestAcceptedArrayStillComputesQuickly)
{
    const CalculatorDescriptor* d = findByWindowClass("TForm15");
    // τ = 0.995 over 3:1: Nr = 243.3, n = 244; over 30:1 Nr = 702.7, beyond the bound of 500.
    const auto start = std::chrono::steady_clock::now();
    const Outcome at = d->compute({300, 100, 1, 0.995L, 0.15L});
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    ASSERT_FALSE(at.refusal);
    EXPECT_EQ(at.results[0].second, "244");
    EXPECT_EQ(at.lists[0].second.size(), 243u);
    EXPECT_EQ(*d->compute({3000, 100, 1, 0.995L, 0.15L}).refusal, "Fator de Escala Inválido!!");
}

struct ChartCase {
    ElementCountCurve curve;
    float elements;
    std::size_t count;
    long double firstX, firstY, lastX, lastY;
};

class ElementCountCharts : public ::testing::TestWithParam<ChartCase> {};

TEST_P(ElementCountCharts, SampleTheFitsAroundTheElementCount)
{
    const auto points = elementCountPoints(GetParam().curve, GetParam().elements);
    ASSERT_EQ(points.size(), GetParam().count);
    EXPECT_NEAR(points.front().x, GetParam().firstX, 1e-5);
    EXPECT_NEAR(points.front().y[0], GetParam().firstY, 1e-3);
    EXPECT_NEAR(points.back().x, GetParam().lastX, 1e-4);
    EXPECT_NEAR(points.back().y[0], GetParam().lastY, 1e-3);
}

using C = ElementCountCurve;
INSTANTIATE_TEST_SUITE_P(Fits, ElementCountCharts,
                         ::testing::Values(
                             // N = 6: x = (i − 1)·6/5; N = 10: the first x is 10/9, below the fits' range.
                             ChartCase{C::Gain, 6, 19, 1.2L, 1.537026L, 22.8L, 23.739307L},
                             ChartCase{C::OptimumLength, 6, 21, 1.2L, 0.050227L, 25.2L, 9.435140L},
                             ChartCase{C::VerticalBeamwidth, 10, 21, 10.0L / 9, 124.495352L, 23.3333333L, 17.040919L},
                             ChartCase{C::HorizontalBeamwidth, 2, 21, 2, 63.024679L, 42, 4.145344L}));

TEST(ElementCountCharts, OneElementIsAFaultNotABrokenChart)
{
    EXPECT_THROW(elementCountPoints(ElementCountCurve::Gain, 1), Fault);
    const PatternSource& source = findByWindowClass("TForm14")->pattern->source;
    const FieldTexts none = [](std::string_view) { return std::string("0"); };
    for (const CurveChart& chart : source.curveCharts)
        EXPECT_EQ(*chart.refusal(none), "Número de Elementos Inválido!!");
}

}  // namespace
}  // namespace ondarel
