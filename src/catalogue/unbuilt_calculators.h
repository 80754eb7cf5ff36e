#pragma once
// Catalogue entries whose calculators are not built yet: identity, title and
// project file only, so the menu can show them disabled and their files can
// be recognised. Each row leaves when its calculator module lands.
#include <string_view>

#include "core/descriptor.h"

namespace ondarel {

CalculatorDescriptor unbuiltCalculator(std::string_view windowClass);

}  // namespace ondarel
