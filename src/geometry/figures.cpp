#include "geometry/figures.h"

namespace ondarel {

QSizeF figureSize(Figure figure)
{
    switch (figure) {
        case Figure::RectangularApertureUniform:
        case Figure::RectangularApertureTe10:
        case Figure::CircularApertureUniform:
        case Figure::CircularApertureTe11: return {260, 176};
        case Figure::TMatch:
        case Figure::GammaMatch:
        case Figure::FoldedDipole:
        case Figure::LNetwork: return {460, 205};
        default: return {460, 212};
    }
}

void drawFigure(Figure figure, Sketch& sketch)
{
    drawWireFigure(figure, sketch);
    drawMicrostripFigure(figure, sketch);
    drawMatchingFigure(figure, sketch);
    drawApertureFigure(figure, sketch);
}

}  // namespace ondarel
