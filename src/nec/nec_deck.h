#pragma once
// NEC2 models of the wire structures the calculators design: straight wires
// with their segment counts, the feed, optional perfect ground and feeder
// lines, written as a fixed-column NEC2 card deck. Qt-free.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/typed_computation.h"

namespace ondarel::nec {

using Point = std::array<double, 3>;  // metres

// Wires of one loop or spiral share a tag; their segments are numbered on
// along the chain.
struct Wire {
    Point from{};
    Point to{};
    double radius_m = 0;
    int segments = 1;
    int tag = 1;
};

// A transmission line between the middle segments of two wires (1-based tags
// as in the deck); a negative impedance crosses the line (phase reversal).
struct Line {
    int tag1 = 0, segment1 = 0, tag2 = 0, segment2 = 0;
    double impedance_ohm = 0;
};

struct Model {
    std::vector<std::string> comments;
    std::vector<Wire> wires;  // tags from 1, in order
    int feedTag = 1;
    int feedSegment = 1;
    bool perfectGround = false;  // wires stand on z = 0 over a perfect ground
    std::vector<Line> lines;
    double conductivity_s_m = 0;  // 0: perfect conductor
    double frequency_mhz = 0;
};

// How segments are chosen for a wire of a given length: the usual NEC rules
// keep every segment shorter than λ/10 and at least 8 wire radii long, the
// thin-wire kernel's limit for errors below 1%. Thicker wires, down to 2
// radii a segment, are modelled with the extended thin-wire kernel (the deck
// then carries an EK card); below that NEC cannot model the wire.
inline constexpr double kMaxSegmentWavelengths = 0.1;
inline constexpr double kThinKernelSegmentToRadius = 8;
inline constexpr double kExtendedKernelSegmentToRadius = 2;

// The segment count for a wire of `length_m`: `wanted` when given (> 0),
// otherwise about λ/20 per segment inside the rules (thin kernel where it
// can); odd when `centreFed`; at least `minimum`. Refused when no count
// satisfies both rules (or `wanted` breaks one).
std::variant<int, Refusal> segmentsFor(double length_m, double radius_m, double wavelength_m, int wanted,
                                       bool centreFed, int minimum = 1);

// Whether some segment is shorter than the thin-wire kernel allows.
bool needsExtendedKernel(const Model& model);

// The deck text: CM/CE, GW, GE, (GN), EX, TL, FR, two RP planes, EN.
std::string renderDeck(const Model& model);

// One field of a card, right-aligned in `width` columns with at least one
// blank before it, as short as the field allows.
std::string cardNumber(double value, int width = 10);

// The wire-structure designs by project-file extension: dip, lin, aec, mag,
// mng, yud, lpc, lgp, dpd.
bool exportsNec(const std::string& extension);

// The model of design `extension` from its input values in input order (as
// the descriptor's computation takes them). `segments` > 0 asks that many
// segments per element (per side of a loop or helix turn: that many sides).
// Refused with the calculator's own message, or where NEC cannot model it.
Checked<Model> necModel(const std::string& extension, const std::vector<long double>& inputs, int segments = 0);
Checked<std::string> necDeck(const std::string& extension, const std::vector<long double>& inputs, int segments = 0);

}  // namespace ondarel::nec
