#pragma once
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/descriptor.h"

namespace ondarel::cli {

using PatternUse =
    std::function<int(const CalculatorDescriptor& d, const PatternSource& source, const FieldTexts& fields)>;

// "<ext> name=value ...": the calculator's pattern source and the field texts
// its pattern reads (the given inputs, and results computed from them as the
// window holds them), handed to `use`. A refusal or a fault is printed and
// ends in its exit status; unknown names are usage errors.
int withPatternFields(const std::vector<std::string>& args, bool json, std::ostream& out, std::ostream& err,
                      const PatternUse& use);

// "pattern <ext> name=value ...": the polar tables and rectangular chart
// points of a calculator's pattern as CSV.
int runPattern(const std::vector<std::string>& args, bool json, std::ostream& out, std::ostream& err);

}  // namespace ondarel::cli
