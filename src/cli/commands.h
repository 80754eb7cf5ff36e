#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace ondarel::cli {

enum ExitStatus { kComputed = 0, kRefused = 1, kUsage = 2, kFault = 3 };

// The whole command-line tool behind main(): arguments without the program
// name; results to `out`, usage errors to `err`.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace ondarel::cli
