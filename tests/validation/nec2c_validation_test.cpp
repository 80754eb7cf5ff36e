// The closed-form figures against nec2c, the NEC2 method-of-moments solver,
// run on the decks the tool exports. Tolerances are what the physics of each
// formula justifies, checked against measured differences (noted per table).
// With ONDAREL_VALIDATION_REPORT=<file> the run also writes the Markdown
// report docs/validation.md is made of (scripts/validation-report.sh).
#include <gtest/gtest.h>

#include <unistd.h>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "antennas/wire/axial_helix.h"
#include "antennas/wire/finite_dipole.h"
#include "antennas/wire/small_loop.h"
#include "core/number_text.h"
#include "nec/nec_deck.h"

namespace ondarel {
namespace {

namespace fs = std::filesystem;

struct NecRun {
    double r = 0, x = 0;  // input impedance
    double inputPower = 0, radiatedPower = 0;
    std::vector<std::array<double, 3>> gains;  // θ, φ, total power gain (dBi)
    double gainAt(double theta, double phi) const
    {
        for (const auto& g : gains)
            if (std::fabs(g[0] - theta) < 1e-6 && std::fabs(g[1] - phi) < 1e-6) return g[2];
        ADD_FAILURE() << "no pattern sample at θ = " << theta << ", φ = " << phi;
        return NAN;
    }
};

// Runs nec2c on the deck; a deck it rejects, or output without the input
// parameters and patterns, fails the test.
NecRun solve(const std::string& deck, const std::string& name)
{
    const fs::path dir = fs::temp_directory_path() / ("ondarel-validation-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path in = dir / (name + ".nec"), out = dir / (name + ".out");
    std::ofstream(in) << deck;
    const std::string command = "nec2c -i '" + in.string() + "' -o '" + out.string() + "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_EQ(status, 0) << "nec2c rejected the deck (is nec2c installed?):\n" << deck;
    NecRun run;
    std::ifstream text(out);
    std::string line;
    bool patterns = false, impedance = false;
    while (std::getline(text, line)) {
        if (line.find("ANTENNA INPUT PARAMETERS") != std::string::npos) {
            for (int skip = 0; skip < 3 && std::getline(text, line); ++skip) {
            }
            std::istringstream f(line);
            double v[8];
            for (double& x : v) f >> x;
            run.r = v[6], run.x = v[7], impedance = bool(f);
        }
        if (line.find("INPUT POWER") != std::string::npos) run.inputPower = std::stod(line.substr(line.find('=') + 1));
        if (line.find("RADIATED POWER") != std::string::npos)
            run.radiatedPower = std::stod(line.substr(line.find('=') + 1));
        if (line.find("RADIATION PATTERNS") != std::string::npos) patterns = true;
        std::istringstream f(line);
        double theta, phi, vert, horiz, total;
        if (patterns && f >> theta >> phi >> vert >> horiz >> total) run.gains.push_back({theta, phi, total});
    }
    EXPECT_TRUE(impedance && !run.gains.empty()) << "nec2c gave no results for:\n" << deck;
    fs::remove_all(dir);
    return run;
}

enum class Measure { InputResistance, InputReactance, RadiationResistance, ForwardGain };

struct Case {
    std::string calculator;  // the report's section
    std::string design;
    std::string extension;
    std::vector<long double> inputs;
    Measure measure;
    std::function<double(const std::vector<long double>&)> ours;
    double below, above;         // accepted nec2c − ours: relative for resistances and reactances, dB for gains
    bool asserted = true;        // false: a known discrepancy, reported and left to the design's owner
    double theta = 90, phi = 0;  // the forward direction
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.extension << " " << c.design; }

struct ReportRow {
    Case c;
    double ours, theirs;
};

std::vector<ReportRow>& reportRows()
{
    static std::vector<ReportRow> rows;
    return rows;
}

double decibels(double ratio) { return 10 * std::log10(ratio); }

double finiteDipole(const std::vector<long double>& in, bool reactance)
{
    Notes notes;
    const auto r = std::get<FiniteDipoleResults>(computeFiniteDipole({in[0], in[1], in[2], in[3]}, notes));
    return static_cast<double>(reactance ? r.input_reactance_ohm : r.input_resistance_ohm);
}

class Nec2cValidation : public ::testing::TestWithParam<Case> {};

TEST_P(Nec2cValidation, AgreesWithinWhatThePhysicsJustifies)
{
    const Case& c = GetParam();
    const auto deck = nec::necDeck(c.extension, c.inputs);
    ASSERT_TRUE(std::holds_alternative<std::string>(deck)) << std::get<Refusal>(deck).message;
    const NecRun run = solve(std::get<std::string>(deck), c.extension);
    double theirs = 0;
    switch (c.measure) {
        case Measure::InputResistance: theirs = run.r; break;
        case Measure::InputReactance: theirs = run.x; break;
        // The feed resistance less the wire's loss share.
        case Measure::RadiationResistance: theirs = run.r * run.radiatedPower / run.inputPower; break;
        case Measure::ForwardGain: theirs = run.gainAt(c.theta, c.phi); break;
    }
    const double ours = c.ours(c.inputs);
    reportRows().push_back({c, ours, theirs});
    if (!c.asserted) GTEST_SKIP() << "known discrepancy, reported: ours " << ours << ", nec2c " << theirs;
    const double difference = c.measure == Measure::ForwardGain ? theirs - ours : (theirs - ours) / std::fabs(ours);
    EXPECT_GE(difference, -c.below) << "ours " << ours << ", nec2c " << theirs;
    EXPECT_LE(difference, c.above) << "ours " << ours << ", nec2c " << theirs;
}

// Finite dipole, ρ = 0.001λ (Ω = 2 ln(L/ρ) ≈ 14): the induced-EMF figures
// assume a sinusoidal current on an infinitely thin wire; at this thickness
// the current departs from it by terms of order 1/Ω, and NEC's resistances
// come out 12–23 % higher (measured: 0.25λ +23 %, 0.5λ +15 %, 0.75λ +20 %),
// reactances within 20 % except near 0.75λ (−23 %). NEC's resistance also
// holds the copper's loss, under 0.5 % of it here. Anti-resonance (L ≈ 1)
// is left out: there both figures are steep and the comparison meaningless.
const std::string kDipole = "Finite dipole (lin), impedance at the feed";
Case dipole(long double L, Measure m, double below, double above)
{
    return {kDipole, "L = " + formatFixed(L, 2) + " λ, ρ = 0.001 λ, 300 MHz",
            "lin",   {300, L, 0.001L, 5.76e7L},
            m,       [m](const std::vector<long double>& in) { return finiteDipole(in, m == Measure::InputReactance); },
            below,   above};
}

// Small loop, one turn: 20π²(C/λ)⁴ assumes a uniform current, true while
// the loop is electrically small; NEC's polygon of equal area measured
// +2 % at C = 0.031λ, +5 % at 0.063λ, +18 % at 0.126λ. At the worked
// example's 0.314λ (still "small" by the calculator's a < 1/(6π) rule)
// the current is far from uniform and NEC's figure is about 3.3 times ours.
const std::string kLoop = "Small loop (aec), radiation resistance";
Case loop(long double a, long double b, double below, double above, bool asserted = true)
{
    return {
        kLoop,
        "a = " + formatFixed(a, 3) + " λ, b = " + formatFixed(b, 4) + " λ, copper, 300 MHz",
        "aec",
        {300, a, b, 5.76e7L, 1},
        Measure::RadiationResistance,
        [](const std::vector<long double>& in) {
            return static_cast<double>(std::get<SmallLoopResults>(computeSmallLoop({in[0], in[1], in[2], in[3], in[4]}))
                                           .radiation_resistance_ohm);
        },
        below,
        above,
        asserted};
}

// Axial-mode helix over ground: Kraus's D = 15 N C² S / λ³ is known to
// overestimate long helices; NEC's axial gain measured 0.5 dB (8 dB design)
// to 3.3 dB (14 dB design) below it. Accepted: 4 dB below to 1 dB above.
const std::string kHelix = "Axial-mode helix (mag), gain along the axis (dBi)";
Case helix(long double G)
{
    Case c{kHelix,
           "G = " + formatFixed(G, 0) + " dB, α = 13°, C = 1 λ, 300 MHz",
           "mag",
           {300, G, 13, 1},
           Measure::ForwardGain,
           [](const std::vector<long double>& in) {
               return decibels(static_cast<double>(
                   std::get<AxialHelixResults>(computeAxialHelix({in[0], in[1], in[2], in[3]})).directivity));
           },
           4,
           1};
    c.theta = 0;
    return c;
}

// Yagi-Uda arrays: the element count comes from a cubic fit of G to
// tabulated designs; the tables' gains and moment-method results differ by
// up to 2 dB, so NEC's forward gain (dBi) must lie within 2.5 dB of G.
// Measured, dipoles: +2.4 dB (8 dB), +1.1 dB (10 dB); from 12 dB the
// spacing and director tables give arrays whose beam turns backwards (NEC's
// forward gain 2 to 3 dBi, its maximum to the rear): reported, not asserted.
// Loops: +1.1, −0.2, −1.7 dB for 8, 10, 12 dB; −3.2 dB at 14 dB.
const std::string kYagi = "Yagi-Uda of dipoles (yud), forward gain (dBi) against the design gain";
const std::string kLoopYagi = "Yagi-Uda of loops (lpc), forward gain (dBi) against the design gain";
double designGain(const std::vector<long double>& in) { return static_cast<double>(in[1]); }
Case yagi(long double G, bool asserted = true)
{
    return {kYagi,
            "G = " + formatFixed(G, 0) + " dB, r = 0.005 λ, 300 MHz",
            "yud",
            {300, G, 0.005L},
            Measure::ForwardGain,
            designGain,
            2.5,
            2.5,
            asserted};
}
Case loopYagi(long double G, bool asserted = true)
{
    return {kLoopYagi,
            "G = " + formatFixed(G, 0) + " dB, 300 MHz",
            "lpc",
            {300, G},
            Measure::ForwardGain,
            designGain,
            2.5,
            2.5,
            asserted};
}

// Log-periodic array, 100–300 MHz, 1 cm largest diameter, at the band's
// geometric centre, with the optimum τ, σ pairs and gains of the
// commercial-parameter list (Carrel's figures, known to be 1–2 dB
// optimistic). NEC measured 3.2–3.8 dB below: Carrel's optimism plus the
// largest element being displayed (and exported) as a full wavelength where
// the classical procedure makes it half of one. Accepted: 4.5 dB below to
// 1 dB above.
const std::string kLogPeriodic = "Log-periodic dipole array (lgp), forward gain (dBi) against the list's design gain";
Case logPeriodic(long double tau, long double sigma, double gain)
{
    return {kLogPeriodic,
            "τ = " + formatFixed(tau, 3) + ", σ = " + formatFixed(sigma, 3) + " (" + formatFixed(gain, 1) + " dB)",
            "lgp",
            {300, 100, 1, tau, sigma},
            Measure::ForwardGain,
            [gain](const std::vector<long double>&) { return gain; },
            4.5,
            1};
}

INSTANTIATE_TEST_SUITE_P(
    FiniteDipole, Nec2cValidation,
    ::testing::Values(
        dipole(0.25L, Measure::InputResistance, 0.05, 0.25), dipole(0.25L, Measure::InputReactance, 0.2, 0.2),
        dipole(0.4L, Measure::InputResistance, 0.05, 0.25), dipole(0.4L, Measure::InputReactance, 0.2, 0.2),
        dipole(0.5L, Measure::InputResistance, 0.05, 0.25), dipole(0.5L, Measure::InputReactance, 0.2, 0.2),
        dipole(0.6L, Measure::InputResistance, 0.05, 0.25), dipole(0.6L, Measure::InputReactance, 0.2, 0.2),
        dipole(0.75L, Measure::InputResistance, 0.05, 0.25), dipole(0.75L, Measure::InputReactance, 0.3, 0.2),
        dipole(1.5L, Measure::InputResistance, 0.05, 0.25), dipole(1.5L, Measure::InputReactance, 0.2, 0.25)));

INSTANTIATE_TEST_SUITE_P(SmallLoop, Nec2cValidation,
                         ::testing::Values(loop(0.005L, 0.0001L, 0.05, 0.08), loop(0.01L, 0.0001L, 0.05, 0.1),
                                           loop(0.02L, 0.0001L, 0.05, 0.25), loop(0.05L, 0.001L, 0, 0, false)));

INSTANTIATE_TEST_SUITE_P(AxialHelix, Nec2cValidation, ::testing::Values(helix(8), helix(10), helix(12), helix(14)));

INSTANTIATE_TEST_SUITE_P(YagiUda, Nec2cValidation,
                         ::testing::Values(yagi(8), yagi(10), yagi(12, false), yagi(14, false), loopYagi(8),
                                           loopYagi(10), loopYagi(12), loopYagi(14, false)));

INSTANTIATE_TEST_SUITE_P(LogPeriodic, Nec2cValidation,
                         ::testing::Values(logPeriodic(0.865L, 0.157L, 9.0), logPeriodic(0.916L, 0.168L, 10.0),
                                           logPeriodic(0.940L, 0.174L, 11.0)));

// Writes the report when asked: one table per calculator, in case order.
class Report : public ::testing::Environment {
public:
    void TearDown() override
    {
        const char* path = std::getenv("ONDAREL_VALIDATION_REPORT");
        if (!path || reportRows().empty()) return;
        std::ofstream out(path);
        out << "# Ondarel against nec2c\n\n"
               "Generated by `scripts/validation-report.sh` from the `validation` tests "
               "(tests/validation/nec2c_validation_test.cpp), which export each design with "
               "`ondarel-calc nec`'s deck writer, run nec2c on it and compare. Do not edit by hand.\n\n"
               "Differences are nec2c minus Ondarel: relative for resistances and reactances, in dB for gains. "
               "The tolerances, and why, are in the test's comments. \"no\" in the last column marks a known "
               "discrepancy that is reported, not asserted.\n";
        std::string section;
        for (const auto& row : reportRows()) {
            if (row.c.calculator != section) {
                section = row.c.calculator;
                out << "\n## " << section << "\n\n| Design | Ondarel | nec2c | Difference | Accepted | Asserted |\n"
                    << "|---|---:|---:|---:|---:|---|\n";
            }
            const bool gain = row.c.measure == Measure::ForwardGain;
            const std::string what = row.c.measure == Measure::InputReactance    ? " (X)"
                                     : row.c.measure == Measure::InputResistance ? " (R)"
                                                                                 : "";
            const std::string difference =
                gain ? formatFixed(row.theirs - row.ours, 2) + " dB"
                     : formatFixed(100 * (row.theirs - row.ours) / std::fabs(row.ours), 1) + " %";
            const std::string accepted =
                !row.c.asserted ? "—"
                : gain          ? "−" + formatFixed(row.c.below, 1) + " to +" + formatFixed(row.c.above, 1) + " dB"
                       : "−" + formatFixed(100 * row.c.below, 0) + " to +" + formatFixed(100 * row.c.above, 0) + " %";
            const int decimals = row.c.measure == Measure::RadiationResistance ? 5 : 2;
            out << "| " << row.c.design << what << " | " << formatFixed(row.ours, decimals) << " | "
                << formatFixed(row.theirs, decimals) << " | " << difference << " | " << accepted << " | "
                << (row.c.asserted ? "yes" : "no") << " |\n";
        }
        out << kReading;
    }

    // What the tables say, for a designer reading them.
    static constexpr const char* kReading =
        "\n## Reading the differences\n\n"
        "- The finite dipole's resistance is 12–23 % below nec2c's: the induced-EMF formula assumes an "
        "infinitely thin wire carrying a sinusoidal current; nec2c models the radius.\n"
        "- The small-loop formula holds while the loop is small: within 5 % up to a circumference of about "
        "0.06 λ. At 0.31 λ (a = 0.05 λ, still classed as small by a < 1/(6π)) the current is no longer "
        "uniform and nec2c's radiation resistance is 3.4 times the formula's.\n"
        "- Kraus's axial-mode gain formula overestimates, increasingly with the number of turns "
        "(0.6 dB at 8 dB, 3.3 dB at 14 dB); the decks stand on an infinite ground instead of the 0.75 λ plane.\n"
        "- The dipole Yagi-Uda meets its gain up to 10 dB. From 12 dB its element and spacing tables give "
        "arrays whose main beam points backwards (forward gain 2–3 dBi), and the spacings add up to more "
        "than the boom length shown.\n"
        "- The loop Yagi-Uda meets its gain up to 12 dB and falls 3.2 dB short at 14 dB.\n"
        "- The log-periodic array shows and exports its largest element as a full λmax, while its spacing "
        "(σ·λmax), axial length and mean impedance assume a half-wave element; the arrays as shown reach "
        "3.2–3.8 dB below the list's gain. With half-wave elements nec2c gives 6.8, 8.2 and 10.4 dBi.\n";
};

const auto* const kReport = ::testing::AddGlobalTestEnvironment(new Report);

}  // namespace
}  // namespace ondarel
