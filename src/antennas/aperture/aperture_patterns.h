#pragma once
// The diagrams of the aperture pattern window: the E-plane and H-plane power
// tables of the polar pair and the E-plane chart in decibels, for any
// aperture that supplies its two field patterns. Qt-free.
#include <string>
#include <vector>

#include "core/pattern_source.h"

namespace ondarel {

// The calling calculator's field values, converted from their texts (an
// unconvertible or empty text is 0). Rectangular apertures read both sides,
// circular ones the radius alone.
struct AperturePatternValues {
    long double a_norm = 0;  // side along x, or the radius, in wavelengths
    long double b_norm = 0;  // side along y, in wavelengths
};

// Which directions the polar tables hold: a rectangular aperture its front
// half-plane (1° … 90° and 270° … 360°), a circular one 1° … 180°; the chart
// mirrors the first into −90° … 90° and spans 1° … 180° for the second.
enum class ApertureSweep { FrontHalfPlane, FirstHalfTurn };

// A field pattern at θ (radians, already stored), returned as its stored
// 6-byte value. Zero dimensions divide zero by zero and raise the
// floating-point fault.
using ApertureField = long double (*)(const AperturePatternValues&, long double theta);

struct ApertureFieldRead {
    std::string field;
    long double AperturePatternValues::*member;
};

struct AperturePattern {
    std::vector<ApertureFieldRead> reads;
    ApertureSweep sweep = ApertureSweep::FrontHalfPlane;
    ApertureField eField = nullptr;
    ApertureField hField = nullptr;
    std::string printTitle;
    float (*function)(const AperturePatternValues&, float theta) = nullptr;  // 3D view, single precision
};

// Both power tables (entry k at k degrees); every other direction is 0.
PolarTables aperturePolarTables(const AperturePattern& pattern, const AperturePatternValues& values);

// The E-plane levels in the order the chart adds them. Each level is
// computed at the very angle it is plotted at, the integer degree of the
// polar table, so chart and polar diagram agree point for point.
std::vector<ChartPoint> apertureChartPoints(const AperturePattern& pattern, const AperturePatternValues& values);

PatternSource aperturePatternSource(const AperturePattern& pattern);

// 20·log10 of a stored value, the logarithm ln/ln 10 rounded to a 6-byte
// real as the calculators take it.
long double decibels20(long double stored);

}  // namespace ondarel
