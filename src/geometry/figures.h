#pragma once
// The schematic pictures of the geometry pages, drawn with the sketch
// vocabulary in each figure's own logical units.
#include <QSizeF>

#include "geometry/geometry_pages.h"
#include "geometry/sketch.h"

namespace ondarel {

QSizeF figureSize(Figure figure);
void drawFigure(Figure figure, Sketch& sketch);

// One drawing per figure, one file per family.
namespace figures {
void dipole(Sketch& s);
void helix(Sketch& s);
void loops(Sketch& s);
void logPeriodic(Sketch& s);
void loopYagi(Sketch& s);
void dipoleYagi(Sketch& s);
void rectangularPatch(Sketch& s);
void circularPatch(Sketch& s);
void rectangularPatchArray(Sketch& s);
void circularPatchArray(Sketch& s);
void microstripYagi(Sketch& s);
void microstripLogPeriodic(Sketch& s);
void tMatch(Sketch& s);
void gammaMatch(Sketch& s);
void foldedDipole(Sketch& s);
void lNetwork(Sketch& s);
void rectangularApertureUniform(Sketch& s);
void rectangularApertureTe10(Sketch& s);
void circularApertureUniform(Sketch& s);
void circularApertureTe11(Sketch& s);
}  // namespace figures

}  // namespace ondarel
