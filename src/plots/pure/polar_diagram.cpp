#include "plots/pure/polar_diagram.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "core/checked_math.h"
#include "core/real48.h"

namespace ondarel {

namespace {

constexpr long double kPi = xmath::kPi;
constexpr int kLevels = 4;                    // circles at 0, −10, −20, −30 and −40 dB
constexpr int kSpokes = 12;                   // every 30 degrees
constexpr long double kDbPerRadius = 0.025L;  // 40 dB from the rim to the centre

int truncated(long double x) { return static_cast<int>(std::trunc(x)); }

// An integer right-aligned in `width` characters, then a unit.
std::string rightAligned(int value, int width, const char* unit)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%*d%s", width, value, unit);
    return buffer;
}

// Screen angle of a direction: 0 degrees points up and angles grow clockwise,
// hence the quarter turn and the subtraction of both components.
struct Point {
    int x;
    int y;
};

Point atAngle(const PolarFrame& f, long double angle, long double distance)
{
    return {truncated(f.cx - std::cos(angle) * distance), truncated(f.cy - std::sin(angle) * distance)};
}

void drawLevelCircles(Canvas& canvas, const PolarFrame& f)
{
    const long double R = f.radius;
    // Each filled circle paints over the inside of the previous one, so they
    // go from the largest to the smallest.
    for (int n = kLevels; n >= 0; --n) {
        const long double r = n * R / 4;
        canvas.setBrush(CanvasColor::White);
        canvas.ellipse(truncated(f.cx - r), truncated(f.cy - r), truncated(f.cx + r), truncated(f.cy + r));
        canvas.setBrush(CanvasColor::SystemWindow);
        canvas.text(f.cx - 20, truncated(f.cy - n * R / 4 - 10), rightAligned(-(kLevels - n) * 10, 4, "dB"));
    }
}

void drawSpokes(Canvas& canvas, const PolarFrame& f)
{
    const long double R = f.radius;
    for (int l = 0; l < kSpokes; ++l) {
        const long double a = kPi / 2 + l * 2 * kPi / kSpokes;
        const Point end = atAngle(f, a, R);
        canvas.line(f.cx, f.cy, end.x, end.y);
        canvas.setBrush(CanvasColor::SystemActiveBorder);
        canvas.text(truncated(f.cx - std::cos(a) * (R + 20) - 15), truncated(f.cy - std::sin(a) * (R + 20) - 10),
                    rightAligned(l * 360 / kSpokes, 3, "\u00B0"));
    }
}

Point curvePoint(const PolarFrame& f, const PatternTable& samples, long double reference, int j)
{
    const long double depth_db = polarDepth(samples[j], reference);
    const long double rho = store48(f.radius * (1 - depth_db * kDbPerRadius));
    const long double a = kPi / 2 + j * 2 * kPi / 360;
    return atAngle(f, a, rho);
}

}  // namespace

PolarBox polarBox(int pageWidth, int pageHeight, PolarPlane plane)
{
    PolarBox box;
    box.top = 20;
    box.width = pageWidth / 2 - 20;
    box.height = pageHeight - 5;
    box.left = plane == PolarPlane::E ? 10 : pageWidth / 2 + 10;
    return box;
}

PolarFrame polarFrameOnScreen(const PolarBox& box, PolarPlane plane)
{
    PolarFrame frame;
    frame.cx = box.width / 2;
    frame.cy = plane == PolarPlane::E ? box.height / 6 * 3 : box.height / 2;
    frame.radius = frame.cy - 50;
    return frame;
}

long double polarReference(const PatternTable& samples)
{
    long double m = std::fabs(samples[1]);
    for (int k = 2; k <= 360; ++k)
        if (std::fabs(samples[k]) > m) m = std::fabs(samples[k]);
    return m == 0 ? 1 : m;
}

long double polarDepth(long double sample, long double reference)
{
    const long double q = xmath::div(sample, reference);
    if (q <= 0.0001L) return store48(40);
    return store48(std::fabs(10 * xmath::ln(q) / xmath::ln(10)));
}

void drawPolarDiagram(Canvas& canvas, const PatternTable& samples, const PolarFrame& frame, int gridPenWidth)
{
    canvas.setPen(CanvasColor::Black, gridPenWidth);
    drawLevelCircles(canvas, frame);
    drawSpokes(canvas, frame);

    const long double reference = polarReference(samples);
    canvas.setPen(CanvasColor::Red, 1);
    // The curve is open: nothing joins sample 360 back to sample 1.
    Point from = curvePoint(frame, samples, reference, 1);
    for (int k = 1; k < 360; ++k) {
        const Point to = curvePoint(frame, samples, reference, k + 1);
        canvas.line(from.x, from.y, to.x, to.y);
        from = to;
    }
}

}  // namespace ondarel
