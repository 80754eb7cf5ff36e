// Pattern tables, chart levels and titles of the array pattern window.
#include "antennas/arrays/array_patterns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "catalogue/catalogue.h"
#include "core/fault.h"
#include "core/real48.h"

namespace ondarel {
namespace {

ArrayPatternValues uniform(long double N, long double d)
{
    ArrayPatternValues v;
    v.elements = N;
    v.spacing_norm = d;
    return v;
}

ArrayPatternValues phased(long double N, long double d, long double scanPolar, long double scanChart)
{
    ArrayPatternValues v = uniform(N, d);
    v.scan_polar_deg = scanPolar;
    v.scan_chart_deg = scanChart;
    return v;
}

ArrayPatternValues planar(long double theta0, long double phi0, long double dx, long double dy, long double M,
                          long double N)
{
    ArrayPatternValues v;
    v.theta0_deg = theta0;
    v.phi0_deg = phi0;
    v.dx_norm = dx;
    v.dy_norm = dy;
    v.elements_x = M;
    v.elements = N;
    return v;
}

// The tables of each array by its calculator code, as the rows name them.
std::optional<ArrayPolarTables> arrayPolarTables(int code, const ArrayPatternValues& v)
{
    switch (code) {
        case 5: return broadsidePolarTables(v);
        case 6: return planarPolarTables(v);
        case 7: return endFirePolarTables(v);
        case 11: return phasedPolarTables(v);
        case 37: return hansenWoodyardPolarTables(v);
        default: return std::nullopt;
    }
}

std::optional<ArrayChartLevels> arrayChartLevels(int code, const ArrayPatternValues& v)
{
    switch (code) {
        case 5: return broadsideChartLevels(v);
        case 6: return planarChartLevels(v);
        case 7: return endFireChartLevels(v);
        case 11: return phasedChartLevels(v);
        case 37: return hansenWoodyardChartLevels(v);
        default: return std::nullopt;
    }
}

const PatternSource* arraySource(int code) { return patternSourceFor(code, "TForm28"); }

long double largest(const PatternTable& t) { return *std::max_element(t.begin() + 1, t.end()); }

// ---- every table: non-negative powers, each a 6-byte real ------------------

struct Valid {
    const char* what;
    int code;
    ArrayPatternValues values;
};

void PrintTo(const Valid& p, std::ostream* os) { *os << p.what; }

class ArrayPatternTables : public ::testing::TestWithParam<Valid> {};

TEST_P(ArrayPatternTables, HoldStoredNonNegativePowers)
{
    const auto tables = arrayPolarTables(GetParam().code, GetParam().values);
    ASSERT_TRUE(tables);
    for (const PatternTable* t : {&tables->left, &tables->right})
        for (int i = 1; i <= 360; ++i) {
            EXPECT_GE((*t)[i], 0) << GetParam().what << " at " << i;
            EXPECT_EQ(store48((*t)[i]), (*t)[i]) << GetParam().what << " at " << i;
        }
}

TEST_P(ArrayPatternTables, ChartLevelsLieBetweenTheFloorAndZero)
{
    const auto levels = arrayChartLevels(GetParam().code, GetParam().values);
    ASSERT_TRUE(levels);
    for (int k = 1; k <= 180; ++k) {
        EXPECT_LE((*levels)[k], 0) << GetParam().what << " at " << k;
        EXPECT_GE((*levels)[k], kArrayChartFloorDb) << GetParam().what << " at " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ArrayPatternTables,
                         ::testing::Values(Valid{"broadside", 5, uniform(10, 0.25L)},
                                           Valid{"broadside d=1", 5, uniform(4, 1)},
                                           Valid{"end-fire", 7, uniform(10, 0.25L)},
                                           Valid{"phased", 11, phased(10, 0.25L, 60, 60)},
                                           Valid{"Hansen-Woodyard", 37, uniform(10, 0.25L)},
                                           Valid{"planar", 6, planar(30, 45, 0.5L, 0.5L, 10, 10)},
                                           Valid{"planar φ0=0", 6, planar(30, 0, 0.5L, 0.25L, 8, 4)}));

// ---- broadside -------------------------------------------------------------

TEST(BroadsidePattern, FactorPeaksAtNinetyAndTwoHundredSeventy)
{
    const auto t = arrayPolarTables(5, uniform(10, 0.25L));
    ASSERT_TRUE(t);
    const long double peak = largest(t->left);
    EXPECT_EQ(t->left[90], peak);
    EXPECT_EQ(t->left[270], peak);
    EXPECT_EQ(std::count(t->left.begin() + 1, t->left.end(), peak), 2);
    EXPECT_NEAR(peak, 1, 1e-12);
}

TEST(BroadsidePattern, TotalFieldIsTheSquaredFactorTimesTheElementPattern)
{
    const auto t = arrayPolarTables(5, uniform(10, 0.25L));
    // At 90°: AF² = 1 and g = cos 0 − cos(π/4), so the entry is (1 − √2/2)².
    EXPECT_NEAR(t->right[90], std::pow(1 - std::sqrt(2.0L) / 2, 2), 1e-10);
    // Along the axis the element pattern vanishes.
    EXPECT_EQ(t->right[180], 0);
    EXPECT_EQ(t->right[360], 0);
}

TEST(BroadsidePattern, ChartIsAtZeroDecibelsBroadside)
{
    const auto levels = arrayChartLevels(5, uniform(10, 0.25L));
    ASSERT_TRUE(levels);
    EXPECT_NEAR((*levels)[90], 0, 1e-9);
    EXPECT_LT((*levels)[60], -10);
}

TEST(BroadsidePattern, GratingLobeOfAWholeWavelengthReachesFullLevel)
{
    // d = 1: the 6-byte 2π keeps sin(kd/2) just off zero at 0° and 180°.
    const auto t = arrayPolarTables(5, uniform(4, 1));
    EXPECT_NEAR(t->left[360], 1, 1e-9);
    EXPECT_NEAR(t->left[180], 1, 1e-9);
}

// ---- phased ----------------------------------------------------------------

TEST(PhasedPattern, ChartSampleWithUExactlyZeroIsFullLevel)
{
    // Scan angle 0°: the sample at 360° has u = 0 exactly and counts as 1.
    const auto levels = arrayChartLevels(11, phased(10, 0.25L, 0, 0));
    ASSERT_TRUE(levels);
    EXPECT_LT((*levels)[1], 0);
    EXPECT_GT((*levels)[1], -0.001L);
}

TEST(PhasedPattern, PolarUsesTheShownDirectionAndChartTheTypedAngle)
{
    const ArrayPatternValues v = phased(10, 0.25L, 60, 30);
    const auto t = arrayPolarTables(11, v);
    EXPECT_EQ(t->left[60], 1);  // u exactly 0 at the beam direction
    EXPECT_EQ(largest(t->left), 1);
    const auto levels = arrayChartLevels(11, v);
    EXPECT_EQ((*levels)[30], 0);
    EXPECT_LT((*levels)[60], -3);
}

TEST(PhasedPattern, ScanAtZeroPutsAFullEntryAtThreeSixty)
{
    const auto t = arrayPolarTables(11, phased(10, 0.25L, 0, 0));
    EXPECT_EQ(t->left[360], 1);
}

// ---- end-fire --------------------------------------------------------------

TEST(EndFirePattern, EachDiagramVanishesOppositeItsBeam)
{
    const auto t = arrayPolarTables(7, uniform(10, 0.25L));
    EXPECT_EQ(t->left[180], 0);   // ψ = kd·(1 + cos 180°) = 0
    EXPECT_EQ(t->right[360], 0);  // ψ = kd·(cos 0° − 1) = 0
    // At 0°: ψ = 2·kd = π (6-byte), (π·cos 5π / 5)².
    EXPECT_NEAR(t->left[360], std::pow(3.14159265358979L / 5, 2), 1e-9);
    EXPECT_NEAR(t->right[180], t->left[360], 1e-9);
}

TEST(EndFirePattern, ChartSamplesOnlyTheFirstHalfTurn)
{
    // Over 1° … 180° the largest field is at 1°; the 0° sample beyond the
    // half turn would be larger but is not taken.
    const auto levels = arrayChartLevels(7, uniform(10, 0.25L));
    EXPECT_EQ((*levels)[1], 0);
    EXPECT_EQ((*levels)[180], kArrayChartFloorDb);  // ψ = 0: no field
}

// ---- Hansen-Woodyard -------------------------------------------------------

TEST(HansenWoodyardPattern, BackwardBeamMirrorsTheForwardOne)
{
    const auto t = arrayPolarTables(37, uniform(10, 0.25L));
    for (int i = 1; i <= 360; ++i) {
        const int mirror = ((180 - i) % 360 + 360) % 360;  // θ → 180° − θ
        const long double expected = t->left[mirror == 0 ? 360 : mirror];
        EXPECT_NEAR(t->right[i], expected, 1e-9 * (1 + expected)) << i;
    }
    EXPECT_EQ(largest(t->left), t->left[360]);
}

TEST(HansenWoodyardPattern, ChartSamplesTheWholeTurn)
{
    // The largest field is the 0° sample (number 360), beyond the plotted
    // half turn, so even 1° lies below 0 dB.
    const auto levels = arrayChartLevels(37, uniform(10, 0.25L));
    EXPECT_LT((*levels)[1], 0);
    EXPECT_GT((*levels)[1], -1);
}

// ---- planar ----------------------------------------------------------------

TEST(PlanarPattern, BeamDirectionItselfIsFullLevelNotZeroOverZero)
{
    // φ0 = 45°: the "Phi = 45°" diagram meets ψx = ψy = 0 exactly at 30°.
    const auto t = arrayPolarTables(6, planar(30, 45, 0.5L, 0.5L, 10, 10));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->right[30], 1);
    // φ0 = 0: the left diagram meets ψx = 0 exactly at 30°.
    EXPECT_NO_THROW(arrayPolarTables(6, planar(30, 0, 0.5L, 0.5L, 10, 10)));
}

TEST(PlanarPattern, ChartIsFullLevelWhereEitherPhaseIsZero)
{
    const auto levels = arrayChartLevels(6, planar(30, 0, 0.5L, 0.5L, 10, 10));
    ASSERT_TRUE(levels);
    EXPECT_EQ((*levels)[30], 0);
}

TEST(PlanarPattern, UsesDyForTheYAxis)
{
    // Only dy changes: a pattern built on dx for the y axis would not move.
    const auto a = arrayPolarTables(6, planar(30, 45, 0.5L, 0.5L, 10, 10));
    const auto b = arrayPolarTables(6, planar(30, 45, 0.5L, 0.25L, 10, 10));
    EXPECT_NE(a->left[60], b->left[60]);
}

// ---- faults ----------------------------------------------------------------

struct Faulting {
    const char* what;
    int code;
    ArrayPatternValues values;
    bool polar;  // else the chart
};

void PrintTo(const Faulting& p, std::ostream* os) { *os << p.what; }

class ArrayPatternFaults : public ::testing::TestWithParam<Faulting> {};

TEST_P(ArrayPatternFaults, RaiseTheFloatingPointFaultNotNaN)
{
    const Faulting& f = GetParam();
    try {
        if (f.polar)
            arrayPolarTables(f.code, f.values);
        else
            arrayChartLevels(f.code, f.values);
        FAIL() << f.what << ": no fault";
    } catch (const Fault& e) {
        EXPECT_EQ(e.kind(), FaultKind::FloatingPoint) << f.what;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ArrayPatternFaults,
                         ::testing::Values(Faulting{"broadside N=0 polar", 5, uniform(0, 0.25L), true},
                                           Faulting{"broadside d=0 polar", 5, uniform(10, 0), true},
                                           Faulting{"broadside N=0 chart", 5, uniform(0, 0.25L), false},
                                           Faulting{"broadside d=0 chart", 5, uniform(10, 0), false},
                                           Faulting{"phased N=0 polar", 11, phased(0, 0.25L, 60, 60), true},
                                           Faulting{"phased d=0 chart", 11, phased(10, 0, 60, 60), false},
                                           Faulting{"end-fire N=0 polar", 7, uniform(0, 0.25L), true},
                                           Faulting{"end-fire d=0 chart, no field anywhere", 7, uniform(10, 0), false},
                                           Faulting{"Hansen-Woodyard N=0 polar", 37, uniform(0, 0.25L), true},
                                           Faulting{"Hansen-Woodyard N=0 chart", 37, uniform(0, 0.25L), false},
                                           Faulting{"planar M=0 polar", 6, planar(30, 45, 0.5L, 0.5L, 0, 10), true},
                                           Faulting{"planar N=0 chart", 6, planar(30, 45, 0.5L, 0.5L, 10, 0), false}));

// ---- codes, titles and field reading ---------------------------------------

TEST(ArrayPatternCodes, OnlyTheArraysAreDrawnByTheArrayWindow)
{
    for (int code : {0, 2, 3, 8, 10, 12, 13, 28}) EXPECT_EQ(arraySource(code), nullptr) << code;
    for (int code : {5, 6, 7, 11, 37}) {
        ASSERT_NE(arraySource(code), nullptr) << code;
        EXPECT_EQ(patternSourceFor(code, "TForm3"), nullptr) << code;
        EXPECT_TRUE(arraySource(code)->function) << code;
    }
}

struct Titles {
    int code;
    DiagramTitle left, right;
    const char* printed;
};

void PrintTo(const Titles& p, std::ostream* os) { *os << "code " << p.code; }

class ArrayTitles : public ::testing::TestWithParam<Titles> {};

TEST_P(ArrayTitles, NameTheCallersDiagrams)
{
    const PatternSource* source = arraySource(GetParam().code);
    ASSERT_TRUE(source && source->titles);
    const auto& t = *source->titles;
    EXPECT_EQ(t[0].text, GetParam().left.text);
    EXPECT_EQ(t[0].x, GetParam().left.x);
    EXPECT_EQ(t[1].text, GetParam().right.text);
    EXPECT_EQ(t[1].x, GetParam().right.x);
    EXPECT_EQ(source->printTitle, GetParam().printed);
}

INSTANTIATE_TEST_SUITE_P(Cases, ArrayTitles,
                         ::testing::Values(Titles{5,
                                                  {"Diagrama do Fator do Arranjo", 90},
                                                  {"Diagrama do Campo Total do Arranjo", 390},
                                                  "Diagrama de Irradiação para Arranjo Broadside."},
                                           Titles{6,
                                                  {"Diagrama do Fator do Arranjo Planar para Phi = 0° ou 90°", 10},
                                                  {"Diagrama do Fator do Arranjo Planar para Phi = 45°", 350},
                                                  "Diagrama de Irradiação para Arranjo Planar."},
                                           Titles{7,
                                                  {"Diagrama do Fator do Arranjo para Theta = 0°", 35},
                                                  {"Diagrama do Fator do Arranjo para Theta = 180°", 350},
                                                  "Diagrama de Irradiação para Arranjo End-Fire."},
                                           Titles{11,
                                                  {"Diagrama do Fator do Arranjo", 50},
                                                  {"Diagrama do Campo Total do Arranjo", 350},
                                                  "Diagrama de Irradiação para Arranjo de Fase."},
                                           Titles{37,
                                                  {"Diagrama do Fator de Arranjo para Theta = 0°", 50},
                                                  {"Diagrama do Fator do Arranjo para Theta = 180°", 350},
                                                  "Diagrama de Irradiação para Arranjo Hansen-Woodyard."}));

TEST(ArrayPatternFields, ReadTheCallersOwnFields)
{
    const std::map<std::string, std::string, std::less<>> fields = {
        {"imput2", "10"}, {"imput3", "0.25"}, {"imput4", "30"}, {"output2", "60.000"},
        {"Numero", "8"},  {"Espaco", "x"},    {"input5", "4"},  {"input6", "6"},
    };
    auto text = [&](std::string_view name) {
        const auto it = fields.find(name);
        return it == fields.end() ? std::string() : it->second;
    };
    // Each source reads its own fields: the tables equal those of the values
    // it should have read.
    auto sameTables = [&](int code, const ArrayPatternValues& expected) {
        const PolarTables t = arraySource(code)->polarTables(text);
        const ArrayPolarTables e = *arrayPolarTables(code, expected);
        EXPECT_EQ(t.left, e.left) << code;
        EXPECT_EQ(t.right, e.right) << code;
    };
    sameTables(11, phased(10, 0.25L, 60, 30));
    ArrayPatternValues hw = uniform(8, 0);  // an unconvertible text reads 0
    sameTables(37, hw);
    sameTables(6, planar(0, 0, 0, 0, 4, 6));  // M from input5, N from input6
    const auto phasedChart = arraySource(11)->chartPoints(text);
    const auto levels = phasedChartLevels(phased(10, 0.25L, 60, 30));
    ASSERT_EQ(phasedChart.size(), 360u);
    EXPECT_EQ(phasedChart[0].angle_deg, 1);
    EXPECT_EQ(phasedChart[1].angle_deg, -1);
    EXPECT_EQ(phasedChart[2 * 44].level_db, levels[45]);  // scan angle as typed in imput4
}

}  // namespace
}  // namespace ondarel
