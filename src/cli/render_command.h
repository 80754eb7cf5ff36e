#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace ondarel::cli {

// "render3d <ext> name=value ... --out file.png [--rot x,y,z] [--scale s]
// [--res r]": the 3D view's picture of a calculator's pattern, written as a
// PNG without a window.
int runRender3d(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace ondarel::cli
