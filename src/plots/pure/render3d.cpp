#include "plots/pure/render3d.h"

#include <cmath>
#include <cstdlib>

#include "core/checked_math.h"
#include "core/fault.h"
#include "core/real48.h"

namespace ondarel {

namespace {

constexpr double kPerspectiveDistance = 1000;
constexpr int kAxisLength = 600;
constexpr double kFloorRatio = 0.0001;  // −40 dB: the point lies at the origin

// Round to nearest, ties to even, as the pixel and depth rounding of the
// original arithmetic does.
long roundEven(double v) { return std::lrint(v); }

double radians(int degrees) { return degrees * static_cast<double>(xmath::kPi) / 180; }

using Matrix = std::array<std::array<double, 3>, 3>;

Matrix multiply(const Matrix& a, const Matrix& b)
{
    Matrix m{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) m[i][j] += a[i][k] * b[k][j];
    return m;
}

Matrix aboutX(double a) { return {{{1, 0, 0}, {0, std::cos(a), -std::sin(a)}, {0, std::sin(a), std::cos(a)}}}; }
Matrix aboutY(double a) { return {{{std::cos(a), 0, std::sin(a)}, {0, 1, 0}, {-std::sin(a), 0, std::cos(a)}}}; }
Matrix aboutZ(double a) { return {{{std::cos(a), -std::sin(a), 0}, {std::sin(a), std::cos(a), 0}, {0, 0, 1}}}; }

// The largest f(θ)² over whole degrees, in single precision like f itself.
float normalisation(const PatternFunction& f)
{
    float largest = 0;
    for (int k = 1; k <= 180; ++k) {
        const float theta = static_cast<float>(k) * static_cast<float>(xmath::kPi) / 180;
        const float v = static_cast<float>(f(theta, 0));
        if (!std::isfinite(v)) raiseFloatingPointFault();
        largest = std::fmax(largest, v * v);
    }
    if (!(largest > 0) || !std::isfinite(largest)) raiseFloatingPointFault();
    return largest;
}

// Distance of the surface from the origin for one pattern value.
double surfaceRadius(float value, float largest)
{
    if (!std::isfinite(value)) raiseFloatingPointFault();
    const float ratio = value * value / largest;
    const double level_db = ratio <= kFloorRatio ? 40.0 : std::fabs(10 * std::log10(static_cast<double>(ratio)));
    return 100 * (1 - 0.025 * level_db);
}

// How far the depth rises within `step` pixels along one axis: the step is
// shortened until the rise is no larger than the step itself.
int slope(const DepthBuffer& b, int x, int y, double step, bool alongX)
{
    const int limit = alongX ? DepthBuffer::kWidth : DepthBuffer::kHeight;
    const int at = alongX ? x : y;
    int k = at < limit - step ? static_cast<int>(roundEven(step)) : limit - at;
    const int here = b.depth(x, y);
    auto rise = [&] { return (alongX ? b.depth(x + k, y) : b.depth(x, y + k)) - here; };
    int d = rise();
    while (std::abs(d) > step) {
        --k;
        d = rise();
    }
    return d;
}

std::uint8_t lit(std::uint8_t channel, double c)
{
    const double v = c < 0 ? channel + channel * c : channel + (255 - channel) * c;
    return static_cast<std::uint8_t>(roundEven(v));
}

}  // namespace

DepthBuffer::DepthBuffer() : cells_(static_cast<std::size_t>(kWidth * kHeight), Cell{kEmpty, 0}) {}

void DepthBuffer::plot(const Pixel3d& p, std::uint8_t colour)
{
    Cell& cell = cells_[static_cast<std::size_t>(index(p.x, p.y))];
    if (p.depth < cell.depth) cell = Cell{p.depth, colour};
}

bool DepthBuffer::empty() const
{
    for (const Cell& c : cells_)
        if (c.depth != kEmpty) return false;
    return true;
}

Projection3d::Projection3d(const View3d& view)
    : r_(multiply(multiply(aboutX(radians(view.rotationX_deg)), aboutY(radians(view.rotationY_deg))),
                  aboutZ(radians(view.rotationZ_deg)))),
      scale_(view.scalePercent / 100.0),
      cx_(view.centreX),
      cy_(view.centreY)
{
}

std::optional<Pixel3d> Projection3d::project(const Vec3& p) const
{
    const double q1 = r_[0][0] * p.x + r_[0][1] * p.y + r_[0][2] * p.z;
    const double q2 = r_[1][0] * p.x + r_[1][1] * p.y + r_[1][2] * p.z;
    const double q3 = r_[2][0] * p.x + r_[2][1] * p.y + r_[2][2] * p.z;
    double u = cx_ + scale_ * q1;
    double v = cy_ - scale_ * q2;
    const double w = cy_ + scale_ * q3;  // the depth offset is the vertical centre
    if (w < 0) return std::nullopt;
    const double g = kPerspectiveDistance / (w + kPerspectiveDistance);
    u = (u - 225) * g + 320;
    v = (v - 250) * g + 240;
    const long x = roundEven(u);
    const long y = roundEven(v);
    if (x < 1 || x > DepthBuffer::kWidth || y < 1 || y > DepthBuffer::kHeight) return std::nullopt;
    return Pixel3d{static_cast<int>(x), static_cast<int>(y), static_cast<std::uint16_t>(roundEven(w))};
}

DepthBuffer renderPattern(const PatternFunction& f, bool dependsOnPhi, const View3d& view)
{
    const Projection3d projection(view);
    DepthBuffer buffer;
    if (f) plotSurface(f, dependsOnPhi, projection, view.resolution, buffer);
    for (int i = -kAxisLength; i <= kAxisLength; ++i)
        for (const Vec3& p : {Vec3{0, 0, double(i)}, Vec3{0, double(i), 0}, Vec3{double(i), 0, 0}})
            if (const auto px = projection.project(p)) buffer.plot(*px, 2);
    return buffer;
}

void plotSurface(const PatternFunction& f, bool dependsOnPhi, const Projection3d& projection, int resolution,
                 DepthBuffer& buffer)
{
    const float largest = normalisation(f);
    const double delta = static_cast<double>(store48(xmath::kPi / resolution));
    const long double pi = xmath::kPi;
    // Every ring runs over the same azimuths: their sines and cosines once.
    struct Azimuth {
        double phi, cos, sin;
    };
    std::vector<Azimuth> azimuths;
    for (double phi = 0; phi <= pi; phi += delta) azimuths.push_back({phi, std::cos(phi), std::sin(phi)});
    for (double theta = 0; theta <= pi; theta += delta) {
        const double s = std::sin(theta);
        const double c = std::cos(theta);
        const double ringRadius = dependsOnPhi ? 0 : surfaceRadius(static_cast<float>(f(theta, 0)), largest);
        for (const Azimuth& a : azimuths) {
            const double r = dependsOnPhi ? surfaceRadius(static_cast<float>(f(theta, a.phi)), largest) : ringRadius;
            if (const auto px = projection.project({r * s * a.cos, r * s * a.sin, r * c})) buffer.plot(*px, 1);
        }
    }
}

void shadeDepthBuffer(const DepthBuffer& b, const Palette3d& palette, const Vec3& light, double step,
                      Picture3d& picture)
{
    const double lightNorm2 = light.x * light.x + light.y * light.y + light.z * light.z;
    for (int y = 1; y <= DepthBuffer::kHeight; ++y)
        for (int x = 1; x <= DepthBuffer::kWidth; ++x) {
            if (b.depth(x, y) == DepthBuffer::kEmpty) continue;
            const std::uint8_t index = b.colour(x, y);
            const Rgb base = index == 1 ? palette.surface : index == 2 ? palette.axes : palette.hidden;
            const double dzx = slope(b, x, y, step, true);
            const double dzy = slope(b, x, y, step, false);
            const Vec3 n{-dzx * step, -dzy * step, step * step};
            const double c = (light.x * n.x + light.y * n.y + light.z * n.z) /
                             std::sqrt(lightNorm2 * (n.x * n.x + n.y * n.y + n.z * n.z));
            picture.set(x, y, Rgb{lit(base.r, c), lit(base.g, c), lit(base.b, c)});
        }
}

std::array<std::optional<Pixel3d>, 3> axisLetterPixels(const View3d& view)
{
    const Projection3d projection(view);
    return {projection.project({180, 0, 0}), projection.project({0, 180, 0}), projection.project({0, 0, 180})};
}

}  // namespace ondarel
