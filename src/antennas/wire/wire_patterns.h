#pragma once
// Radiation patterns of the wire antennas served by the wire pattern window:
// infinitesimal dipole, axial-mode helix, small circular loop and
// normal-mode helix. Power samples for the two polar diagrams and field
// amplitudes for the rectangular diagram. A zero frequency (helix, loop) or
// zero turns (axial helix) raises the floating-point fault.
#include <optional>

#include <string>
#include <vector>

#include "core/pattern_source.h"

namespace ondarel {

// Whether a circular loop of radius a (in wavelengths) counts as small: a
// below 1/(6π), the stored radius against the stored limit. The calculator,
// its diagrams, the 3D view and every title share this one rule.
bool loopIsSmall(long double radius_norm);

// The calling calculator's field values that a pattern reads, as converted
// from their texts (an unconvertible or empty text is 0). Each pattern uses
// only its own: axial helix f, S, N; loop f, a; normal helix v; dipole none.
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

WirePolarTables infinitesimalDipolePolarTables(const WirePatternValues& unused = {});
WirePolarTables axialHelixPolarTables(const WirePatternValues& values);
WirePolarTables smallLoopPolarTables(const WirePatternValues& values);
WirePolarTables normalHelixPolarTables(const WirePatternValues& values);

// The 360 field amplitudes A(k) of the rectangular diagram, every angle
// taken as k·2π/360.
PatternTable infinitesimalDipoleFieldTable(const WirePatternValues& unused = {});
PatternTable axialHelixFieldTable(const WirePatternValues& values);
PatternTable smallLoopFieldTable(const WirePatternValues& values);
PatternTable normalHelixFieldTable(const WirePatternValues& values);

// A field of the calling window and the value it fills.
struct WireFieldRead {
    std::string field;
    long double WirePatternValues::*member;
};

// The source of a wire pattern drawn by the wire pattern window: the fields
// it reads, its tables, the title of its printed page and its single
// precision 3D function f(θ).
PatternSource wirePatternSource(std::vector<WireFieldRead> reads, WirePolarTables (*polar)(const WirePatternValues&),
                                PatternTable (*field)(const WirePatternValues&), std::optional<std::string> printTitle,
                                float (*function)(const WirePatternValues&, float theta));

}  // namespace ondarel
