// The aperture pattern window's tables and chart through each calculator's
// pattern source, against the field patterns computed here independently
// (double precision, the library's Bessel functions).
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>

#include "catalogue/catalogue.h"
#include "core/fault.h"

namespace ondarel {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kJ1PrimeZero = 1.8411837813406593;

FieldTexts texts(std::map<std::string, std::string> values)
{
    return [values](std::string_view field) {
        const auto it = values.find(std::string(field));
        return it == values.end() ? std::string() : it->second;
    };
}

const PatternSource& source(int code) { return *patternSourceFor(code, "TForm39"); }

double j1(double z) { return z < 0 ? -std::cyl_bessel_j(1.0, -z) : std::cyl_bessel_j(1.0, z); }
double j1Prime(double z) { return 0.5 * (std::cyl_bessel_j(0.0, std::fabs(z)) - std::cyl_bessel_j(2.0, std::fabs(z))); }
double sinc(double u) { return std::sin(u) / u; }

// The field patterns of each code, E plane then H plane.
struct Plane {
    double e, h;
};

Plane expectedField(int code, double a, double b, double theta)
{
    const double s = std::sin(theta), c = std::cos(theta);
    const double x = kPi * a * s, y = kPi * b * s, z = 2 * kPi * a * s;
    switch (code) {
        case 13: return {sinc(y), c * sinc(x)};
        case 27: return {sinc(y), c * std::cos(x) / (x * x - kPi * kPi / 4)};
        case 26: return {j1(z) / z, c * j1(z) / z};
        default: return {j1(z) / z, c * j1Prime(z) / (1 - (z / kJ1PrimeZero) * (z / kJ1PrimeZero))};
    }
}

struct TableCase {
    int code;
    double a, b;
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.code << " a=" << c.a << " b=" << c.b; }

class ApertureTables : public ::testing::TestWithParam<TableCase> {};

TEST_P(ApertureTables, HoldTheSquaredFieldsOverTheirSweepAndZeroElsewhere)
{
    const TableCase& c = GetParam();
    const bool circular = c.code == 26 || c.code == 30;
    const PolarTables t =
        source(c.code).polarTables(texts({{"input1", std::to_string(c.a)}, {"input2", std::to_string(c.b)}}));
    for (int d = 1; d <= 360; ++d) {
        const bool swept = circular ? d <= 180 : (d <= 90 || d >= 270);
        const double theta = d * kPi / 180;
        const Plane f = expectedField(c.code, c.a, c.b, theta);
        const double e = swept ? f.e * f.e : 0, h = swept ? f.h * f.h : 0;
        EXPECT_NEAR(static_cast<double>(t.left[d]), e, 1e-9 * std::max(1.0, e)) << d;
        EXPECT_NEAR(static_cast<double>(t.right[d]), h, 1e-9 * std::max(1.0, h)) << d;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ApertureTables,
                         ::testing::Values(TableCase{13, 2, 3}, TableCase{13, 1.43, 7.5}, TableCase{27, 2, 3},
                                           TableCase{27, 4.25, 1.5}, TableCase{26, 2, 0}, TableCase{26, 1.43, 0},
                                           TableCase{26, 6.5, 0}, TableCase{30, 2, 0}, TableCase{30, 3.3, 0}));

// A truncated series scaled every circular diagram to a false lobe near 90°;
// with the true J1 the main beam is at the axis (1° and its mirror 180°) for
// every radius, and nothing else comes within 13 dB of it.
TEST(CircularApertures, TheirMaximumIsOnTheAxisForEveryRadius)
{
    for (int code : {26, 30}) {
        for (double a : {1.43, 1.536, 2.0, 3.0, 5.0, 10.0}) {
            SCOPED_TRACE(std::to_string(code) + " a=" + std::to_string(a));
            const PolarTables t = source(code).polarTables(texts({{"input1", std::to_string(a)}}));
            for (const PatternTable* table : {&t.left, &t.right}) {
                const long double axis = std::max((*table)[1], (*table)[180]);
                const double firstNullDeg = std::asin(3.8317 / (2 * kPi * a)) * 180 / kPi;
                for (int d = 2; d <= 179; ++d) {
                    EXPECT_LE((*table)[d], axis) << d;
                    if (d > firstNullDeg && d < 180 - firstNullDeg) {
                        EXPECT_LT((*table)[d], 0.05L * axis) << d;
                    }
                }
            }
        }
    }
}

// The TE11 H-plane meets the first zero of J1′ at θ = arcsin(1.8412/(2πa));
// a = 1.536 puts it within 0.01° of 11°. The diagram runs smoothly through
// it: no spike, and the value is the limit of the quotient.
TEST(CircularApertureTe11, HPlanePassesTheZeroOfJ1PrimeSmoothly)
{
    const PolarTables t = source(30).polarTables(texts({{"input1", "1.536"}}));
    for (int d = 8; d <= 14; ++d) {
        const double theta = d * kPi / 180;
        const double z = 2 * kPi * 1.536 * std::sin(theta);
        const double expected = std::cos(theta) * j1Prime(z) / (1 - (z / kJ1PrimeZero) * (z / kJ1PrimeZero));
        EXPECT_NEAR(static_cast<double>(t.right[d]), expected * expected, 1e-7) << d;
        // Monotone down the main lobe: no step up of several decibels.
        EXPECT_LT(t.right[d], t.right[d - 1]) << d;
    }
    // Exactly at the zero (a chosen so that Z(30°) = z0) the limit is taken.
    const std::string a = std::to_string(kJ1PrimeZero / kPi);
    const PolarTables at = source(30).polarTables(texts({{"input1", a}}));
    const double limit = (kJ1PrimeZero * kJ1PrimeZero - 1) * j1(kJ1PrimeZero) / (2 * kJ1PrimeZero);
    EXPECT_NEAR(static_cast<double>(at.right[30]), std::pow(std::cos(kPi / 6) * limit, 2), 1e-6);
}

// X = π·a·sin θ = π/2 at a = 1, θ = 30°: the quotient's limit −1/π.
TEST(RectangularApertureTe10, HPlaneTakesItsLimitWhereXIsHalfPi)
{
    const PolarTables t = source(27).polarTables(texts({{"input1", "1"}, {"input2", "2"}}));
    const double expected = std::cos(kPi / 6) / kPi;
    EXPECT_NEAR(static_cast<double>(t.right[30]), expected * expected, 1e-12);
    EXPECT_TRUE(std::isfinite(static_cast<double>(t.right[30])));
}

struct ChartCase {
    int code;
    const char* a;
    const char* b;
};

void PrintTo(const ChartCase& c, std::ostream* os) { *os << c.code << " a=" << c.a; }

class ApertureCharts : public ::testing::TestWithParam<ChartCase> {};

// Each point is the E-plane level at the angle it is drawn at, the same
// integer angle as the polar table's sample: the two agree point for point.
TEST_P(ApertureCharts, PlotEachLevelAtTheAngleItWasComputedFor)
{
    const ChartCase& c = GetParam();
    const FieldTexts fields = texts({{"input1", c.a}, {"input2", c.b}});
    const std::vector<ChartPoint> points = source(c.code).chartPoints(fields);
    const PolarTables t = source(c.code).polarTables(fields);
    const bool circular = c.code == 26 || c.code == 30;
    ASSERT_EQ(points.size(), 180u);  // 1 … 180, or ±1 … ±90
    long double largest = 0;
    for (int k = 1; k <= 180; ++k) largest = std::max(largest, std::sqrt(t.left[k] > 0 ? t.left[k] : 0));
    if (!circular)  // the chart's own samples run to 180°, the polar table only to 90°
        for (int k = 91; k <= 180; ++k) {
            const double f = expectedField(c.code, std::stod(c.a), std::stod(c.b), k * kPi / 180).e;
            largest = std::max<long double>(largest, std::fabs(f));
        }
    for (const ChartPoint& p : points) {
        const int k = std::abs(p.angle_deg);
        ASSERT_TRUE(circular ? (p.angle_deg >= 1 && k <= 180) : (k >= 1 && k <= 90)) << p.angle_deg;
        const double ratio = static_cast<double>(std::sqrt(t.left[k]) / largest);
        const double expected = ratio < 0.01 ? -35 : 20 * std::log10(ratio);
        EXPECT_NEAR(static_cast<double>(p.level_db), expected, 1e-6) << p.angle_deg;
        EXPECT_GE(p.level_db, -40);  // ratios 0.01 … 0.0178 lie below the axis and are clipped
        EXPECT_LE(p.level_db, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ApertureCharts,
                         ::testing::Values(ChartCase{13, "2", "3"}, ChartCase{27, "2", "1.5"}, ChartCase{26, "2", ""},
                                           ChartCase{30, "3.3", ""}));

TEST(ApertureCharts, RectangularChartsAreMirroredAndCircularOnesSpanTheHalfTurn)
{
    const auto rect = source(13).chartPoints(texts({{"input1", "2"}, {"input2", "3"}}));
    ASSERT_EQ(rect.size(), 180u);
    EXPECT_EQ(rect.front().angle_deg, 1);
    EXPECT_EQ(rect[1].angle_deg, -1);
    EXPECT_EQ(rect.back().angle_deg, -90);
    for (std::size_t i = 0; i + 1 < rect.size(); i += 2) EXPECT_EQ(rect[i].level_db, rect[i + 1].level_db);
    const auto circ = source(26).chartPoints(texts({{"input1", "2"}}));
    EXPECT_EQ(circ.front().angle_deg, 1);
    EXPECT_EQ(circ.back().angle_deg, 180);
}

// An empty or zero dimension makes the pattern divide zero by zero.
TEST(AperturePatterns, AZeroDimensionIsTheFloatingPointFault)
{
    for (int code : {13, 27, 26, 30}) {
        SCOPED_TRACE(code);
        const FieldTexts empty = texts({});
        EXPECT_THROW(source(code).polarTables(empty), Fault);
        EXPECT_THROW(source(code).chartPoints(empty), Fault);
    }
    // A radius beyond the 6-byte range faults when it is stored.
    EXPECT_THROW(source(26).polarTables(texts({{"input1", "1e39"}})), Fault);
}

TEST(AperturePatterns, PrintedTitlesAndPlaneNamesBelongToEachCalculator)
{
    const std::map<int, std::string> titles = {
        {13, "Diagrama da Antena de abertura retangular - Distribuição uniforme"},
        {26, "Diagrama da Antena de abertura circular - Distribuição uniforme"},
        {27, "Diagrama da Antena Antena de abertura retangular - Distribuição modo TE10"},
        {30, "Diagrama da Antena de abertura circular - Distribuição modo TE11"}};
    for (const auto& [code, title] : titles) {
        EXPECT_EQ(source(code).printTitle, title);
        EXPECT_EQ(source(code).tableNames[0], "E-plane");
        EXPECT_EQ(source(code).tableNames[1], "H-plane");
    }
}

// The 3D view's f(θ): finite everywhere, including the removable points.
TEST(AperturePatterns, TheThreeDimensionalFunctionsAreFiniteAtTheirRemovablePoints)
{
    struct Case {
        int code;
        const char* a;
        double theta;
        double expected;
    };
    const double zeroAtSixty = kJ1PrimeZero / kPi;  // 2π·a·cos 60° = z0
    const double limit = (kJ1PrimeZero * kJ1PrimeZero - 1) * j1(kJ1PrimeZero) / (2 * kJ1PrimeZero);
    const std::string a60 = std::to_string(zeroAtSixty);
    for (const Case& c : {Case{13, "2", 0, 1}, Case{27, "2", 0, 1}, Case{26, "2", kPi / 2, 0.5},
                          Case{30, "2", kPi / 2, 0}, Case{30, a60.c_str(), kPi / 3, 0.5 * limit},
                          Case{26, "2", 0.3, j1(4 * kPi * std::cos(0.3)) / (4 * kPi * std::cos(0.3))}}) {
        SCOPED_TRACE(c.code);
        const PatternFunction f = source(c.code).function(texts({{"input1", c.a}, {"input2", c.a}}));
        EXPECT_NEAR(static_cast<double>(f(c.theta, 0)), c.expected, 2e-4);
    }
}

}  // namespace
}  // namespace ondarel
