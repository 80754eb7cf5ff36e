#pragma once
// The printed page of the wire pattern window's polar diagrams: a title for
// the calculator, the two plane captions and both diagrams at fixed printer
// positions.
#include <optional>
#include <string>

#include "plots/pure/canvas.h"
#include "plots/pure/polar_diagram.h"

namespace ondarel {

// The title of the printed page by calculator code; none for the loop
// (code 10) and for codes without a wire pattern.
std::optional<std::string> wirePolarPrintTitle(int calculatorCode);

// One copy of the page. `calculatorCode` is the code the pattern window
// remembers, not the window's own number it writes before printing.
void printWirePolarPage(Canvas& page, int calculatorCode, const PatternTable& ePlane, const PatternTable& hPlane);

}  // namespace ondarel
