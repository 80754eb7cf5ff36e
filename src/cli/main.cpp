#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <iostream>
#include <string>

#include "cli/commands.h"

namespace {

// The commands that draw pictures need Qt Gui, which loads a font system,
// D-Bus and more; they live in ondarel-render beside this program, so the
// commands that compute start like the small tool they are.
bool draws(const std::vector<std::string>& args) { return !args.empty() && args[0] == "render3d"; }

int runRenderer(char** argv)
{
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string renderer = "ondarel-render";
    if (length > 0) {
        const std::string path(self, static_cast<std::size_t>(length));
        renderer = path.substr(0, path.rfind('/') + 1) + renderer;
    }
    argv[0] = renderer.data();
    execv(renderer.c_str(), argv);
    std::cerr << "ondarel-calc: cannot run " << renderer << " (" << std::strerror(errno)
              << "): pictures are drawn by the desktop program's companion ondarel-render\n";
    return 3;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (draws(args)) return runRenderer(argv);
    return ondarel::cli::run(args, std::cout, std::cerr);
}
