#pragma once
#include "core/descriptor.h"

namespace ondarel {

// Completes the descriptor of a uniform or planar array calculator (TForm5,
// TForm7, TForm37, TForm11, TForm6); leaves any other descriptor untouched.
void describeArrayCalculator(CalculatorDescriptor& d);

}  // namespace ondarel
