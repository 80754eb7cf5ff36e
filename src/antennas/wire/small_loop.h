#pragma once
#include "core/descriptor.h"

namespace ondarel {

// Small circular loop (window TForm10): file data and diagrams; its
// computation is still to come.
CalculatorDescriptor smallLoopCalculator();

}  // namespace ondarel
