#include "geometry/figures.h"

#include <array>

namespace ondarel {

namespace {

struct FigureEntry {
    QSizeF size;  // logical units the drawing is laid out in
    void (*draw)(Sketch&);
};

// In the order of the Figure enumeration.
const std::array<FigureEntry, 20>& entries()
{
    const QSizeF wide(460, 212), matching(460, 205), aperture(260, 176);
    static const std::array<FigureEntry, 20> all = {{
        {wide, figures::dipole},
        {wide, figures::helix},
        {wide, figures::loops},
        {wide, figures::logPeriodic},
        {wide, figures::loopYagi},
        {wide, figures::dipoleYagi},
        {wide, figures::rectangularPatch},
        {wide, figures::circularPatch},
        {wide, figures::rectangularPatchArray},
        {wide, figures::circularPatchArray},
        {wide, figures::microstripYagi},
        {wide, figures::microstripLogPeriodic},
        {matching, figures::tMatch},
        {matching, figures::gammaMatch},
        {matching, figures::foldedDipole},
        {matching, figures::lNetwork},
        {aperture, figures::rectangularApertureUniform},
        {aperture, figures::rectangularApertureTe10},
        {aperture, figures::circularApertureUniform},
        {aperture, figures::circularApertureTe11},
    }};
    return all;
}

}  // namespace

QSizeF figureSize(Figure figure) { return entries().at(std::size_t(figure)).size; }

void drawFigure(Figure figure, Sketch& sketch) { entries().at(std::size_t(figure)).draw(sketch); }

}  // namespace ondarel
