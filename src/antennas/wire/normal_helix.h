#pragma once
#include "core/descriptor.h"

namespace ondarel {

// Helix in normal mode (window TForm12): file data and diagrams; its
// computation is still to come.
CalculatorDescriptor normalHelixCalculator();

}  // namespace ondarel
