#pragma once
#include <string_view>
#include <vector>

#include "core/descriptor.h"

namespace ondarel {

// Every calculator of the catalogue in catalogue order: identity, title and
// project file for all, inputs, results, computation and pattern source for
// those built.
const std::vector<CalculatorDescriptor>& catalogue();

const CalculatorDescriptor* findByWindowClass(std::string_view windowClass);
const CalculatorDescriptor* findByExtension(std::string_view extension);
const CalculatorDescriptor* findByCode(int code);

// The pattern source of calculator `code` when `patternWindow` draws its
// diagrams; nullptr otherwise.
const PatternSource* patternSourceFor(int code, std::string_view patternWindow);

}  // namespace ondarel
