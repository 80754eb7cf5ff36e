// Matching structures: T and gamma matches, folded dipole and L network.
#include "geometry/figures.h"

namespace ondarel {

namespace {

using Side = Sketch::Side;
constexpr double kElement = 60, kRod = 100;

// The long driven element with its length and diameter.
void mainElement(Sketch& s, const QString& length)
{
    s.wire(QPointF(30, kElement), QPointF(430, kElement), 5);
    s.extension({30, kElement - 4}, {30, 22});
    s.extension({430, kElement - 4}, {430, 22});
    s.dimension({30, 28}, {430, 28}, length, Side::Above);
    s.pointer({404, 90}, {398, kElement + 4});
    s.label({406, 92}, "2a", kRightOf);
}

void spacing(Sketch& s, double x)
{
    s.extension({x - 10, kElement}, {x + 14, kElement});
    s.extension({x - 10, kRod}, {x + 14, kRod});
    s.dimension({x + 8, kElement}, {x + 8, kRod}, "S", Side::Right);
}

}  // namespace

namespace figures {

void tMatch(Sketch& s)
{
    mainElement(s, "l");
    s.wire(QPointF(150, kElement), QPointF(150, kRod), 2.5);
    s.wire(QPointF(310, kElement), QPointF(310, kRod), 2.5);
    s.wire(QPointF(150, kRod), QPointF(183, kRod), 2.5);
    s.capacitor({183, kRod}, {213, kRod});
    s.wire(QPointF(213, kRod), QPointF(224, kRod), 2.5);
    s.wire(QPointF(236, kRod), QPointF(247, kRod), 2.5);
    s.capacitor({247, kRod}, {277, kRod});
    s.wire(QPointF(277, kRod), QPointF(310, kRod), 2.5);
    s.terminal({224, kRod});
    s.terminal({236, kRod});
    s.wire(QPointF(224, kRod + 3), QPointF(224, 165), 1.4);
    s.wire(QPointF(236, kRod + 3), QPointF(236, 165), 1.4);
    s.label({198, kRod - 10}, "C", kAbove);
    s.label({262, kRod - 10}, "C", kAbove);
    spacing(s, 320);
    s.extension({150, kRod + 4}, {150, 128});
    s.extension({230, kRod + 4}, {230, 128});
    s.dimension({150, 122}, {230, 122}, "l'/2", Side::Below);
    s.pointer({100, 128}, {160, kRod + 3});
    s.label({98, 128}, "2a'", kLeftOf);
}

void gammaMatch(Sketch& s)
{
    mainElement(s, "l");
    s.wire(QPointF(320, kElement), QPointF(320, kRod), 2.5);
    s.wire(QPointF(230, kRod), QPointF(320, kRod), 2.5);
    s.capacitor({230, 140}, {230, kRod});
    s.coax({230, 140}, {230, 200}, 40);
    s.wire(QPolygonF{{224, 142}, {196, 142}, {196, kElement}}, 1.6);
    s.label({218, 120}, "C", kLeftOf);
    s.label({240, 166}, "Zc", kRightOf);
    spacing(s, 336);
    s.extension({320, kRod + 4}, {320, 134});
    s.dimension({232, 128}, {320, 128}, "l'/2", Side::Below);
    s.pointer({362, 118}, {296, kRod + 3});
    s.label({364, 118}, "2a'", kRightOf);
}

void foldedDipole(Sketch& s)
{
    s.wire(QPolygonF{{222, 120},
                     {70, 120},
                     {60, 110},
                     {60, 90},
                     {70, 80},
                     {390, 80},
                     {400, 90},
                     {400, 110},
                     {390, 120},
                     {238, 120}},
           3);
    s.terminal({222, 120});
    s.terminal({238, 120});
    s.wire(QPointF(222, 123), QPointF(222, 160), 1.4);
    s.wire(QPointF(238, 123), QPointF(238, 160), 1.4);
    s.terminal({222, 162});
    s.terminal({238, 162});
    s.label({246, 150}, "V", kRightOf);
    s.extension({60, 86}, {60, 44});
    s.extension({400, 86}, {400, 44});
    s.dimension({60, 50}, {400, 50}, "l", Side::Above);
    s.extension({402, 80}, {424, 80});
    s.extension({402, 120}, {424, 120});
    s.dimension({418, 80}, {418, 120}, "S", Side::Right);
    s.pointer({110, 66}, {120, 78});
    s.label({108, 66}, "2a", kLeftOf);
}

void lNetwork(Sketch& s)
{
    constexpr double top = 60, bottom = 150;
    // The line, the shunt element across it, the series element, then the
    // antenna as Ra + jXa.
    s.terminal({30, top});
    s.terminal({30, bottom});
    s.wire(QPolygonF{{33, top}, {200, top}}, 1.6);
    s.wire(QPolygonF{{33, bottom}, {340, bottom}}, 1.6);
    s.label({75, top + 14}, "Zo", Qt::AlignHCenter | Qt::AlignTop);
    s.dot({130, top});
    s.dot({130, bottom});
    s.wire(QPointF(130, top), QPointF(130, 80), 1.6);
    s.impedance(QRectF(122, 80, 16, 50));
    s.wire(QPointF(130, 130), QPointF(130, bottom), 1.6);
    s.label({144, 105}, "Zp", kRightOf);
    s.impedance(QRectF(200, top - 8, 50, 16));
    s.label({225, top - 12}, "Zs", kAbove);
    s.wire(QPolygonF{{250, top}, {340, top}, {340, 68}}, 1.6);
    s.impedance(QRectF(332, 68, 16, 30));
    s.wire(QPointF(340, 98), QPointF(340, 112), 1.6);
    s.impedance(QRectF(332, 112, 16, 30));
    s.wire(QPointF(340, 142), QPointF(340, bottom), 1.6);
    s.label({354, 83}, "Ra", kRightOf);
    s.label({354, 127}, "Xa", kRightOf);
}

}  // namespace figures
}  // namespace ondarel
