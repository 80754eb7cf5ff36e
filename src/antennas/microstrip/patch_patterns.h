#pragma once
// The diagrams of the two single patches: the polar pair of each, and their
// rectangular charts of both planes in dB as a two-series curve chart
// ("Plano E", "Plano H") at ±1 … ±90 degrees, every sample computed at the
// angle where it is drawn. The rectangular patch adds its input-resistance
// charts. Qt-free.
#include "core/pattern_source.h"

namespace ondarel {

// Values the rectangular patch's diagrams read from TForm16.
struct RectangularPatchView {
    long double freq_ghz = 0;
    long double permittivity = 0;
    long double height_cm = 0;
    long double length_cm = 0;
    long double width_cm = 0;
    long double input_ohm = 0;  // impedancia
    long double inset_cm = 0;   // Dista
};

// Values the circular patch's diagrams read from TForm17.
struct CircularPatchView {
    long double freq_ghz = 0;
    long double height_cm = 0;
    long double radius_cm = 0;  // the actual radius a
};

PolarTables rectangularPatchPolarTables(const RectangularPatchView& v);
std::vector<CurvePoint> rectangularPatchChart(const RectangularPatchView& v);
std::vector<CurvePoint> rectangularPatchInputCurve(const RectangularPatchView& v);  // "Rin x ßl"
std::optional<std::string> rectangularPatchResonanceRefusal(const RectangularPatchView& v);
std::vector<CurvePoint> rectangularPatchResonanceCurve(const RectangularPatchView& v);  // "Rr x L"

PolarTables circularPatchPolarTables(const CircularPatchView& v);
std::vector<CurvePoint> circularPatchChart(const CircularPatchView& v);

PatternSource rectangularPatchPatternSource();
PatternSource circularPatchPatternSource();

}  // namespace ondarel
