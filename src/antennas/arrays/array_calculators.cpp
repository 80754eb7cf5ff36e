#include "antennas/arrays/array_calculators.h"

namespace ondarel {

void describeArrayCalculator(CalculatorDescriptor&) {}

}  // namespace ondarel
