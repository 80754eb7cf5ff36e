#pragma once
// The shaded 3D picture of a radiation pattern: a point cloud of the
// pattern surface (level in dB as distance) and three axes, rotated, scaled
// and put in perspective into a 640 x 480 depth buffer, then shaded pixel by
// pixel from the depth slopes. Qt-free; the window and the command-line tool
// turn the picture into an image.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/pattern_source.h"

namespace ondarel {

struct View3d {
    int rotationX_deg = 60;
    int rotationY_deg = 0;
    int rotationZ_deg = 40;
    int scalePercent = 150;
    int resolution = 600;  // surface steps over π
    int centreX = 320;     // half the window's outer size
    int centreY = 240;
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct Palette3d {
    Rgb surface{0, 128, 255};  // entry 1
    Rgb axes{0, 0, 0};         // entry 2
    Rgb hidden{255, 0, 128};   // entry 0: colours no visible pixel
};

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

// A pixel of the 640 x 480 buffer, 1-based, and its depth.
struct Pixel3d {
    int x = 0;
    int y = 0;
    std::uint16_t depth = 0;
};

class DepthBuffer {
public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;
    static constexpr std::uint16_t kEmpty = 65535;

    DepthBuffer();
    std::uint16_t depth(int x, int y) const { return cells_[index(x, y)].depth; }
    std::uint8_t colour(int x, int y) const { return cells_[index(x, y)].colour; }
    // Stores the point where it is nearer than what the pixel holds.
    void plot(const Pixel3d& p, std::uint8_t colour);
    bool empty() const;

private:
    struct Cell {
        std::uint16_t depth;
        std::uint8_t colour;
    };
    static int index(int x, int y) { return (y - 1) * kWidth + (x - 1); }
    std::vector<Cell> cells_;
};

// Rotation (first about z, then y, then x), scale and perspective.
class Projection3d {
public:
    explicit Projection3d(const View3d& view);
    // The pixel of a model point; nullopt behind the viewer or off the buffer.
    std::optional<Pixel3d> project(const Vec3& p) const;

private:
    std::array<std::array<double, 3>, 3> r_;
    double scale_;
    double cx_, cy_;
};

// The buffer of a pattern: surface points (colour 1) and axes (colour 2); an
// empty function gives the axes alone.
DepthBuffer renderPattern(const PatternFunction& f, bool dependsOnPhi, const View3d& view);

// The surface points alone. The pattern is normalised by its largest f(θ)²
// over θ = 1° … 180°; an all-zero or non-finite pattern raises the
// floating-point fault.
void plotSurface(const PatternFunction& f, bool dependsOnPhi, const Projection3d& projection, int resolution,
                 DepthBuffer& buffer);

// A window-sized picture: pixel (x, y) of the window at [y][x], white where
// nothing is painted.
struct Picture3d {
    static constexpr int kWidth = DepthBuffer::kWidth + 1;
    static constexpr int kHeight = DepthBuffer::kHeight + 1;
    std::vector<Rgb> pixels = std::vector<Rgb>(kWidth * kHeight, Rgb{255, 255, 255});
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * kWidth + x)]; }
    void set(int x, int y, Rgb c) { pixels[static_cast<std::size_t>(y * kWidth + x)] = c; }
};

inline constexpr Vec3 kRenderLight{1, 0, 0};
inline constexpr Vec3 kRepaintLight{-1, -1, -1};
inline constexpr double kShadeStep = 10;

// Paints every filled pixel of the buffer, lit from `light` by the slopes of
// the depths within `step` pixels.
void shadeDepthBuffer(const DepthBuffer& buffer, const Palette3d& palette, const Vec3& light, double step,
                      Picture3d& picture);

// Where the letters "x", "y" and "z" are written: the projections of the
// points at 180 on each axis (nullopt where a projection is dropped).
std::array<std::optional<Pixel3d>, 3> axisLetterPixels(const View3d& view);

}  // namespace ondarel
