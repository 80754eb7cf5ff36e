// Aperture antennas: a rectangular or circular opening in a ground plane,
// with arrows for the aperture field (uniform, or the dominant mode).
#include <cmath>
#include <numbers>

#include "geometry/figures.h"

namespace ondarel {

namespace {

using Side = Sketch::Side;
constexpr double kCx = 130, kCy = 80;

void axes(Sketch& s)
{
    const QPointF origin(30, 146);
    s.pointer(origin, origin + QPointF(26, 0));
    s.pointer(origin, origin + QPointF(0, -26));
    s.label(origin + QPointF(28, 0), "x", Qt::AlignLeft | Qt::AlignVCenter);
    s.label(origin + QPointF(0, -28), "y", Qt::AlignHCenter | Qt::AlignBottom);
}

void rectangular(Sketch& s, bool dominantMode)
{
    constexpr double a = 110, b = 70;
    s.ground(QRectF(16, 8, 228, 160));
    const QRectF opening(kCx - a / 2, kCy - b / 2, a, b);
    s.opening(opening);
    // E along y; the dominant mode falls off as cos(pi x / a) towards the walls.
    for (int i = 0; i < 7; ++i) {
        const double x = opening.left() + (i + 0.5) * a / 7;
        const double weight = dominantMode ? std::cos(std::numbers::pi * (x - kCx) / a) : 1.0;
        const double half = 28 * weight;
        if (half > 4) s.pointer({x, kCy + half}, {x, kCy - half});
    }
    s.extension({opening.left(), opening.bottom() + 2}, {opening.left(), opening.bottom() + 22});
    s.extension({opening.right(), opening.bottom() + 2}, {opening.right(), opening.bottom() + 22});
    s.dimension({opening.left(), opening.bottom() + 16}, {opening.right(), opening.bottom() + 16}, "a", Side::Below);
    s.extension({opening.right() + 2, opening.top()}, {opening.right() + 24, opening.top()});
    s.extension({opening.right() + 2, opening.bottom()}, {opening.right() + 24, opening.bottom()});
    s.dimension({opening.right() + 18, opening.top()}, {opening.right() + 18, opening.bottom()}, "b", Side::Right);
    axes(s);
}

void circular(Sketch& s, bool dominantMode)
{
    constexpr double radius = 50;
    s.ground(QRectF(16, 8, 228, 160));
    s.opening({kCx, kCy}, radius);
    // The TE11 field lines bow outwards from the centre line and end on the
    // rim; the uniform field is straight across.
    for (int i = -2; i <= 2; ++i) {
        const double offset = i * 18.0;
        const double half = std::sqrt(radius * radius - offset * offset) - 6;
        const double bow = dominantMode ? i * 6.0 : 0.0;
        QPolygonF line;
        for (int k = 0; k <= 16; ++k) {
            const double t = k / 16.0;
            line << QPointF(kCx + offset + bow * std::sin(std::numbers::pi * t), kCy + half - 2 * half * t);
        }
        s.fieldLine(line);
    }
    const QPointF rim(kCx + radius * 0.8, kCy + radius * 0.6);
    s.dot({kCx, kCy});
    s.dimension({kCx, kCy}, rim, "", Side::Right);
    s.label(rim + QPointF(4, 6), "a", Qt::AlignLeft | Qt::AlignTop);
    axes(s);
}

}  // namespace

namespace figures {

void rectangularApertureUniform(Sketch& s) { rectangular(s, false); }
void rectangularApertureTe10(Sketch& s) { rectangular(s, true); }
void circularApertureUniform(Sketch& s) { circular(s, false); }
void circularApertureTe11(Sketch& s) { circular(s, true); }

}  // namespace figures
}  // namespace ondarel
