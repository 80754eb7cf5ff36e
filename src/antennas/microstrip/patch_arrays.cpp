#include "antennas/microstrip/patch_arrays.h"

#include <cmath>

#include "antennas/microstrip/patch_common.h"
#include "core/checked_math.h"
#include "core/decibel.h"

namespace ondarel::microstrip {

std::vector<long double PatchArrayInputs::*> patchArrayInputMembers()
{
    using In = PatchArrayInputs;
    return {&In::freq_ghz, &In::permittivity, &In::loss_tangent, &In::height_cm,   &In::vswr,
            &In::count_x,  &In::count_y,      &In::spacing_x_cm, &In::spacing_y_cm};
}

std::vector<InputRow> patchArrayGridRows()
{
    return {
        {"VSWR", "Coeficiente de onda estacionária VSWR:", "", ""},
        {"NumHoz", "Número de elementos na direção x:", "", "", "", true},
        {"NumVer", "Número de elementos na direção y:", "", "", "", true},
        {"EspHoz", "Espaçamento na direção x (cm):", "", ""},
        {"EspVer", "Espaçamento na direção y (cm):", "", ""},
    };
}

void patchArrayGridSheet(DataSheet& sheet)
{
    sheet.line(450, "Coeficiente de onda estacionária VSWR:", "VSWR")
        .line(500, "Número de elementos na direção x:", "NumHoz")
        .line(550, "Número de elementos na direção y:", "NumVer")
        .line(600, "Espaçamento na direção x (cm):", "EspHoz")
        .line(650, "Espaçamento na direção y (cm):", "EspVer");
}

long double elementCount(long double typed) { return std::trunc(typed); }

ArrayAperture arrayAperture(long double element_x_cm, long double element_y_cm, long double nx, long double ny,
                            long double sx_cm, long double sy_cm, long double lambda0_cm, Keep keep)
{
    ArrayAperture a;
    a.length_x_cm = keep(element_x_cm * nx + sx_cm * (nx - 1));
    a.length_y_cm = keep(element_y_cm * ny + sy_cm * (ny - 1));
    const long double area = keep(a.length_x_cm * a.length_y_cm);
    const long double directivity = keep(12.566370614359172L * area / (lambda0_cm * lambda0_cm));
    a.directivity_db = keep(10 * log10Stored(directivity) - 0.0131L * (a.length_x_cm + a.length_y_cm) * 0.5L);
    return a;
}

ArrayQuality arrayQuality(long double elements, long double loss_tangent, long double qc, long double qr,
                          long double vswr, Keep keep)
{
    const long double inverse_qd = loss_tangent == 0 ? 0 : xmath::div(1, keep(xmath::div(elements, loss_tangent)));
    const long double sum = keep(inverse_qd + xmath::div(1, qc) + xmath::div(1, qr));
    ArrayQuality q;
    q.total = keep(xmath::div(1, sum));
    q.bandwidth_pct = keep(xmath::div(100 * (vswr - 1), xmath::sqrt(vswr) * q.total));
    q.efficiency_pct = keep(xmath::div(100 * q.total, qr));
    return q;
}

std::function<Outcome(const std::vector<long double>&)> cutShown(
    std::function<Outcome(const std::vector<long double>&)> compute)
{
    return [compute](const std::vector<long double>& values) {
        Outcome outcome = compute(values);
        for (auto& [field, text] : outcome.results) text = text.substr(0, kShownCharacters);
        return outcome;
    };
}

}  // namespace ondarel::microstrip
