#pragma once
// Radiation patterns of the wire antennas served by the wire pattern window:
// infinitesimal dipole (code 2), axial-mode helix (8), small circular loop
// (10) and normal-mode helix (12). Power samples for the two polar diagrams
// and field amplitudes for the rectangular diagram.
#include <optional>

#include "plots/pure/polar_diagram.h"

namespace ondarel {

// The calling calculator's field values that a pattern reads, as converted
// from their texts (an unconvertible or empty text is 0). Each pattern uses
// only its own: code 8 f, S, N; code 10 f, a; code 12 v; code 2 none.
struct WirePatternValues {
    long double frequency_mhz = 0;     // f
    long double spacing_m = 0;         // S, helix spacing between turns
    long double turns = 0;             // N, helix number of turns
    long double loop_radius_norm = 0;  // a, loop radius in wavelengths
    long double normal_mode_nl = 0;    // v, normal-mode condition NL
};

struct WirePolarTables {
    PatternTable e{};  // vertical plane
    PatternTable h{};  // horizontal plane
};

bool isWirePatternCode(int code);

// The power samples of both planes; nullopt for a code without a wire
// pattern. A zero frequency (codes 8, 10) or zero turns (code 8) raises the
// floating-point fault.
std::optional<WirePolarTables> wirePolarTables(int code, const WirePatternValues& values);

// The 360 field amplitudes A(k) of the rectangular diagram, every angle
// taken as k·2π/360; nullopt for a code without a wire pattern.
std::optional<PatternTable> wireFieldTable(int code, const WirePatternValues& values);

}  // namespace ondarel
