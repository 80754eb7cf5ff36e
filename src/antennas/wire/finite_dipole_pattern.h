#pragma once
// The finite dipole's diagrams: its pattern in two polar planes and in the
// rectangular chart, and three curves of its figures of merit against the
// normalised length from 0 to 3 wavelengths. The pattern reads the length L
// ("Comprimento normalizado:"), the reactance curves the wire radius ρ
// ("Raio normalizado do dipolo:").
#include <vector>

#include "core/pattern_source.h"

namespace ondarel {

// E plane: F² with F = [cos(u·cos θ) − cos u] / sin θ, u = π·L, θ = k·π/180,
// 0 where sin θ = 0; H plane: the constant 100.
PolarTables finiteDipolePolarTables(long double length_norm);
// The rectangular diagram's table, in double precision: F² at θ = k·2π/360.
// Its levels are 20·log10 of a power ratio, twice the polar depth.
PatternTable finiteDipoleChartTable(long double length_norm);

// Rr and Rin against x = (i − 0.9)·3/179, i = 1 … 180 (x ≥ 0.01 only).
std::vector<CurvePoint> dipoleResistanceCurve();
// Xm and Xin at the same x, for a wire radius ρ (in wavelengths).
std::vector<CurvePoint> dipoleReactanceCurve(long double radius_norm);
// D0 against x = (3i − 3)·0.0025, i = 1 … 400 (x ≥ 0.001 only).
std::vector<CurvePoint> dipoleDirectivityCurve();

PatternSource finiteDipolePatternSource();

}  // namespace ondarel
