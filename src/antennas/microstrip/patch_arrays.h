#pragma once
// What the two patch arrays share: the element counts as typed, the array's
// extent and aperture directivity, and the quality factors of n = Nx + Ny
// elements. The rectangular array keeps its values as 6-byte reals, the
// circular one in extended precision: `keep` is how a value is kept.
#include <functional>
#include <vector>

#include "antennas/microstrip/patch_common.h"
#include "core/data_sheet.h"
#include "core/descriptor.h"

namespace ondarel {

// Both arrays take the same inputs, in file order.
struct PatchArrayInputs {
    long double freq_ghz = 0;
    long double permittivity = 0;
    long double loss_tangent = 0;
    long double height_cm = 0;
    long double vswr = 0;
    long double count_x = 0;  // typed; its whole part counts
    long double count_y = 0;
    long double spacing_x_cm = 0;
    long double spacing_y_cm = 0;
};

}  // namespace ondarel

namespace ondarel::microstrip {

// The input members in file order, for binding.
std::vector<long double PatchArrayInputs::*> patchArrayInputMembers();

// The input rows after the substrate height, alike in both windows: VSWR, the
// element counts and the spacings.
std::vector<InputRow> patchArrayGridRows();

// The data-sheet lines of those inputs, y = 450 to 650.
void patchArrayGridSheet(DataSheet& sheet);

// An element count typed in a field: its whole part, so a reopened "4.000"
// counts 4 elements.
long double elementCount(long double typed);

struct ArrayAperture {
    long double length_x_cm = 0;
    long double length_y_cm = 0;
    long double directivity_db = 0;
};

// Extent of Nx × Ny elements of size ex × ey with gaps sx, sy, and the
// directivity 4πA/λ0² of that area less a loss of 0.0131 dB per cm of
// mean side.
ArrayAperture arrayAperture(long double element_x_cm, long double element_y_cm, long double nx, long double ny,
                            long double sx_cm, long double sy_cm, long double lambda0_cm, Keep keep);

struct ArrayQuality {
    long double total = 0;
    long double bandwidth_pct = 0;
    long double efficiency_pct = 0;  // radiation efficiency 100·Qt/Qr
};

// Qd = n/tan δ with the array's Qc and Qr; a loss tangent of 0 is a lossless
// substrate, whose term of 1/Qt vanishes.
ArrayQuality arrayQuality(long double elements, long double loss_tangent, long double qc, long double qr,
                          long double vswr, Keep keep);

// Result texts cut to at most 15 characters, as the arrays show them; list
// items are left whole.
std::function<Outcome(const std::vector<long double>&)> cutShown(
    std::function<Outcome(const std::vector<long double>&)> compute);

}  // namespace ondarel::microstrip
