#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace ondarel::cli {

// nec <ext> name=value ... [--segments N]: the design's NEC2 card deck on
// `out`; a refusal or fault message on `err`.
int runNec(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// sweep <ext> name=start:stop:step [name=start:stop:step] other=value ...:
// one CSV row per step (a grid for two ranges) of the inputs, every result
// field as displayed, the notes and the refusal or fault message.
int runSweep(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace ondarel::cli
