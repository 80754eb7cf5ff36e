// The geometry of each wire design, derived from what its calculator
// computes: dipoles and array elements stand along z, arrays lie along +x
// (their forward direction), loops are polygons, helices polygonal spirals.
#include <cmath>
#include <functional>
#include <map>

#include "antennas/wire/axial_helix.h"
#include "antennas/wire/finite_dipole.h"
#include "antennas/wire/infinitesimal_dipole.h"
#include "antennas/wire/log_periodic_dipoles.h"
#include "antennas/wire/normal_helix.h"
#include "antennas/wire/small_loop.h"
#include "antennas/wire/yagi_uda_dipoles.h"
#include "antennas/wire/yagi_uda_loops.h"
#include "core/number_text.h"
#include "matching/folded_dipole.h"
#include "nec/nec_deck.h"

namespace ondarel::nec {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A failed step: its refusal. The designs build by adding wires, and stop
// at the first that cannot be segmented.
using Step = std::optional<Refusal>;

struct Builder {
    Model model;
    double wavelength_m = 0;
    int wanted = 0;  // segments asked for per element or per turn

    int nextTag() const { return model.wires.empty() ? 1 : model.wires.back().tag + 1; }

    // A straight element; returns its tag through `tag`, its segments through `count`.
    Step element(Point from, Point to, double radius, bool centreFed, int& tag, int& count, int askFor = -1)
    {
        const double length = std::hypot(to[0] - from[0], to[1] - from[1], to[2] - from[2]);
        auto n = segmentsFor(length, radius, wavelength_m, askFor >= 0 ? askFor : wanted, centreFed);
        if (auto* r = std::get_if<Refusal>(&n)) return *r;
        tag = nextTag();
        count = std::get<int>(n);
        model.wires.push_back({from, to, radius, count, tag});
        return std::nullopt;
    }

    // A closed or open chain of one-segment wires through `points`; the
    // first wire's tag through `firstTag`.
    void chain(const std::vector<Point>& points, double radius, int& firstTag)
    {
        firstTag = nextTag();
        if (!points.empty()) model.wires.reserve(model.wires.size() + points.size() - 1);
        for (std::size_t i = 0; i + 1 < points.size(); ++i)
            model.wires.push_back({points[i], points[i + 1], radius, 1, firstTag});
    }

    // How many sides a path of `length` takes (per turn: `wanted` applies).
    std::variant<int, Refusal> sides(double length, double radius, int minimum)
    {
        return segmentsFor(length, radius, wavelength_m, wanted, false, minimum);
    }
};

// A regular polygon of `n` sides with its vertices on a circle of radius
// `r`, in the plane through `centre` spanned by unit vectors u and v; the
// first side is centred at angle −90° (its middle lies on −v).
std::vector<Point> polygon(Point centre, double r, int n, Point u, Point v)
{
    std::vector<Point> points;
    for (int k = 0; k <= n; ++k) {
        const double angle = -kPi / 2 - kPi / n + 2 * kPi * (k % n) / n;
        const double c = r * std::cos(angle), s = r * std::sin(angle);
        points.push_back(
            {centre[0] + c * u[0] + s * v[0], centre[1] + c * u[1] + s * v[1], centre[2] + c * u[2] + s * v[2]});
    }
    return points;
}

// Circumradius of an n-gon with the area of a circle of radius r (a small
// loop's figures follow its area) or with its perimeter (a resonant loop's
// follow its wire length).
double equalAreaRadius(double r, int n) { return r * std::sqrt(2 * kPi / (n * std::sin(2 * kPi / n))); }
double equalPerimeterRadius(double r, int n) { return r * kPi / (n * std::sin(kPi / n)); }

std::string number(long double v) { return formatFixed(v, 6); }

template <class Out>
const Out* computed(const Checked<Out>& c)
{
    return std::get_if<Out>(&c);
}

double d(long double v) { return static_cast<double>(v); }

// A spiral of `turns` turns of radius r from height z0, `pitch` apart,
// `perTurn` sides a turn, starting at (r, 0, z0).
std::vector<Point> spiral(double r, double z0, double pitch, double turns, int perTurn)
{
    const int count = std::max(1, static_cast<int>(std::ceil(turns * perTurn - 1e-9)));
    std::vector<Point> points;
    for (int k = 0; k <= count; ++k) {
        const double t = turns * k / count;  // turns so far
        points.push_back({r * std::cos(2 * kPi * t), r * std::sin(2 * kPi * t), z0 + pitch * t});
    }
    return points;
}

// A helix over a perfect ground: a vertical feed wire from the ground up to
// the first turn, then the spiral.
Step helixOverGround(Builder& b, double radius_m, double pitch_m, double turns, double wire_radius_m,
                     double feedHeight_m)
{
    b.model.perfectGround = true;
    const double turnLength = std::hypot(2 * kPi * radius_m, pitch_m);
    auto perTurn = b.sides(turnLength, wire_radius_m, 8);
    if (auto* r = std::get_if<Refusal>(&perTurn)) return *r;
    int tag = 0, count = 0;
    if (auto refused = b.element({radius_m, 0, 0}, {radius_m, 0, feedHeight_m}, wire_radius_m, false, tag, count, 0))
        return refused;
    b.model.feedTag = tag;
    b.model.feedSegment = 1;
    int first = 0;
    b.chain(spiral(radius_m, feedHeight_m, pitch_m, turns, std::get<int>(perTurn)), wire_radius_m, first);
    return std::nullopt;
}

using Design = std::function<Step(Builder&, const std::vector<long double>&)>;

long double at(const std::vector<long double>& v, std::size_t i) { return i < v.size() ? v[i] : 0; }

Step finiteDipole(Builder& b, const std::vector<long double>& in)
{
    Notes notes;
    const auto c = computeFiniteDipole({at(in, 0), at(in, 1), at(in, 2), at(in, 3)}, notes);
    if (auto* r = std::get_if<Refusal>(&c)) return *r;
    const double half = d(std::get<FiniteDipoleResults>(c).length_m) / 2;
    b.model.conductivity_s_m = d(at(in, 3));
    int count = 0;
    if (auto refused =
            b.element({0, 0, -half}, {0, 0, half}, d(at(in, 2)) * b.wavelength_m, true, b.model.feedTag, count))
        return refused;
    b.model.feedSegment = (count + 1) / 2;
    return std::nullopt;
}

Step infinitesimalDipole(Builder& b, const std::vector<long double>& in)
{
    const auto c = computeInfinitesimalDipole({at(in, 0), at(in, 1)});
    if (auto* r = std::get_if<Refusal>(&c)) return *r;
    const double length = d(std::get<InfinitesimalDipoleResults>(c).length_m);
    // The calculator has no wire radius: a thin wire, a thousandth of the length.
    b.model.comments.push_back("Fio de raio igual a um milésimo do comprimento do dipolo");
    int count = 0;
    if (auto refused = b.element({0, 0, -length / 2}, {0, 0, length / 2}, length / 1000, true, b.model.feedTag, count,
                                 b.wanted > 0 ? b.wanted : 5))
        return refused;
    b.model.feedSegment = (count + 1) / 2;
    return std::nullopt;
}

Step smallLoop(Builder& b, const std::vector<long double>& in)
{
    const auto c = computeSmallLoop({at(in, 0), at(in, 1), at(in, 2), at(in, 3), at(in, 4)});
    if (auto* r = std::get_if<Refusal>(&c)) return *r;
    const double turns = d(at(in, 4));
    if (turns != std::floor(turns)) return Refusal{"O modelo NEC2 precisa de um número inteiro de voltas!"};
    const double radius = d(at(in, 1)) * b.wavelength_m;
    const double wire = d(at(in, 2)) * b.wavelength_m;
    b.model.conductivity_s_m = d(at(in, 3));
    auto n = b.sides(2 * kPi * radius, wire, 12);
    if (auto* r = std::get_if<Refusal>(&n)) return *r;
    const int sides = std::get<int>(n);
    const double r = equalAreaRadius(radius, sides);
    if (turns == 1) {
        int first = 0;
        b.chain(polygon({0, 0, 0}, r, sides, {1, 0, 0}, {0, 1, 0}), wire, first);
        b.model.feedTag = first;
        b.model.feedSegment = 1;
        return std::nullopt;
    }
    // Several turns: a close-wound coil (6 wire radii between turns), closed
    // through the source by a straight lead back to its start.
    const double pitch = 6 * wire;
    auto points = spiral(r, 0, pitch, turns, sides);
    int first = 0, count = 0;
    b.chain(points, wire, first);
    if (auto refused = b.element(points.back(), points.front(), wire, true, b.model.feedTag, count, 0)) return refused;
    b.model.feedSegment = (count + 1) / 2;
    return std::nullopt;
}

Step axialHelix(Builder& b, const std::vector<long double>& in)
{
    const auto c = computeAxialHelix({at(in, 0), at(in, 1), at(in, 2), at(in, 3)});
    if (auto* r = std::get_if<Refusal>(&c)) return *r;
    const auto& h = std::get<AxialHelixResults>(c);
    b.model.comments.push_back("Plano de terra de " + number(h.ground_plane_m) +
                               " m representado por um solo perfeito infinito");
    return helixOverGround(b, d(h.diameter_m) / 2, d(h.spacing_m), d(h.turns), d(h.wire_diameter_cm) / 200,
                           d(h.first_turn_separation_m));
}

Step normalHelix(Builder& b, const std::vector<long double>& in)
{
    const auto c = computeNormalHelix({at(in, 0), at(in, 1), at(in, 2), at(in, 3), at(in, 4)});
    if (auto* r = std::get_if<Refusal>(&c)) return *r;
    const auto& h = std::get<NormalHelixResults>(c);
    const double pitch = d(at(in, 4)) * b.wavelength_m;
    // The calculator has no wire radius: a tenth of the spacing between turns.
    b.model.comments.push_back("Fio de raio igual a um décimo do espaçamento entre espiras");
    b.model.comments.push_back("Plano de terra de " + number(h.ground_plane_m) +
                               " m representado por um solo perfeito infinito");
    return helixOverGround(b, d(h.diameter_m) / 2, pitch, d(h.turns), pitch / 10, pitch);
}

// Elements along z at the given x positions; the feed at the middle of element `fed`.
Step dipoleRow(Builder& b, const std::vector<double>& x, const std::vector<double>& lengths,
               const std::vector<double>& radii, std::size_t fed, std::vector<std::pair<int, int>>* centres = nullptr)
{
    for (std::size_t i = 0; i < x.size(); ++i) {
        int tag = 0, count = 0;
        const double half = lengths[i] / 2;
        if (auto refused = b.element({x[i], 0, -half}, {x[i], 0, half}, radii[i], true, tag, count)) return refused;
        if (centres) centres->push_back({tag, (count + 1) / 2});
        if (i == fed) b.model.feedTag = tag, b.model.feedSegment = (count + 1) / 2;
    }
    return std::nullopt;
}

Step yagiUdaDipoles(Builder& b, const std::vector<long double>& in)
{
    const auto c = computeYagiUdaDipoles({at(in, 0), at(in, 1), at(in, 2)});
    if (auto* r = std::get_if<Refusal>(&c)) return *r;
    const auto& y = std::get<YagiUdaDipolesResults>(c);
    const std::size_t directors = std::min(y.directors_m.size(), y.spacings_m.empty() ? 0 : y.spacings_m.size() - 1);
    std::vector<double> x = {0}, lengths = {d(y.reflector_m), d(y.driven_m)};
    for (std::size_t i = 0; i < directors + 1; ++i) x.push_back(x.back() + d(y.spacings_m[i]));
    for (std::size_t i = 0; i < directors; ++i) lengths.push_back(d(y.directors_m[i]));
    const std::vector<double> radii(x.size(), d(at(in, 2)) * b.wavelength_m);
    return dipoleRow(b, x, lengths, radii, 1);
}

Step yagiUdaLoops(Builder& b, const std::vector<long double>& in)
{
    const auto c = computeYagiUdaLoops({at(in, 0), at(in, 1)});
    if (auto* r = std::get_if<Refusal>(&c)) return *r;
    const auto& y = std::get<YagiUdaLoopsResults>(c);
    const double wire = d(y.conductor_radius_cm) / 100;
    const auto count = static_cast<std::size_t>(y.elements);
    double x = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double radius = d(i == 0   ? y.reflector_radius_cm
                                : i == 1 ? y.driven_radius_cm
                                         : y.director_radius_cm) /
                              100;
        if (i == 1) x += d(y.reflector_spacing_m);
        if (i >= 2) x += d(y.director_spacing_m);
        auto n = b.sides(2 * kPi * radius, wire, 12);
        if (auto* r = std::get_if<Refusal>(&n)) return *r;
        const int sides = std::get<int>(n);
        int first = 0;
        b.chain(polygon({x, 0, 0}, equalPerimeterRadius(radius, sides), sides, {0, 1, 0}, {0, 0, 1}), wire, first);
        if (i == 1) b.model.feedTag = first, b.model.feedSegment = 1;
    }
    return std::nullopt;
}

// The feeder's characteristic impedance: not among the calculator's
// results, so the common 100-ohm twin boom.
constexpr double kLogPeriodicFeeder_ohm = 100;

Step logPeriodic(Builder& b, const std::vector<long double>& in)
{
    const auto c = computeLogPeriodicDipoles({at(in, 0), at(in, 1), at(in, 2), at(in, 3), at(in, 4)});
    if (auto* r = std::get_if<Refusal>(&c)) return *r;
    const auto& l = std::get<LogPeriodicDipolesResults>(c);
    std::vector<double> x = {0}, lengths = {d(l.largest_length_m)}, radii = {d(at(in, 2)) / 200};
    for (std::size_t i = 0; i < l.lengths_m.size(); ++i) {
        x.push_back(x.back() + d(l.spacings_cm[i]) / 100);
        lengths.push_back(d(l.lengths_m[i]));
        radii.push_back(d(l.diameters_cm[i]) / 200);
    }
    b.model.comments.push_back("Linha de alimentação cruzada de " + formatFixed(kLogPeriodicFeeder_ohm, 0) +
                               " ohms entre os elementos; alimentação no menor elemento");
    std::vector<std::pair<int, int>> centres;
    if (auto refused = dipoleRow(b, x, lengths, radii, x.size() - 1, &centres)) return refused;
    for (std::size_t i = 0; i + 1 < centres.size(); ++i)
        b.model.lines.push_back({centres[i].first, centres[i].second, centres[i + 1].first, centres[i + 1].second,
                                 -kLogPeriodicFeeder_ohm});
    return std::nullopt;
}

Step foldedDipole(Builder& b, const std::vector<long double>& in)
{
    const auto c = computeFoldedDipole({at(in, 0), at(in, 1), at(in, 2), at(in, 3), at(in, 4), at(in, 5)});
    if (auto* r = std::get_if<Refusal>(&c)) return *r;
    const double half = d(at(in, 3)) * b.wavelength_m / 2;
    const double wire = d(at(in, 4)) * b.wavelength_m / 2;
    const double s = d(at(in, 5)) * b.wavelength_m;
    int fed = 0, count = 0, tag = 0, ends = 0;
    if (auto refused = b.element({0, 0, -half}, {0, 0, half}, wire, true, fed, count)) return refused;
    if (auto refused = b.element({0, 0, half}, {s, 0, half}, wire, false, tag, ends, 0)) return refused;
    if (auto refused = b.element({s, 0, half}, {s, 0, -half}, wire, true, tag, count, count)) return refused;
    if (auto refused = b.element({s, 0, -half}, {0, 0, -half}, wire, false, tag, ends, ends)) return refused;
    b.model.feedTag = fed;
    b.model.feedSegment = (count + 1) / 2;
    return std::nullopt;
}

struct DesignEntry {
    const char* name;
    int frequencyInput;  // which input holds the design frequency; -1: the log-periodic's band centre
    Design build;
};

const std::map<std::string, DesignEntry>& designs()
{
    static const std::map<std::string, DesignEntry> table = {
        {"dip", {"Dipolo infinitesimal", 0, infinitesimalDipole}},
        {"lin", {"Dipolo filamentar", 0, finiteDipole}},
        {"aec", {"Espira circular", 0, smallLoop}},
        {"mag", {"Antena helicoidal - modo axial", 0, axialHelix}},
        {"mng", {"Antena helicoidal - modo normal", 0, normalHelix}},
        {"yud", {"Arranjo Yagi-Uda de dipolos", 0, yagiUdaDipoles}},
        {"lpc", {"Arranjo Yagi-Uda de espiras circulares", 0, yagiUdaLoops}},
        {"lgp", {"Arranjo log-periódico de dipolos", -1, logPeriodic}},
        {"dpd", {"Dipolo dobrado", 0, foldedDipole}},
    };
    return table;
}

}  // namespace

bool exportsNec(const std::string& extension) { return designs().count(extension) != 0; }

Checked<Model> necModel(const std::string& extension, const std::vector<long double>& inputs, int segments)
{
    const auto found = designs().find(extension);
    if (found == designs().end()) return Refusal{"Esta estrutura não tem modelo NEC2!"};
    const DesignEntry& design = found->second;
    Builder b;
    b.wanted = segments;
    // The log-periodic array is modelled at the geometric centre of its band.
    const double f = design.frequencyInput >= 0 ? d(at(inputs, static_cast<std::size_t>(design.frequencyInput)))
                                                : std::sqrt(d(at(inputs, 0)) * d(at(inputs, 1)));
    // Lengths in metres from normalised inputs as the calculators convert them.
    b.wavelength_m = f > 0 ? 300 / f : 0;
    b.model.frequency_mhz = f;
    b.model.comments.push_back(std::string("Ondarel - ") + design.name + " (." + extension + ")");
    std::string given = "Entradas:";
    for (long double v : inputs) given += " " + formatFixed(v, 6);
    b.model.comments.push_back(given);
    // The computation checks the inputs first; its refusal is the design's.
    if (auto refused = design.build(b, inputs)) return *refused;
    b.model.comments.push_back("Geometria em metros; frequência " + formatFixed(f, 6) + " MHz");
    return b.model;
}

}  // namespace ondarel::nec
