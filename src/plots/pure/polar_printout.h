#pragma once
// The printed page of the wire pattern window's polar diagrams: a title for
// the calculator, the two plane captions and both diagrams at fixed printer
// positions.
#include <optional>
#include <string>

#include "core/canvas.h"
#include "plots/pure/polar_diagram.h"

namespace ondarel {

// One copy of the page, with the calculator's title when it has one.
void printWirePolarPage(Canvas& page, const std::optional<std::string>& title, const PatternTable& ePlane,
                        const PatternTable& hPlane);

}  // namespace ondarel
