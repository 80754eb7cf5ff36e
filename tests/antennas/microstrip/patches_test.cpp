// The rectangular and circular patches through their descriptors, as the
// window and the command-line tool run them, and their diagrams.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "antennas/microstrip/patch_patterns.h"
#include "catalogue/catalogue.h"
#include "core/fault.h"
#include "support/outcome_texts.h"

namespace ondarel {
namespace {

const CalculatorDescriptor& rectangular() { return *findByWindowClass("TForm16"); }
const CalculatorDescriptor& circular() { return *findByWindowClass("TForm17"); }
const CalculatorDescriptor& rectangularArray() { return *findByWindowClass("TForm18"); }
const CalculatorDescriptor& circularArray() { return *findByWindowClass("TForm21"); }

struct Design {
    const char* what;
    const CalculatorDescriptor& (*calculator)();
    // Inputs in file order, then the radio buttons (Cabo, Strip).
    std::vector<long double> in;
    std::vector<std::string> shown;  // in the order written; or the refusal alone
};

void PrintTo(const Design& d, std::ostream* os) { *os << d.what; }

class PatchDesigns : public ::testing::TestWithParam<Design> {};

TEST_P(PatchDesigns, ShowTheirResultsOrTheirFirstRefusal)
{
    const Design& d = GetParam();
    const Outcome o = d.calculator().compute(d.in);
    if (o.refusal)
        EXPECT_EQ(std::vector<std::string>{*o.refusal}, d.shown);
    else
        EXPECT_EQ(texts(o), d.shown);
}

// f, εr, h, tan δ, Zd, βl, σ, S, Cabo, Strip. Results: εreff, L, W, Rin, Z0,
// Qt, D(dB), BW, η, y0, d.
const std::vector<long double> kDuroid = {10, 2.2L, 0.1588L, 0.0009L, 50, 0, 5.8e7L, 2, 1, 0};
std::vector<long double> rect(std::vector<long double> v, std::size_t i, long double x)
{
    v[i] = x;
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Rectangular, PatchDesigns,
    ::testing::Values(
        // The textbook design: W = 1.186, εreff = 1.972, L = 0.906; βl = 0 gives
        // Rin = 60·λ0/W and d = 0; the line feed's field stays empty.
        Design{"coaxial feed, βl = 0",
               rectangular,
               kDuroid,
               {"1.972", "0.906", "1.186", "151.789", "26.018", "13.204", "6.775", "5.355", "98.262", "", "0.000"}},
        // Rin = 1/(2(G1 + G12)) ≈ 228 ohms and y0 ≈ 0.313 cm for 50 ohms; the cable's field empty.
        Design{"line feed",
               rectangular,
               rect(rect(kDuroid, 8, 0), 9, 1),
               {"1.972", "0.906", "1.186", "228.411", "26.018", "13.204", "6.775", "5.355", "98.262", "0.313", ""}},
        // A small Zd puts the inset near L/2.
        Design{"line feed, Zd = 1",
               rectangular,
               rect(rect(rect(kDuroid, 8, 0), 9, 1), 4, 1),
               {"1.972", "0.906", "1.186", "228.411", "26.018", "13.204", "6.775", "5.355", "98.262", "0.434", ""}},
        Design{"line feed, Zd = Rin",
               rectangular,
               rect(rect(rect(kDuroid, 8, 0), 9, 1), 4, 228.411L),
               {"Impedancia de Ressonância com Alimentação de Microfita inválida!!"}},
        Design{"βl = 45",
               rectangular,
               rect(kDuroid, 5, 45),
               {"1.972", "0.906", "1.186", "76.573", "26.018", "13.204", "6.775", "5.355", "98.262", "", "0.253"}},
        // Air: p = 1 and εreff = 1; the radiation efficiency stays near 100 %.
        Design{"air substrate",
               rectangular,
               {3, 1, 0.5L, 0.001L, 50, 0, 5.8e7L, 1.5L, 1, 0},
               {"1.000", "4.314", "5.000", "120.000", "28.958", "7.609", "8.535", "5.365", "99.056", "", "0.000"}},
        Design{"h = 0.013 accepted",
               rectangular,
               rect(kDuroid, 2, 0.013L),
               {"2.164", "1.006", "1.186", "151.789", "2.680", "87.467", "7.123", "0.808", "47.664", "", "0.000"}},
        Design{"h = 0.0129 refused",
               rectangular,
               rect(kDuroid, 2, 0.0129L),
               {"Altura do substrato inválida, recomenda-se H>=0.013cm!!"}},
        Design{"f = 0", rectangular, rect(kDuroid, 0, 0), {"Frequencia inválida!!"}},
        Design{"εr below 1", rectangular, rect(kDuroid, 1, 0.999L), {"Constante dielétrica relativa inválida!!"}},
        Design{"tan δ = 0", rectangular, rect(kDuroid, 3, 0), {"Tangente de perda inválida!!"}},
        Design{"Zd = 0",
               rectangular,
               rect(kDuroid, 4, 0),
               {"Impedância de ressonância da antena alimentada por microfita inválida!!"}},
        Design{"σ = 0", rectangular, rect(kDuroid, 6, 0), {"Condutividade da placa inválida!!"}},
        Design{"βl below 0", rectangular, rect(kDuroid, 5, -0.001L), {"Comprimento elétrico ßl inválido!!"}},
        Design{"VSWR below 1",
               rectangular,
               rect(kDuroid, 7, 0.999L),
               {"Coeficiente de onda estacionária inválido, recomenda-se VSWR>=1!!"}}));

// f, εr, tan δ, h, S, Nx, Ny, sx, sy. Results: L, W, Lx, Ly, Rin, Z0, D(dB),
// BW, η; the circular array a, ae in place of L, W.
const std::vector<long double> kGrid = {10, 2.2L, 0.0009L, 0.1588L, 2, 4, 4, 1.5L, 1.5L};
const std::vector<std::string> kRectGrid = {"0.906",  "1.186",  "8.124", "9.243", "228.411",
                                            "26.018", "20.092", "0.669", "98.260"};
const std::vector<std::string> kDiscGrid = {"0.525",  "0.598",  "8.700", "8.700", "416.980",
                                            "25.824", "20.126", "0.675", "98.274"};

INSTANTIATE_TEST_SUITE_P(
    RectangularArray, PatchDesigns,
    ::testing::Values(
        // The element is the single patch's (L, W, and Rin of its line feed);
        // Lx = 4L + 3sx; D = 4πA/λ0² less 0.0131 dB per cm of mean side.
        Design{"4 × 4 duroid grid", rectangularArray, kGrid, kRectGrid},
        Design{"counts typed with decimals count their whole part", rectangularArray,
               rect(rect(kGrid, 5, 4.9L), 6, 4.000L), kRectGrid},
        Design{"1 × 1: the array is its element",
               rectangularArray,
               rect(rect(kGrid, 5, 1), 6, 1),
               {"0.906", "1.186", "0.906", "1.186", "228.411", "26.018", "1.748", "2.678", "98.260"}},
        // Twice the elements: every Q doubles, BW halves, η stays.
        Design{"8 × 8",
               rectangularArray,
               rect(rect(kGrid, 5, 8), 6, 8),
               {"0.906", "1.186", "17.748", "19.987", "228.411", "26.018", "26.702", "0.335", "98.260"}},
        Design{"lossless substrate",
               rectangularArray,
               rect(kGrid, 2, 0),
               {"0.906", "1.186", "8.124", "9.243", "228.411", "26.018", "20.092", "0.661", "99.442"}},
        Design{"air",
               rectangularArray,
               rect(kGrid, 1, 1),
               {"1.283", "1.500", "9.631", "10.500", "211.793", "30.326", "21.366", "1.243", "99.063"}},
        Design{"h = 0.013 accepted",
               rectangularArray,
               rect(kGrid, 3, 0.013L),
               {"1.006", "1.186", "8.524", "9.243", "247.508", "2.680", "20.298", "0.101", "47.591"}},
        Design{"texts cut to 15 characters",
               rectangularArray,
               rect(kGrid, 4, 1e30L),
               {"0.906", "1.186", "8.124", "9.243", "228.411", "26.018", "20.092", "946675734030336", "98.260"}},
        Design{"f = 0", rectangularArray, rect(kGrid, 0, 0), {"Frequencia Inválida!!"}},
        Design{"εr below 1", rectangularArray, rect(kGrid, 1, 0.999L), {"Permissividade Relativa Inválida!!"}},
        Design{"tan δ below 0", rectangularArray, rect(kGrid, 2, -0.0001L), {"Tangente de Perda Inválida!!"}},
        Design{"VSWR checked before h",
               rectangularArray,
               rect(rect(kGrid, 4, 0.999L), 3, 0),
               {"Coeficiente de Onda Estacionária Inválido, recomenda-se VSWR>=1!!"}},
        Design{"h = 0.0129",
               rectangularArray,
               rect(kGrid, 3, 0.0129L),
               {"Altura do Substrato Inválida, recomenda-se H>=0.013cm!!"}},
        Design{"Nx = 0.9 counts 0",
               rectangularArray,
               rect(kGrid, 5, 0.9L),
               {"Número de Elementos na Direção x Inválido!!"}},
        Design{"Ny = 0", rectangularArray, rect(kGrid, 6, 0), {"Número de Elementos na Direção y Inválido!!"}},
        Design{"sx = 0", rectangularArray, rect(kGrid, 7, 0), {"Espaçamento na Direção x Inválido!!"}},
        Design{"sy = 0", rectangularArray, rect(kGrid, 8, 0), {"Espaçamento na Direção y Inválido!!"}}));

INSTANTIATE_TEST_SUITE_P(
    CircularArray, PatchDesigns,
    ::testing::Values(
        // a and ae as the single disc's; Rin with copper (5.76e7 S/m) just below its 416.991.
        Design{"4 × 4 duroid grid", circularArray, kGrid, kDiscGrid},
        Design{"1 × 1: Lx = Ly = 2a",
               circularArray,
               rect(rect(kGrid, 5, 1), 6, 1),
               {"0.525", "0.598", "1.050", "1.050", "416.980", "25.824", "1.860", "2.699", "98.274"}},
        Design{"8 × 8",
               circularArray,
               rect(rect(kGrid, 5, 8.5L), 6, 8),
               {"0.525", "0.598", "18.900", "18.900", "416.980", "25.824", "26.731", "0.337", "98.274"}},
        Design{"lossless substrate",
               circularArray,
               rect(kGrid, 2, 0),
               {"0.525", "0.598", "8.700", "8.700", "421.851", "25.824", "20.126", "0.667", "99.447"}},
        Design{"h = 0.013 accepted",
               circularArray,
               rect(kGrid, 3, 0.013L),
               {"0.582", "0.593", "9.153", "9.153", "220.452", "2.680", "20.561", "0.101", "47.589"}},
        Design{"f = 0", circularArray, rect(kGrid, 0, 0), {"Frequencia Inválida!!"}},
        Design{"εr below 1", circularArray, rect(kGrid, 1, 0.999L), {"Constante Dielétrica Relativa Inválida!!"}},
        Design{
            "tan δ below 0", circularArray, rect(kGrid, 2, -0.0001L), {"Tangente de Perda do Dielétrico Inválida!!"}},
        Design{"h checked before VSWR",
               circularArray,
               rect(rect(kGrid, 4, 0.999L), 3, 0.0129L),
               {"Altura do Dielétrico Inválida, recomenda-se H>=0.013cm!!"}},
        Design{"VSWR below 1",
               circularArray,
               rect(kGrid, 4, 0.999L),
               {"Coeficiente de Onda Estacionária Inválido, recomenda-se VSWR>=1!!"}},
        Design{"Nx = 0", circularArray, rect(kGrid, 5, 0), {"Número de Elementos na Direção x Inválido!!"}},
        Design{
            "Ny = 0.5 counts 0", circularArray, rect(kGrid, 6, 0.5L), {"Número de Elementos na Direção y Inválido!!"}},
        Design{"sx = 0", circularArray, rect(kGrid, 7, 0), {"Espaçamento na Direção x ínválido!!"}},
        Design{"sy = 0", circularArray, rect(kGrid, 8, 0), {"Espaçamento na Direção y Inválido!!"}}));

// f, εr, h, tan δ, Zd, σ, S. Results: Rin, Z0, a, ae, D(dB), Qt, η, BW, ρf.
const std::vector<long double> kDisc = {10, 2.2L, 0.1588L, 0.0009L, 50, 5.8e7L, 2};

INSTANTIATE_TEST_SUITE_P(
    Circular, PatchDesigns,
    ::testing::Values(
        // a = F/√(1 + …) with F = 8.791/(f·√εr) = 0.593 cm.
        Design{"duroid disc",
               circular,
               kDisc,
               {"416.991", "28.446", "0.525", "0.598", "7.445", "14.545", "98.086", "4.861", "0.131"}},
        // A lossless substrate computes: its term of 1/Qt vanishes.
        Design{"h = 0.025 accepted, lossless",
               circular,
               rect(rect(kDisc, 2, 0.025L), 3, 0),
               {"351.581", "5.621", "0.574", "0.593", "7.400", "82.835", "78.103", "0.854", "0.140"}},
        Design{"h = 0.024 refused",
               circular,
               rect(kDisc, 2, 0.024L),
               {"Altura do Substrato Inválida, recomenda-se H>=0.025 p/ antena de microfita circular !!"}},
        Design{"tan δ below 0",
               circular,
               rect(kDisc, 3, -0.0001L),
               {"Tangente de Perda fora da Faixa 0.0001<tanð<0.004!!"}},
        // Every text is cut to 15 characters.
        Design{"huge VSWR",
               circular,
               rect(kDisc, 6, 1e30L),
               {"416.991", "28.446", "0.525", "0.598", "7.445", "14.545", "98.086", "687518489323929", "0.131"}},
        Design{"f = 0", circular, rect(kDisc, 0, 0), {"Frequencia Inválida!!"}},
        Design{"εr below 1", circular, rect(kDisc, 1, 0.999L), {"Constante Dielétrica Relativa Inválida!!"}},
        Design{"Zd = 0", circular, rect(kDisc, 4, 0), {"Impedancia de Ressonancia Inválida!!"}},
        Design{"σ = 0", circular, rect(kDisc, 5, 0), {"Condutividade da placa condutora inválida!!"}},
        Design{"VSWR below 1",
               circular,
               rect(kDisc, 6, 0.999L),
               {"Coeficiente de Onda Estacionária Inválido, recomenda-se VSWR>=1!!"}}));

TEST(CircularPatch, AResistanceAboveTheEdgeOnesFaultsInsteadOfShowingNan)
{
    // 0.9635·√(Zd/Rin) > 1: the probe's arcsine has no value.
    try {
        circular().compute({10, 2.2L, 0.1588L, 0.0009L, 1e6L, 5.8e7L, 2});
        ADD_FAILURE() << "computed";
    } catch (const Fault& f) {
        EXPECT_EQ(f.kind(), FaultKind::FloatingPoint);
    }
}

TEST(PatchPatterns, SamplesLieWhereTheyAreDrawnAndTheEPlaneTakesTheHeight)
{
    const RectangularPatchView duroid{10, 2.2L, 0.1588L, 0.906L, 1.186L, 228.411L, 0.313L};
    RectangularPatchView ceramic = duroid;
    ceramic.permittivity = 10.2L;
    const PolarTables t = rectangularPatchPolarTables(duroid);
    // The permittivity is no part of the slot pattern once L and W are given.
    EXPECT_EQ(t.left, rectangularPatchPolarTables(ceramic).left);
    // Broadside (90 degrees) is the largest sample of both planes.
    EXPECT_EQ(*std::max_element(t.right.begin() + 1, t.right.end()), t.right[90]);
    EXPECT_EQ(*std::max_element(t.left.begin() + 1, t.left.end()), t.left[90]);
    for (int k = 181; k <= 360; ++k) EXPECT_EQ(t.left[k] + t.right[k], 0) << k;
    const PolarTables c = circularPatchPolarTables({10, 0.1588L, 0.525L});
    // The disc's planes are symmetric about broadside.
    for (int i = 1; i < 90; ++i) EXPECT_NEAR(c.left[i], c.left[180 - i], 1e-9L * c.left[90]) << i;
    // Charts: symmetric about 0, two series, 180 points.
    for (const auto& chart : {rectangularPatchChart(duroid), circularPatchChart({10, 0.1588L, 0.525L})}) {
        ASSERT_EQ(chart.size(), 180u);
        for (std::size_t i = 0; i < chart.size(); i += 2) {
            EXPECT_EQ(chart[i].x, -chart[i + 1].x);
            EXPECT_EQ(chart[i].y, chart[i + 1].y);
            for (long double level : chart[i].y) EXPECT_TRUE(level <= 0 && level >= -40) << level;
        }
    }
}

TEST(PatchPatterns, ResistanceChartsFollowTheFeed)
{
    const RectangularPatchView line{10, 2.2L, 0.1588L, 0.906L, 1.186L, 228.411L, 0.313L};
    const auto input = rectangularPatchInputCurve(line);
    ASSERT_EQ(input.size(), 180u);
    EXPECT_NEAR(static_cast<double>(input[0].y[0]), 60 * 3 / 1.18585, 0.01);  // βl = 0: 60·λ0/W
    EXPECT_EQ(input.back().x, 180);
    EXPECT_FALSE(rectangularPatchResonanceRefusal(line));
    const auto resonance = rectangularPatchResonanceCurve(line);
    ASSERT_EQ(resonance.size(), 99u);
    EXPECT_NEAR(static_cast<double>(resonance.back().y[0]), 228.411 * std::pow(std::cos(M_PI * 0.313 / 100), 2), 0.01);

    struct Refused {
        long double inset, rin;
        const char* message;
    };
    for (const Refused& r :
         {Refused{0, 228, "Ponto de Alimentação para Ressonância com Alimentação de Microfita Inválida!!"},
          Refused{0.3L, 0, "Impedância de Entrada Inválida!!"}}) {
        RectangularPatchView cable = line;
        cable.inset_cm = r.inset;
        cable.input_ohm = r.rin;
        EXPECT_EQ(rectangularPatchResonanceRefusal(cable), std::optional<std::string>(r.message));
    }
}

}  // namespace
}  // namespace ondarel
