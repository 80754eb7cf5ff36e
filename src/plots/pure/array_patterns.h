#pragma once
// Patterns of the array pattern window: broadside (code 5), planar (6),
// end-fire (7), phased (11) and Hansen-Woodyard (37). Power tables for the
// two polar diagrams, decibel levels for the rectangular chart, and the
// titles that go with each calculator.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "plots/pure/polar_diagram.h"

namespace ondarel {

// The calling calculator's field values that a pattern reads, as converted
// from their texts (an unconvertible or empty text is 0). Each code uses only
// its own: 5, 7, 37 N and d; 11 N, d and both scan angles; 6 the planar six.
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

bool isArrayPatternCode(int code);

// Reads the values of `code` from the calling window's field texts; codes
// without an array pattern read nothing.
ArrayPatternValues readArrayPatternValues(int code, const std::function<std::string(std::string_view)>& fieldText);

struct ArrayPolarTables {
    PatternTable left{};
    PatternTable right{};
};

// Both power tables, entry i at θ = i degrees; nullopt for a code without an
// array pattern. Zero elements or zero spacing divide zero by zero and raise
// the floating-point fault.
std::optional<ArrayPolarTables> arrayPolarTables(int code, const ArrayPatternValues& values);

// Chart level L(k) for k = 1 … 180 (entry [0] unused), in dB below the
// largest field amplitude of the chart's own samples, −40 below a ratio of
// 0.01; nullopt for a code without an array pattern.
using ArrayChartLevels = std::array<long double, 181>;
std::optional<ArrayChartLevels> arrayChartLevels(int code, const ArrayPatternValues& values);

inline constexpr long double kArrayChartFloorDb = -40;

struct DiagramTitle {
    std::string text;
    int x = 0;  // pixels, on the title strip at y = 5
};

struct DiagramTitles {
    DiagramTitle left;
    DiagramTitle right;
};

std::optional<DiagramTitles> arrayDiagramTitles(int code);

// The title of the printed polar page by the remembered calculator code.
std::optional<std::string> arrayPolarPrintTitle(int code);

}  // namespace ondarel
