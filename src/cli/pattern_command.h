#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace ondarel::cli {

// "pattern <ext> name=value ...": the polar tables and rectangular chart
// points of a calculator's pattern as CSV.
int runPattern(const std::vector<std::string>& args, bool json, std::ostream& out, std::ostream& err);

}  // namespace ondarel::cli
