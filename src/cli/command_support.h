#pragma once
// What the commands of the tool share: the usage text, and name=value
// arguments read into a calculator's field texts.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/descriptor.h"

namespace ondarel::cli {

// Prints `why` (if any) and the usage text to `err`; the usage exit status.
int usage(std::ostream& err, const std::string& why = "");

// The calculator for an extension, when built.
const CalculatorDescriptor* implementedByExtension(const std::string& ext);

// name=value arguments as field texts in input order, then the radio buttons
// (a button named with a non-zero value is the checked one; the first
// otherwise); empty where not given. Unknown names and bad numbers are
// reported to `err`.
std::optional<std::vector<std::string>> inputTexts(const CalculatorDescriptor& d,
                                                   const std::vector<std::string>& assignments, std::ostream& err);

// The values as typed (what a project file keeps).
std::vector<long double> valuesOf(const std::vector<std::string>& texts);
// The values the computation reads (element counts from their leading digits).
std::vector<long double> computedValues(const CalculatorDescriptor& d, const std::vector<std::string>& texts);

}  // namespace ondarel::cli
