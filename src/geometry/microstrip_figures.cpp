// Microstrip antennas: patches, patch arrays, Yagi-Uda and log-periodic
// arrays, each in top view with a side view of the layers where it helps.
#include "geometry/figures.h"

namespace ondarel {

namespace {

using Side = Sketch::Side;

// Ground, substrate and the patch on top, seen from the side, at x from
// `left` over `width`; returns the top of the substrate.
double layers(Sketch& s, double left, double width, double patchLeft, double patchWidth)
{
    const double top = 130, bottom = 170;
    s.ground(QRectF(left, bottom, width, 7));
    s.substrate(QRectF(left, top, width, bottom - top));
    s.plate(QRectF(patchLeft, top - 5, patchWidth, 5));
    s.extension({left - 2, top}, {left - 18, top});
    s.extension({left - 2, bottom}, {left - 18, bottom});
    return top;
}

void sideView(Sketch& s, const QString& height, bool groundThickness)
{
    const double top = layers(s, 300, 150, 340, 70);
    s.dimension({288, top}, {288, 170}, height, Side::Left);
    s.label({425, 150}, "ε_r", kRightOf);
    s.pointer({428, 108}, {408, top - 3});
    s.label({430, 108}, "t", kRightOf);
    if (groundThickness) {
        s.pointer({330, 200}, {318, 176});
        s.label({332, 200}, "t", kRightOf);
    }
}

}  // namespace

namespace figures {

void rectangularPatch(Sketch& s)
{
    s.substrate(QRectF(20, 10, 240, 192));
    // The patch with its inset feed: the line enters yo into the patch.
    s.plate(QPolygonF{{70, 45}, {220, 45}, {220, 145}, {162, 145}, {162, 115}, {128, 115}, {128, 145}, {70, 145}});
    s.plate(QRectF(138, 115, 14, 87));
    s.extension({70, 43}, {70, 30});
    s.extension({220, 43}, {220, 30});
    s.dimension({70, 34}, {220, 34}, "W", Side::Above);
    s.extension({222, 45}, {238, 45});
    s.extension({222, 145}, {238, 145});
    s.dimension({232, 45}, {232, 145}, "L", Side::Right);
    s.dimension({120, 115}, {120, 145}, "y_o", Side::Left);
    sideView(s, "h", false);
    s.label({375, 182}, "Plano de terra", kBelow);
}

void circularPatch(Sketch& s)
{
    s.substrate(QRectF(20, 10, 240, 192));
    s.disc({140, 106}, 70, 70);
    s.dot({170, 106});
    s.terminal({170, 106});
    sideView(s, "h", true);
    s.coax({385, 177}, {385, 230}, 26);
}

namespace {

// Four columns of patches in two rows, fed from a bus through stubs; the
// circular array puts a quarter-wave transformer in each stub.
void patchArray(Sketch& s, bool circular)
{
    s.substrate(QRectF(20, 6, 380, 194));
    const double xs[] = {60, 150, 240, 330};
    s.plate(QRectF(82, 103, 274, 4));
    for (double x : xs) {
        const double centre = x + 25;
        if (circular) {
            s.disc({centre, 45}, 22, 22);
            s.disc({centre, 160}, 22, 22);
            s.plate(QRectF(centre - 1, 67, 2, 18));
            s.plate(QRectF(centre - 2, 85, 4, 18));
            s.plate(QRectF(centre - 2, 107, 4, 14));
            s.plate(QRectF(centre - 1, 121, 2, 17));
        } else {
            s.plate(QRectF(x, 25, 50, 40));
            s.plate(QRectF(x, 140, 50, 40));
            s.plate(QRectF(centre - 2, 65, 4, 38));
            s.plate(QRectF(centre - 2, 107, 4, 33));
        }
    }
    s.terminal({219, 105});
    s.pointer({262, 124}, {245, 108});
    s.label({264, 124}, "Zo", kRightOf);
    if (circular) {
        s.pointer({106, 86}, {84, 76});
        s.label({108, 86}, "Zt", kRightOf);
    } else {
        s.pointer({36, 82}, {60, 62});
        s.label({38, 88}, "Rin", Qt::AlignLeft | Qt::AlignTop);
    }
    s.extension({60, 184}, {60, 198});
    s.extension({380, 184}, {380, 198});
    s.dimension({60, 193}, {380, 193}, "D1", Side::Above);
    s.extension({382, 25}, {420, 25});
    s.extension({382, 180}, {420, 180});
    s.dimension({414, 25}, {414, 180}, "D2", Side::Right);
}

}  // namespace

void microstripYagi(Sketch& s)
{
    s.substrate(QRectF(20, 10, 300, 192));
    s.plate(QRectF(40, 45, 40, 112));
    s.plate(QRectF(100, 50, 40, 102));
    s.plate(QRectF(118, 152, 4, 50));
    for (double x : {160.0, 220.0, 270.0}) s.plate(QRectF(x, 55, 34, 92));
    const double top = layers(s, 368, 84, 374, 72);
    s.dimension({356, top}, {356, 170}, "H", Side::Left);
}

void microstripLogPeriodic(Sketch& s)
{
    s.substrate(QRectF(20, 10, 420, 192));
    s.plate(QRectF(40, 104, 380, 4));
    double x = 50, width = 46, length = 150;
    for (int n = 0; n < 7; ++n) {
        const double side = (n % 2 == 0) ? -1 : 1;
        const double y = side < 0 ? 104 - length / 2 : 108;
        s.plate(QRectF(x, y, width, length / 2));
        x += width + 12;
        width *= 0.85;
        length *= 0.85;
    }
    s.coax({420, 106}, {460, 106}, 20);
}

void rectangularPatchArray(Sketch& s) { patchArray(s, false); }
void circularPatchArray(Sketch& s) { patchArray(s, true); }

}  // namespace figures
}  // namespace ondarel
