// ondarel-render: the commands of ondarel-calc that draw pictures, which
// need Qt Gui; ondarel-calc runs this program for them.
#include <iostream>

#include "cli/render_command.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "render3d") return ondarel::cli::runRender3d(args, std::cout, std::cerr);
    std::cerr << "usage: ondarel-calc render3d <ext> name=value ... --out file.png\n";
    return 2;
}
