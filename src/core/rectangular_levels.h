#pragma once
// The rectangular diagram of a pattern window: levels in decibels below the
// largest field amplitude, clipped at −35 dB, for the angles ±1 … ±180.
#include <functional>
#include <vector>

#include "core/pattern_table.h"

namespace ondarel {

inline constexpr long double kRectangularFloorDb = -35;

struct ChartPoint {
    int angle_deg = 0;
    long double level_db = 0;
};

// The level at an angle of −180 … 180 (not 0) from a table of field
// amplitudes: 20·log10|A(trunc|x|)/M| with M the largest |A(k)|, or the
// floor when that ratio is below 0.01. An all-zero table has no maximum and
// raises the floating-point fault (0/0).
long double rectangularLevel(const PatternTable& amplitudes, int angle_deg);

// The 360 chart points in the order they are added: (1, v(1)), (−1, v(−1)),
// (2, v(2)), … (−180, v(−180)). `fieldTable` is the window's field function.
std::vector<ChartPoint> rectangularPoints(const std::function<PatternTable()>& fieldTable);

}  // namespace ondarel
