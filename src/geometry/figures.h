#pragma once
// The schematic pictures of the geometry pages, drawn with the sketch
// vocabulary in each figure's own logical units.
#include <QSizeF>

#include "geometry/geometry_pages.h"
#include "geometry/sketch.h"

namespace ondarel {

QSizeF figureSize(Figure figure);
void drawFigure(Figure figure, Sketch& sketch);

// One file per family.
void drawWireFigure(Figure figure, Sketch& sketch);
void drawMicrostripFigure(Figure figure, Sketch& sketch);
void drawMatchingFigure(Figure figure, Sketch& sketch);
void drawApertureFigure(Figure figure, Sketch& sketch);

}  // namespace ondarel
