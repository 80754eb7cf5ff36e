#pragma once
// The polar diagram of a radiation pattern: decibel level circles, angle
// spokes and the pattern curve, drawn on any Canvas. The screen paint boxes
// and the printed page share it and differ only in centre, radius and the
// pen width of the grid.
#include "core/canvas.h"
#include "core/pattern_table.h"

namespace ondarel {

enum class PolarPlane { E, H };  // left box (vertical plane), right box (horizontal plane)

struct PolarBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Centre and radius of a diagram, in the coordinates of its own surface.
struct PolarFrame {
    int cx = 0;
    int cy = 0;
    int radius = 0;
};

// The paint box of a plane on a page of the given size, and where its
// diagram stands inside it. The E-plane centre sits at half the height
// rounded down to a multiple of three sixths, the H-plane one at half.
PolarBox polarBox(int pageWidth, int pageHeight, PolarPlane plane);
PolarFrame polarFrameOnScreen(const PolarBox& box, PolarPlane plane);

// The largest absolute sample, 1 for an all-zero table (every point then
// falls on the centre instead of dividing by zero).
long double polarReference(const PatternTable& samples);

// Decibels below the reference, stored as a 6-byte real: 40 at a ratio of
// 0.0001 or less, so such samples are drawn at the centre.
long double polarDepth(long double sample, long double reference);

// Level circles 0 … −40 dB with their labels, 12 spokes every 30 degrees
// (0 at the top, growing clockwise) with their labels, then the pattern in
// red. The grid uses a black pen of `gridPenWidth`; the curve always width 1.
void drawPolarDiagram(Canvas& canvas, const PatternTable& samples, const PolarFrame& frame, int gridPenWidth = 1);

}  // namespace ondarel
