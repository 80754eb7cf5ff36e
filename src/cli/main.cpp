#include <iostream>

#include "cli/commands.h"
#ifdef ONDAREL_CALC_RENDERS
#include "cli/render_command.h"
#endif

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
#ifdef ONDAREL_CALC_RENDERS
    // The one command that draws: it needs Qt Gui, which the rest never loads.
    if (!args.empty() && args[0] == "render3d") return ondarel::cli::runRender3d(args, std::cout, std::cerr);
#endif
    return ondarel::cli::run(args, std::cout, std::cerr);
}
