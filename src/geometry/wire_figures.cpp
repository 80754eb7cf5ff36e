// Wire antennas: dipoles, helix, loops, log-periodic and Yagi-Uda arrays.
#include <cmath>
#include <numbers>

#include "geometry/figures.h"

namespace ondarel {

namespace {

using Side = Sketch::Side;

void feedTerminals(Sketch& s, QPointF upper, QPointF lower, double reach)
{
    s.wire(upper, upper + QPointF(reach, 0), 1.6);
    s.wire(lower, lower + QPointF(reach, 0), 1.6);
    s.terminal(upper + QPointF(reach, 0));
    s.terminal(lower + QPointF(reach, 0));
}

}  // namespace

namespace figures {

void dipole(Sketch& s)
{
    // A tube dipole with its feed gap, and a short infinitesimal one.
    s.plate(QRectF(145, 20, 10, 78));
    s.plate(QRectF(145, 112, 10, 78));
    feedTerminals(s, {155, 101}, {155, 109}, 30);
    s.extension({140, 20}, {112, 20});
    s.extension({140, 190}, {112, 190});
    s.dimension({118, 20}, {118, 190}, "l", Side::Left);
    s.pointer({128, 50}, {145, 50});
    s.pointer({172, 50}, {155, 50});
    s.label({176, 50}, "2a", kRightOf);

    s.wire(QPointF(330, 92), QPointF(330, 103), 3);
    s.wire(QPointF(330, 107), QPointF(330, 118), 3);
    s.extension({336, 92}, {352, 92});
    s.extension({336, 118}, {352, 118});
    s.dimension({348, 92}, {348, 118}, "Δl", Side::Right);
}

namespace {

QPointF helixPoint(double x0, double yc, double radius, double pitch, double t)
{
    return {x0 + pitch * t / (2 * std::numbers::pi) + 7 * std::sin(t), yc - radius * std::cos(t)};
}

}  // namespace

void helix(Sketch& s)
{
    constexpr double x0 = 80, yc = 100, radius = 50, pitch = 44;
    constexpr int turns = 5;
    s.ground(QRectF(56, 28, 8, 144));
    s.coax({56, yc}, {10, yc}, 34);
    QPolygonF coil{{64, yc}};
    for (int i = 0; i <= turns * 72; ++i) {
        const double t = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 72;
        coil << helixPoint(x0, yc, radius, pitch, t);
    }
    s.wire(coil, 2.5);

    const QPointF crest1 = helixPoint(x0, yc, radius, pitch, 2 * std::numbers::pi);
    const QPointF crest2 = helixPoint(x0, yc, radius, pitch, 4 * std::numbers::pi);
    s.extension(crest1, {crest1.x(), 34});
    s.extension(crest2, {crest2.x(), 34});
    s.dimension({crest1.x(), 38}, {crest2.x(), 38}, "S", Side::Above);
    s.pointer({188, 24}, crest2 + QPointF(6, -3));
    s.label({190, 24}, "2a", kRightOf);
    const double end = x0 + turns * pitch;
    s.extension({x0, yc + radius + 4}, {x0, yc + radius + 30});
    s.extension({end, yc + radius + 4}, {end, yc + radius + 30});
    s.dimension({x0, yc + radius + 24}, {end, yc + radius + 24}, "L", Side::Below);
    s.extension({end + 8, yc - radius}, {end + 24, yc - radius});
    s.extension({end + 8, yc + radius}, {end + 24, yc + radius});
    s.dimension({end + 18, yc - radius}, {end + 18, yc + radius}, "D", Side::Right);

    // One turn unrolled: circumference, spacing, wire length and pitch angle.
    const QPointF corner(350, 166), right(440, 166), top(440, 128);
    s.wire(QPolygonF{corner, right, top, corner}, 1.6);
    s.angle(corner, 0, 22.9, 22);
    s.label(corner + QPointF(39, -7), "α", Qt::AlignLeft | Qt::AlignVCenter);
    s.label((corner + right) / 2 + QPointF(0, 4), "C =    D", kBelow, "π");
    s.label((right + top) / 2 + QPointF(4, 0), "S", kRightOf);
    s.label((corner + top) / 2 + QPointF(-4, -4), "L_o", Qt::AlignRight | Qt::AlignBottom);
}

void loops(Sketch& s)
{
    s.loop({150, 100}, 80, 30);
    s.wire(QPolygonF{{146, 130}, {146, 140}, {141, 148}}, 1.6);
    s.wire(QPolygonF{{154, 130}, {154, 140}, {159, 148}}, 1.6);
    s.terminal({141, 151});
    s.terminal({159, 151});
    s.dot({150, 100});
    s.dimension({150, 100}, {230, 100}, "a", Side::Above);

    s.loop({350, 100}, 16, 6, 2.5);
    s.wire(QPointF(348, 106), QPointF(348, 118), 1.4);
    s.wire(QPointF(352, 106), QPointF(352, 118), 1.4);
}

void logPeriodic(Sketch& s)
{
    constexpr double apex = 420, yc = 105, tanHalf = 0.24, tau = 0.85;
    double distance = 350;
    std::vector<double> xs, halves;
    for (int n = 0; n < 7; ++n, distance *= tau) {
        xs.push_back(apex - distance);
        halves.push_back(distance * tanHalf);
    }
    s.wire(QPointF(xs.front(), yc - 2), QPointF(xs.back(), yc - 2), 1.4);
    s.wire(QPointF(xs.front(), yc + 2), QPointF(xs.back(), yc + 2), 1.4);
    for (std::size_t n = 0; n < xs.size(); ++n) s.wire(QPointF(xs[n], yc - halves[n]), QPointF(xs[n], yc + halves[n]));
    s.coax({xs.back(), yc}, {xs.back() + 60, yc}, 40);
    s.extension({xs.front(), yc - halves.front()}, {apex, yc});
    s.extension({xs.front(), yc + halves.front()}, {apex, yc});
    const double halfAngle = std::atan(tanHalf) * 180 / std::numbers::pi;
    s.angle({apex, yc}, 180 - halfAngle, 180 + halfAngle, 30);
    s.label({apex + 6, yc}, "2α", kRightOf);

    s.extension({xs.front() - 4, yc - halves.front()}, {xs.front() - 22, yc - halves.front()});
    s.extension({xs.front() - 4, yc + halves.front()}, {xs.front() - 22, yc + halves.front()});
    s.dimension({xs.front() - 16, yc - halves.front()}, {xs.front() - 16, yc + halves.front()}, "l_n", Side::Left);
    const double below = yc + halves[1] + 14;
    s.extension({xs[1], yc + halves[1] + 4}, {xs[1], below + 4});
    s.extension({xs[2], yc + halves[2] + 4}, {xs[2], below + 4});
    s.dimension({xs[1], below}, {xs[2], below}, "a_n", Side::Below);
    s.pointer({xs[2] + 22, yc - halves[1] + 2}, {xs[2] + 3, yc - halves[2] + 8});
    s.label({xs[2] + 24, yc - halves[1] + 2}, "d_n", kRightOf);
}

void loopYagi(Sketch& s)
{
    constexpr double yc = 105;
    s.wire(QPointF(60, yc), QPointF(410, yc), 1.4);
    s.loop({80, yc}, 11, 62);
    s.loop({150, yc}, 11, 58);
    for (double x : {220.0, 280.0, 340.0, 400.0}) s.loop({x, yc}, 10, 52);
    s.wire(QPolygonF{{147, yc + 58}, {147, yc + 66}, {143, yc + 72}}, 1.4);
    s.wire(QPolygonF{{153, yc + 58}, {153, yc + 66}, {157, yc + 72}}, 1.4);
    s.terminal({143, yc + 75});
    s.terminal({157, yc + 75});
    s.label({80, yc - 66}, "Refletor", kAbove);
    s.label({150, yc - 66}, "Excitador", kAbove);
    s.label({310, yc - 60}, "Diretores", kAbove);
    s.extension({220, yc + 56}, {220, yc + 80});
    s.extension({280, yc + 56}, {280, yc + 80});
    s.dimension({220, yc + 74}, {280, yc + 74}, "S", Side::Below);
    s.extension({404, yc - 52}, {434, yc - 52});
    s.extension({414, yc}, {434, yc});
    s.dimension({428, yc}, {428, yc - 52}, "b", Side::Right);
    s.pointer({362, yc + 76}, {343, yc + 50});
    s.label({364, yc + 76}, "2a", kRightOf);
}

void dipoleYagi(Sketch& s)
{
    constexpr double yc = 105;
    s.wire(QPointF(50, yc), QPointF(400, yc), 2);
    s.wire(QPointF(70, yc - 80), QPointF(70, yc + 80));
    s.wire(QPointF(140, yc - 74), QPointF(140, yc - 4));
    s.wire(QPointF(140, yc + 4), QPointF(140, yc + 74));
    s.terminal({140, yc - 4});
    s.terminal({140, yc + 4});
    const double xs[] = {210, 270, 330, 390}, halves[] = {64, 62, 60, 58};
    for (int i = 0; i < 4; ++i) s.wire(QPointF(xs[i], yc - halves[i]), QPointF(xs[i], yc + halves[i]));
    s.label({70, yc - 84}, "Refletor", kAbove);
    s.label({140, yc + 78}, "Dipolo Excitador", kBelow);
    s.label({300, yc - 66}, "Diretores", kAbove);
    s.extension({270, yc + 64}, {270, yc + 80});
    s.extension({330, yc + 62}, {330, yc + 80});
    s.dimension({270, yc + 74}, {330, yc + 74}, "Sik", Side::Below);
    s.extension({394, yc - 58}, {430, yc - 58});
    s.extension({394, yc + 58}, {430, yc + 58});
    s.dimension({424, yc - 58}, {424, yc + 58}, "l_i", Side::Right);
    s.pointer({200, yc - 84}, {208, yc - 60});
    s.label({198, yc - 84}, "2a", kLeftOf);
}

}  // namespace figures
}  // namespace ondarel
