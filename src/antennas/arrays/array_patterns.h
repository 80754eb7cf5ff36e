#pragma once
// Patterns of the array pattern window: broadside, planar, end-fire, phased
// and Hansen-Woodyard arrays. Power tables for the two polar diagrams and
// decibel levels for the rectangular chart.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include <vector>

#include "core/pattern_source.h"

namespace ondarel {

// The calling calculator's field values that a pattern reads, as converted
// from their texts (an unconvertible or empty text is 0). Each array uses
// only its own: the uniform ones N and d; phased N, d and both scan angles;
// planar its six.
struct ArrayPatternValues {
    long double elements = 0;        // N (elements along y for the planar array)
    long double spacing_norm = 0;    // d/λ
    long double scan_polar_deg = 0;  // phased: θ0 as shown in its beam-direction result
    long double scan_chart_deg = 0;  // phased: θ0 as typed in its steering-angle input
    long double theta0_deg = 0;      // planar beam direction
    long double phi0_deg = 0;
    long double dx_norm = 0;  // planar spacings
    long double dy_norm = 0;
    long double elements_x = 0;  // planar M
};

struct ArrayPolarTables {
    PatternTable left{};
    PatternTable right{};
};

// Both power tables, entry i at θ = i degrees. Zero elements or zero spacing
// divide zero by zero and raise the floating-point fault.
ArrayPolarTables broadsidePolarTables(const ArrayPatternValues& values);
ArrayPolarTables endFirePolarTables(const ArrayPatternValues& values);
ArrayPolarTables hansenWoodyardPolarTables(const ArrayPatternValues& values);
ArrayPolarTables phasedPolarTables(const ArrayPatternValues& values);
ArrayPolarTables planarPolarTables(const ArrayPatternValues& values);

// Chart level L(k) for k = 1 … 180 (entry [0] unused), in dB below the
// largest field amplitude of the chart's own samples, −40 below a ratio of
// 0.01.
using ArrayChartLevels = std::array<long double, 181>;
ArrayChartLevels broadsideChartLevels(const ArrayPatternValues& values);
ArrayChartLevels endFireChartLevels(const ArrayPatternValues& values);
ArrayChartLevels hansenWoodyardChartLevels(const ArrayPatternValues& values);
ArrayChartLevels phasedChartLevels(const ArrayPatternValues& values);
ArrayChartLevels planarChartLevels(const ArrayPatternValues& values);

inline constexpr long double kArrayChartFloorDb = -40;

// The single-precision factors of the 3D functions, with their limit value 1
// where the quotient is 0/0 (the beam direction itself, or no elements).
float arrayFactor3d(float count, float psi);  // sin(count·ψ/2) / (count·sin(ψ/2))
float sinc3d(float count, float x);           // sin(count·x) / (count·x)

// A field of the calling window and the value it fills.
struct ArrayFieldRead {
    std::string field;
    long double ArrayPatternValues::*member;
};

// What an array calculator registers for the array pattern window.
struct ArrayPattern {
    std::vector<ArrayFieldRead> reads;
    ArrayPolarTables (*polar)(const ArrayPatternValues&);
    ArrayChartLevels (*chart)(const ArrayPatternValues&);
    std::array<DiagramTitle, 2> titles;
    std::string printTitle;
    float (*function)(const ArrayPatternValues&, float theta);  // the 3D view's f(θ), single precision
};

PatternSource arrayPatternSource(const ArrayPattern& pattern);

}  // namespace ondarel
