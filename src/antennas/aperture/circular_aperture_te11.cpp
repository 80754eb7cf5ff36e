#include "antennas/aperture/circular_aperture_te11.h"

#include <cmath>

#include "antennas/aperture/aperture_sheet.h"
#include "core/bessel.h"
#include "core/checked_math.h"
#include "core/decibel.h"
#include "core/real48.h"

namespace ondarel {

namespace {

using xmath::kPi;
constexpr long double kZ0 = bessel::kFirstZeroOfJ1Prime;

// J1′(Z)/(1 − (Z/z0)²) at Z = z0, where both vanish: J1″(z0)/(−2/z0), and
// Bessel's equation gives J1″(z0) = −(z0² − 1)·J1(z0)/z0² since J1′(z0) = 0.
long double quotientAtTheZero()
{
    static const long double limit = (kZ0 * kZ0 - 1) * bessel::j1(kZ0) / (2 * kZ0);
    return limit;
}

// J1′(Z) = J0(Z) − J1(Z)/Z from the stored J0 and J1, stored.
long double j1Prime(long double z)
{
    const long double j0 = store48(bessel::j0(z));
    const long double j1 = store48(bessel::j1(z));
    return store48(j0 - xmath::div(j1, z));
}

// The H-plane quotient; within a millionth of the zero the rounding of the
// stored J0 and J1 would dominate the vanishing numerator, and the limit is
// closer than that to the true value.
long double hPlaneQuotient(long double z)
{
    if (std::fabs(z - kZ0) < 1e-6L) return quotientAtTheZero();
    const long double ratio = z / kZ0;
    return xmath::div(j1Prime(z), 1 - ratio * ratio);
}

// cos θ · J1′(x)/(1 − (x/z0)²), x = 2π·a·cos θ, as the 3D view lays it;
// 1/2 for J1′ at x = 0.
float threeDFunction(const AperturePatternValues& v, float theta)
{
    const float x = 2 * 3.14159265f * static_cast<float>(v.a_norm) * std::cos(theta);
    if (std::fabs(x - static_cast<float>(kZ0)) < 1e-4f)
        return std::cos(theta) * static_cast<float>(quotientAtTheZero());
    const float prime = x == 0 ? 0.5f : static_cast<float>(bessel::j0(x) - bessel::j1(x) / x);
    const float ratio = x / static_cast<float>(kZ0);
    return std::cos(theta) * prime / (1 - ratio * ratio);
}

}  // namespace

Checked<CircularApertureResults> computeCircularApertureTe11(const CircularApertureInputs& in)
{
    const long double a = store48(in.radius_norm);
    if (auto refusal = checkCircularRadius(a)) return *refusal;

    CircularApertureResults r;
    r.e_fnbw_deg = store48(69.9L / a);
    r.e_hpbw_deg = store48(29.2L / a);
    r.e_side_lobe_db = store48(-17.6L);
    r.h_fnbw_deg = store48(89.0L / a);
    r.h_hpbw_deg = store48(37.0L / a);
    r.h_side_lobe_db = store48(-26.2L);
    const long double gain = store48(0.836L * (2 * kPi * a) * (2 * kPi * a));
    r.directivity_db = store48(10 * log10Stored(gain));
    return r;
}

long double te11HPlaneField(const AperturePatternValues& v, long double theta)
{
    const long double z = circularArgument(v, theta);
    return store48(std::cos(theta) * hPlaneQuotient(z));
}

CalculatorDescriptor circularApertureTe11Calculator()
{
    using V = AperturePatternValues;
    CalculatorDescriptor d;
    d.windowClass = "TForm30";
    d.code = 30;
    d.title = "Antena de abertura circular - Distribuição modo TE11";
    d.closePolicy = ClosePolicy::Hide;
    d.file = projectFile("act", "AbCirTE.act", {3}, StatusForm::Bare, kRefusalOndarel,
                         "Projetos de antenas|*.act|Todos os arquivos|*.*",
                         "Projetos de antenas|*.act|Todos os arquivos|*.*", true);
    d.shortcuts = {{"Novo1", "Ctrl+N"}, {"Abrir1", "Ctrl+A"}, {"Calcular1", "Ctrl+C"}};
    layOutCircularAperture(d, &computeCircularApertureTe11, "Antena de abertura circular - Distribuição modo TE11");
    d.pattern = PatternLink{"TForm39", "Diagrama de Irradiação da Antena de Abertura Circular Modo TE11",
                            "Diagrama de irradiação retangular da antena de abertura circular Modo TE11", true,
                            aperturePatternSource({{{"input1", &V::a_norm}},
                                                   ApertureSweep::FirstHalfTurn,
                                                   circularEPlaneField,
                                                   te11HPlaneField,
                                                   "Diagrama da Antena de abertura circular - Distribuição modo TE11",
                                                   threeDFunction})};
    d.caption3d = "Diagrama de Irradiação 3D da Antena de Abertura Circular Modo TE11";
    d.geometry = GeometryLink{"TfrmGemAbert", 1};
    return d;
}

}  // namespace ondarel
