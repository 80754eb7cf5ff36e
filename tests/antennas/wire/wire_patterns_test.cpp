#include "antennas/wire/wire_patterns.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>

#include "catalogue/catalogue.h"
#include "core/checked_math.h"
#include "core/fault.h"
#include "core/rectangular_levels.h"

namespace ondarel {
namespace {

constexpr long double kPi = xmath::kPi;

WirePatternValues loop(long double f, long double a)
{
    WirePatternValues v;
    v.frequency_mhz = f;
    v.loop_radius_norm = a;
    return v;
}

WirePatternValues axialHelix(long double f, long double S, long double N)
{
    WirePatternValues v;
    v.frequency_mhz = f;
    v.spacing_m = S;
    v.turns = N;
    return v;
}

WirePatternValues normalHelix(long double nl)
{
    WirePatternValues v;
    v.normal_mode_nl = nl;
    return v;
}

// The tables of each wire antenna by its calculator code, as the rows name them.
std::optional<WirePolarTables> wirePolarTables(int code, const WirePatternValues& v)
{
    switch (code) {
        case 2: return infinitesimalDipolePolarTables(v);
        case 8: return axialHelixPolarTables(v);
        case 10: return smallLoopPolarTables(v);
        case 12: return normalHelixPolarTables(v);
        default: return std::nullopt;
    }
}

std::optional<PatternTable> wireFieldTable(int code, const WirePatternValues& v)
{
    switch (code) {
        case 2: return infinitesimalDipoleFieldTable(v);
        case 8: return axialHelixFieldTable(v);
        case 10: return smallLoopFieldTable(v);
        case 12: return normalHelixFieldTable(v);
        default: return std::nullopt;
    }
}

std::vector<ChartPoint> chart(int code, const WirePatternValues& v)
{
    return rectangularPoints([&] { return *wireFieldTable(code, v); });
}

TEST(WirePatterns, InfinitesimalDipoleIsSinSquaredAndOmnidirectional)
{
    const auto t = wirePolarTables(2, {});
    ASSERT_TRUE(t);
    EXPECT_EQ(t->e[90], 1);
    EXPECT_NEAR(static_cast<double>(t->e[30]), 0.25, 1e-11);
    EXPECT_NEAR(static_cast<double>(t->e[270]), 1, 1e-11);
    EXPECT_LT(t->e[180], 1e-20L);
    EXPECT_LT(t->e[360], 1e-20L);
    for (int k = 1; k <= 360; ++k) EXPECT_EQ(t->h[k], 100) << k;
}

TEST(WirePatterns, OnlyTheWireAntennasAreDrawnByTheWireWindow)
{
    for (int code : {0, 3, 4, 5, 9, 11, 13, 28}) EXPECT_EQ(patternSourceFor(code, "TForm3"), nullptr) << code;
    for (int code : {2, 8, 10, 12}) {
        const PatternSource* source = patternSourceFor(code, "TForm3");
        ASSERT_NE(source, nullptr) << code;
        EXPECT_EQ(source->tableNames[0], "E-plane");
        EXPECT_TRUE(source->function) << code;
    }
}

TEST(WirePatterns, SourcesReadTheCallersOwnFields)
{
    const std::map<std::string, std::string, std::less<>> fields = {
        {"input1", "300"}, {"input2", "0.1"}, {"input4", "0.05"}, {"output1", "0.25"}, {"output7", "10"},
    };
    const FieldTexts text = [&](std::string_view name) {
        const auto it = fields.find(name);
        return it == fields.end() ? std::string() : it->second;
    };
    struct Case {
        int code;
        WirePatternValues expected;
    };
    for (const Case& c :
         {Case{8, axialHelix(300, 0.25L, 10)}, Case{10, loop(300, 0.1L)}, Case{12, normalHelix(0.05L)}}) {
        const PolarTables t = patternSourceFor(c.code, "TForm3")->polarTables(text);
        EXPECT_EQ(t.left, wirePolarTables(c.code, c.expected)->e) << c.code;
        EXPECT_EQ(t.right, wirePolarTables(c.code, c.expected)->h) << c.code;
        EXPECT_EQ(patternSourceFor(c.code, "TForm3")->chartPoints(text).size(), 360u) << c.code;
    }
}

TEST(WirePatterns, SmallLoopDrawsTheDipolePattern)
{
    struct Case {
        const char* why;
        long double f, a;
    };
    const Case cases[] = {
        {"just below λ/(6π) = 0.0530516", 300, 0.053L},
        {"the radius in wavelengths decides, whatever λ", 3, 0.05L},
        {"λ = 0.1 m does not make a small loop finite", 3000, 0.053L},
        {"empty radius", 300, 0},
    };
    const auto dipole = *wirePolarTables(2, {});
    const auto dipoleChart = chart(2, {});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const auto t = *wirePolarTables(10, loop(c.f, c.a));
        EXPECT_EQ(t.e, dipole.e);
        EXPECT_EQ(t.h, dipole.h);
        const auto points = chart(10, loop(c.f, c.a));
        ASSERT_EQ(points.size(), dipoleChart.size());
        for (std::size_t i = 0; i < points.size(); ++i) EXPECT_EQ(points[i].level_db, dipoleChart[i].level_db);
    }
}

TEST(WirePatterns, LargeLoopFollowsTheBesselFunction)
{
    struct Case {
        long double f, a;
    };
    // Just above 1/(6π), at 3 MHz where λ/(6π) in metres would have called it
    // small, and radii beyond the reach of a truncated series.
    for (const Case& c :
         {Case{300, 0.0531L}, Case{300, 0.15L}, Case{150, 0.2L}, Case{3, 0.06L}, Case{300, 0.6L}, Case{300, 1.2L}}) {
        SCOPED_TRACE(static_cast<double>(c.a));
        const auto t = *wirePolarTables(10, loop(c.f, c.a));
        for (int k : {10, 30, 60, 90, 135, 250}) {
            const double x = 2 * std::numbers::pi * static_cast<double>(c.a) * std::sin(k * std::numbers::pi / 180);
            const double j1 = std::cyl_bessel_j(1.0, std::fabs(x));  // odd: the square is the same
            EXPECT_NEAR(static_cast<double>(t.e[k]), j1 * j1, 1e-11) << k;
        }
        for (int k = 1; k <= 360; ++k) EXPECT_EQ(t.h[k], 100);
    }
    // Loops of a wavelength's radius and more reach arguments where a
    // four-term series runs away (J1(4π) would read −1986): the table holds
    // the true J1 there too.
    for (const Case& c : {Case{300, 1.0L}, Case{300, 2.0L}}) {
        SCOPED_TRACE(static_cast<double>(c.a));
        const auto t = *wirePolarTables(10, loop(c.f, c.a));
        for (int k : {10, 30, 60, 90, 135, 250}) {
            const double x = 2 * std::numbers::pi * static_cast<double>(c.a) * std::sin(k * std::numbers::pi / 180);
            const double j1 = std::cyl_bessel_j(1.0, std::fabs(x));
            EXPECT_NEAR(static_cast<double>(t.e[k]), j1 * j1, 1e-9) << k;
        }
    }
    // No longer sin²θ: at 30° the normalised power is not 1/4.
    const auto t = *wirePolarTables(10, loop(300, 0.0531L));
    EXPECT_GT(t.e[30] / t.e[90] - 0.25L, 1e-4L);
}

TEST(WirePatterns, AxialHelixPlanesAreIdenticalWithTheMaximumOnTheAxis)
{
    struct Case {
        long double f, S, N;
    };
    for (const Case& c : {Case{300, 0.25L, 10}, Case{1000, 0.068L, 6}, Case{145, 0.5L, 24}}) {
        SCOPED_TRACE(static_cast<double>(c.N));
        const auto t = *wirePolarTables(8, axialHelix(c.f, c.S, c.N));
        EXPECT_EQ(t.e, t.h);
        // On the axis (θ = 0, sample 360) the field is sin(π/2N)/(π/2N).
        const long double half = kPi / (2 * c.N);
        const long double onAxis = std::sin(half) / half;
        EXPECT_NEAR(static_cast<double>(t.e[360]), static_cast<double>(onAxis * onAxis), 1e-10);
        for (int k = 1; k < 360; ++k) EXPECT_LE(t.e[k], t.e[360]) << k;
    }
}

TEST(WirePatterns, NormalHelixIsSinToTheFourthWhateverV)
{
    for (long double v : {0.0L, 0.05L, 0.5L, 3.0L}) {
        SCOPED_TRACE(static_cast<double>(v));
        const auto points = chart(12, normalHelix(v));
        for (const ChartPoint& p : points) {
            const double s = std::sin(p.angle_deg * std::numbers::pi / 180);
            const double expected = s * s < 0.01 ? -35 : 40 * std::log10(std::fabs(s));
            EXPECT_NEAR(static_cast<double>(p.level_db), expected, 1e-8) << p.angle_deg;
        }
        const auto t = *wirePolarTables(12, normalHelix(v));
        for (int k : {20, 45, 90, 300}) {
            const double s = std::sin(k * std::numbers::pi / 180);
            EXPECT_NEAR(static_cast<double>(t.e[k] / t.e[90]), std::pow(s, 4), 1e-10) << k;
        }
    }
}

TEST(WirePatterns, ZeroFrequencyOrTurnsIsAFloatingPointFault)
{
    struct Case {
        const char* why;
        int code;
        WirePatternValues values;
    };
    const Case cases[] = {
        {"helix, f = 0", 8, axialHelix(0, 0.25L, 10)},
        {"helix, N = 0", 8, axialHelix(300, 0.25L, 0)},
        {"helix, all empty", 8, {}},
        {"loop, f = 0", 10, loop(0, 0.1L)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        for (int table = 0; table < 2; ++table) {
            try {
                if (table == 0)
                    wirePolarTables(c.code, c.values);
                else
                    wireFieldTable(c.code, c.values);
                ADD_FAILURE() << "no fault for table " << table;
            } catch (const Fault& fault) {
                EXPECT_EQ(fault.kind(), FaultKind::FloatingPoint);
            }
        }
    }
    // The dipole and the normal-mode helix read no frequency.
    EXPECT_NO_THROW(wirePolarTables(2, {}));
    EXPECT_NO_THROW(wirePolarTables(12, {}));
    EXPECT_NO_THROW(wireFieldTable(12, {}));
}

}  // namespace
}  // namespace ondarel
