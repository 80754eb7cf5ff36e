// The 3D renderer on tiny cases: projection, depth test, shading, levels.
#include "plots/pure/render3d.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/fault.h"

namespace ondarel {
namespace {

View3d flatView()
{
    View3d v;
    v.rotationX_deg = v.rotationY_deg = v.rotationZ_deg = 0;
    v.scalePercent = 100;
    return v;
}

TEST(Projection3d, PutsPointsInPerspectiveOrDropsThem)
{
    // With no rotation and scale 1: w = 240 + z, g = 1000/(w + 1000),
    // u = (320 + x − 225)·g + 320, v = (240 − y − 250)·g + 240.
    struct Case {
        Vec3 p;
        std::optional<Pixel3d> expected;
    };
    const Case cases[] = {
        {{0, 0, 0}, Pixel3d{397, 232, 240}},     // 95·1000/1240 = 76.6, −10·1000/1240 = −8.1
        {{100, 0, 0}, Pixel3d{477, 232, 240}},   // x to the right
        {{0, 100, 0}, Pixel3d{397, 151, 240}},   // y upwards
        {{0, 0, 760}, Pixel3d{368, 235, 1000}},  // z away from the viewer, towards the vanishing point
        {{0, 0, -300}, std::nullopt},            // behind the viewer: w < 0
        {{5000, 0, 0}, std::nullopt},            // off the buffer
        {{-700, 0, 0}, std::nullopt},            // left of pixel 1
    };
    const Projection3d projection(flatView());
    for (const Case& c : cases) {
        const auto px = projection.project(c.p);
        ASSERT_EQ(px.has_value(), c.expected.has_value()) << c.p.x << "," << c.p.y << "," << c.p.z;
        if (!px) continue;
        EXPECT_EQ(px->x, c.expected->x) << c.p.x << "," << c.p.y << "," << c.p.z;
        EXPECT_EQ(px->y, c.expected->y) << c.p.x << "," << c.p.y << "," << c.p.z;
        EXPECT_EQ(px->depth, c.expected->depth) << c.p.x << "," << c.p.y << "," << c.p.z;
    }
}

TEST(DepthBuffer, KeepsTheNearestPointOfAPixel)
{
    DepthBuffer b;
    EXPECT_TRUE(b.empty());
    b.plot({5, 7, 300}, 1);
    b.plot({5, 7, 300}, 2);  // equal depth: the first stays
    EXPECT_EQ(b.colour(5, 7), 1);
    b.plot({5, 7, 400}, 2);  // farther
    EXPECT_EQ(b.depth(5, 7), 300);
    b.plot({5, 7, 299}, 2);  // nearer
    EXPECT_EQ(b.depth(5, 7), 299);
    EXPECT_EQ(b.colour(5, 7), 2);
    EXPECT_EQ(b.depth(6, 7), DepthBuffer::kEmpty);
}

// A 20-pixel strip whose depth rises by `rise` per pixel to the right.
DepthBuffer strip(int rise)
{
    DepthBuffer b;
    for (int x = 100; x < 120; ++x) b.plot({x, 50, static_cast<std::uint16_t>(1000 + rise * (x - 100))}, 1);
    return b;
}

TEST(Shading, LightsSurfacesByTheirDepthSlopes)
{
    const Palette3d palette;  // surface (0, 128, 255)
    struct Case {
        const char* what;
        int rise;
        Vec3 light;
        Rgb expected;  // at pixel (105, 50)
    };
    const Case cases[] = {
        // Flat: the normal faces the viewer; light along x grazes it.
        {"flat, render light", 0, kRenderLight, {0, 128, 255}},
        // Flat under the repaint light: c = −1/√3, each channel darkened.
        {"flat, repaint light", 0, kRepaintLight, {0, 54, 108}},
        // Rising by 5 a pixel: the slope search stops at k = 2 (rise 10 ≤ step),
        // n = (−100, 0, 100), c = −1/√2 under the render light.
        {"slope, render light", 5, kRenderLight, {0, 37, 75}},
        // Falling: c = +1/√2, towards white.
        {"falling slope, render light", -5, kRenderLight, {180, 218, 255}},
    };
    for (const Case& c : cases) {
        Picture3d picture;
        shadeDepthBuffer(strip(c.rise), palette, c.light, kShadeStep, picture);
        EXPECT_EQ(picture.at(105, 50), c.expected) << c.what;
        EXPECT_EQ(picture.at(99, 50), (Rgb{255, 255, 255})) << c.what << ": empty pixels stay white";
    }
}

TEST(Shading, UsesEachPixelsPaletteEntry)
{
    DepthBuffer b;
    b.plot({10, 10, 100}, 1);
    b.plot({30, 10, 100}, 2);
    b.plot({50, 10, 100}, 0);
    Palette3d palette{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    Picture3d picture;
    shadeDepthBuffer(b, palette, kRenderLight, kShadeStep, picture);
    EXPECT_EQ(picture.at(10, 10), palette.surface);
    EXPECT_EQ(picture.at(30, 10), palette.axes);
    EXPECT_EQ(picture.at(50, 10), palette.hidden);
}

int surfacePixels(const DepthBuffer& b)
{
    int n = 0;
    for (int y = 1; y <= DepthBuffer::kHeight; ++y)
        for (int x = 1; x <= DepthBuffer::kWidth; ++x) n += b.colour(x, y) == 1;
    return n;
}

TEST(RenderPattern, SamplesAtOrBelowFortyDecibelsLieAtTheOrigin)
{
    // Full level only at 1° (which no surface sample hits), 1/1000 (−60 dB)
    // everywhere else.
    const PatternFunction f = [](long double theta, long double) {
        return std::fabs(theta - 0.0174532925L) < 1e-6L ? 1.0L : 1e-3L;
    };
    const View3d view;
    const DepthBuffer b = renderPattern(f, false, view);
    const DepthBuffer axes = renderPattern(PatternFunction(), false, view);
    const auto origin = Projection3d(view).project({0, 0, 0});
    ASSERT_TRUE(origin);
    // Every surface point fell on the origin's pixel, where the axes cross.
    int differing = 0;
    for (int y = 1; y <= DepthBuffer::kHeight; ++y)
        for (int x = 1; x <= DepthBuffer::kWidth; ++x)
            if (b.depth(x, y) != axes.depth(x, y) || b.colour(x, y) != axes.colour(x, y)) {
                ++differing;
                EXPECT_EQ(std::make_pair(x, y), std::make_pair(origin->x, origin->y));
            }
    EXPECT_LE(differing, 1);
    // At full level everywhere the same pattern fills a sphere of radius 100.
    const DepthBuffer sphere = renderPattern([](long double, long double) { return 1.0L; }, false, view);
    EXPECT_GT(surfacePixels(sphere), 1000);
}

TEST(RenderPattern, FinerResolutionFillsTheSurface)
{
    const PatternFunction dipole = [](long double theta, long double) { return std::sin(theta); };
    View3d coarse;
    coarse.resolution = 50;
    View3d fine;
    fine.resolution = 640;
    const int dotted = surfacePixels(renderPattern(dipole, false, coarse));
    const int solid = surfacePixels(renderPattern(dipole, false, fine));
    EXPECT_GT(solid, 5 * dotted);
    // A pattern that does not vary with φ draws the same whichever way it is sampled.
    const DepthBuffer once = renderPattern(dipole, false, View3d{});
    const DepthBuffer each = renderPattern(dipole, true, View3d{});
    for (int y = 1; y <= DepthBuffer::kHeight; y += 7)
        for (int x = 1; x <= DepthBuffer::kWidth; x += 3)
            ASSERT_EQ(once.depth(x, y), each.depth(x, y)) << x << "," << y;
}

TEST(RenderPattern, AZeroOrUndefinedPatternFaultsAndNoPatternDrawsTheAxes)
{
    const PatternFunction faulting[] = {
        [](long double, long double) { return 0.0L; },
        [](long double, long double) { return std::nanl(""); },
    };
    for (const auto& f : faulting) {
        try {
            renderPattern(f, false, View3d{});
            ADD_FAILURE() << "no fault";
        } catch (const Fault& fault) {
            EXPECT_EQ(fault.kind(), FaultKind::FloatingPoint);
        }
    }
    const DepthBuffer axes = renderPattern(PatternFunction(), false, View3d{});
    EXPECT_FALSE(axes.empty());
    EXPECT_EQ(surfacePixels(axes), 0);
}

TEST(AxisLetters, StandAtTheProjectionsOfTheAxisPointsAt180)
{
    const auto letters = axisLetterPixels(flatView());
    ASSERT_TRUE(letters[0] && letters[1] && letters[2]);
    EXPECT_EQ(letters[0]->x, 542);  // (95 + 180)·1000/1240 + 320 = 541.8
    EXPECT_EQ(letters[1]->y, 87);   // (−10 − 180)·1000/1240 + 240 = 86.8
    EXPECT_EQ(letters[2]->depth, 420);
}

}  // namespace
}  // namespace ondarel
