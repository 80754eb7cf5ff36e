#pragma once
#include "core/descriptor.h"

namespace ondarel {

// Helix in axial mode (window TForm8): file data and diagrams; its
// computation is still to come.
CalculatorDescriptor axialHelixCalculator();

}  // namespace ondarel
