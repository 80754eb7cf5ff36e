#include "matching/rod_section.h"

#include "core/arcosh.h"
#include "core/checked_math.h"
#include "core/real48.h"

namespace ondarel {

RodSection rodSection(long double f, long double d1, long double d2, long double s)
{
    RodSection r;
    r.wavelength_m = store48(xmath::div(300, f));
    const long double lambda = r.wavelength_m;
    const long double a1 = store48(store48(d1 * lambda) / 2);
    const long double a2 = store48(store48(d2 * lambda) / 2);
    const long double S = store48(s * lambda);
    r.wavenumber = store48(2 * xmath::kPi / lambda);

    const long double u = store48(xmath::div(a1, a2));
    const long double v = store48(xmath::div(S, a2));
    const long double outer = arcosh(store48(xmath::div(v * v - u * u + 1, 2 * v)));
    const long double inner = arcosh(store48(xmath::div(v * v + u * u - 1, 2 * v * u)));
    r.current_ratio = store48(xmath::div(outer, inner));
    r.z0_ohm = store48(60 * arcosh(store48(xmath::div(S * S - a1 * a1 - a2 * a2, 2 * a1 * a2))));
    return r;
}

RodMatchInputs storedRodMatchInputs(const RodMatchInputs& in)
{
    return {store48(in.frequency_mhz), store48(in.resistance_ohm), store48(in.reactance_ohm),  store48(in.d1_norm),
            store48(in.d2_norm),       store48(in.spacing_norm),   store48(in.rod_length_norm)};
}

}  // namespace ondarel
