#include "cli/pattern_command.h"

#include "cli/commands.h"

namespace ondarel::cli {

int runPattern(const std::vector<std::string>&, bool, std::ostream&, std::ostream& err)
{
    err << "pattern: no pattern tables are available yet\n";
    return kUsage;
}

}  // namespace ondarel::cli
