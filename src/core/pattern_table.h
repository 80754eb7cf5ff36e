#pragma once
#include <array>

namespace ondarel {

// 360 pattern samples, sample k at θ = k degrees for k = 1 … 360; there is no
// sample for 0 degrees (sample 360 stands for it) and entry [0] is unused.
using PatternTable = std::array<long double, 361>;

}  // namespace ondarel
