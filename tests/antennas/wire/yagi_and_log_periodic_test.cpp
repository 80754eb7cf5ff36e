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
                   "0.282", "0.254", "0.229", "0.206"}}}}));

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
        Check{"σ = 0.999", "TForm15", {300, 100, 1, 0.9L, 0.999L}, nullptr}));

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
