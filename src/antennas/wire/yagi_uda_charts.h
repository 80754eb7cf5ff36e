#pragma once
// The Yagi-Uda element-count charts: gain, optimum length and the two beam
// widths against the number of elements, drawn around the element count the
// calling calculator has found.
#include <string>
#include <vector>

#include "core/pattern_source.h"

namespace ondarel {

enum class ElementCountCurve { Gain, OptimumLength, VerticalBeamwidth, HorizontalBeamwidth };

// The fitted curve at x elements (the fits are made for x ≥ 2; below that
// the polynomial is evaluated as it stands).
long double elementCountCurve(ElementCountCurve curve, long double x);

// The points of a chart: i = 2 … last, x = (i − 1)·N/(N − 1) in single
// precision. N = 1 raises the floating-point fault.
std::vector<CurvePoint> elementCountPoints(ElementCountCurve curve, float elements);

// A pattern source with the four charts, reading N from the caller's field.
PatternSource elementCountCharts(std::string elementsField);

}  // namespace ondarel
