#include "antennas/aperture/rectangular_aperture_te10.h"

#include <cmath>

#include "antennas/aperture/aperture_sheet.h"
#include "core/checked_math.h"
#include "core/decibel.h"
#include "core/real48.h"

namespace ondarel {

using xmath::kPi;

Checked<RectangularApertureTe10Results> computeRectangularApertureTe10(const RectangularApertureInputs& in)
{
    const long double a = store48(in.a_norm);
    const long double b = store48(in.b_norm);
    if (auto refusal = checkRectangularSides(a, b)) return *refusal;

    RectangularApertureTe10Results r;
    const SincPlaneAngles e = sincPlaneAngles(b);
    r.e_first_null_deg = e.first_null_deg;
    r.e_half_power_deg = e.half_power_deg;
    r.e_fnbw_deg = e.fnbw_deg;
    r.e_hpbw_deg = e.hpbw_deg;
    r.e_side_lobe_db = decibels20(store48(0.217L));
    // The cosine distribution's H-plane in closed form, degrees over a.
    r.h_first_null_deg = store48(85.95L / a);
    r.h_half_power_deg = store48(34.4L / a);
    r.h_fnbw_deg = store48(171.9L / a);
    r.h_hpbw_deg = store48(68.8L / a);
    r.h_side_lobe_db = store48(-23);
    const long double gain = store48(0.81L * 4 * kPi * a * b);
    r.directivity_db = store48(10 * log10Stored(gain));
    return r;
}

long double te10HPlaneField(const AperturePatternValues& v, long double theta)
{
    const long double x = kPi * v.a_norm * std::sin(theta);
    // Near X = π/2 numerator and denominator vanish together; with
    // δ = X − π/2 the quotient is −(sin δ/δ)/(π + δ), whose limit is −1/π.
    const long double delta = x - kPi / 2;
    if (std::fabs(delta) < 1e-4L) {
        const long double sinc = 1 - delta * delta / 6;
        return store48(std::cos(theta) * xmath::div(-sinc, kPi + delta));
    }
    return store48(std::cos(theta) * xmath::div(std::cos(x), x * x - kPi * kPi / 4));
}

CalculatorDescriptor rectangularApertureTe10Calculator()
{
    using In = RectangularApertureInputs;
    using Out = RectangularApertureTe10Results;
    using V = AperturePatternValues;
    CalculatorDescriptor d;
    d.windowClass = "TForm27";
    d.code = 27;
    d.title = "Antena de abertura retangular - Distribuição modo TE10";
    d.closePolicy = ClosePolicy::Hide;
    d.file = projectFile("art", "AbrTE10.art", {3, 3}, StatusForm::Bare, kRefusalOndarel,
                         "Projetos de antenas|*.art|Todos os arquivos|*.*",
                         "Projetos de antenas|*.art|Todos os arquivos|*.*", true);
    d.shortcuts = {{"Novo1", "Ctrl+N"}, {"Abrir1", "Ctrl+A"}, {"Calcular1", "Ctrl+C"}};
    d.inputs = {
        {"input1", "Dimensão da abertura ao longo\ndo eixo x (a = comprimento de onda): ", "", ""},
        {"input2", "Dimensão da abertura ao longo\ndo eixo y (b = comprimento de onda):", "", ""},
    };
    d.results = {
        {"Ângulo do primeiro nulo (graus):", {"output2", "output9"}, {"Plano - E", "Plano - H"}},
        {"Ponto de meia potência (graus):", {"output3", "output10"}, {}},
        {"FNBW - Largura de feixe do 1¤ nulo (graus):  ", {"output5", "output12"}, {}},
        {"HPBW - Largura de feixe de meia potência (graus):", {"output6", "output13"}, {}},
        {"FSLMM - Nível máximo do 1¤ lóbulo lateral (dB):", {"output16", "output17"}, {}},
        {"Diretividade (dB):", {"output8", "output15"}, {}},
    };
    d.compute = bindComputation<In, Out>({&In::a_norm, &In::b_norm},
                                         {
                                             {"output2", &Out::e_first_null_deg},
                                             {"output3", &Out::e_half_power_deg},
                                             {"output5", &Out::e_fnbw_deg},
                                             {"output6", &Out::e_hpbw_deg},
                                             {"output8", &Out::directivity_db},
                                             {"output9", &Out::h_first_null_deg},
                                             {"output10", &Out::h_half_power_deg},
                                             {"output12", &Out::h_fnbw_deg},
                                             {"output13", &Out::h_hpbw_deg},
                                             {"output15", &Out::directivity_db},
                                             {"output16", &Out::e_side_lobe_db},
                                             {"output17", &Out::h_side_lobe_db},
                                         },
                                         &computeRectangularApertureTe10);
    d.sheet = rectangularApertureSheet("Antena de abertura retangular - Distribuição modo TE10",
                                       {
                                           {"Ângulo do primeiro nulo (graus):", "output2", "output9"},
                                           {"Ponto de meia potência (graus):", "output3", "output10"},
                                           {"FNBW - Largura de feixe do 1¤ nulo (graus):", "output5", "output12"},
                                           {"HPBW - Largura de feixe de meia potência (graus):", "output6", "output13"},
                                           {"FSLMM - Nível máximo do 1¤ lóbulo lateral (dB):", "output16", "output17"},
                                           {"Diretividade (dB):", "output8", "output15"},
                                       });
    d.pattern =
        PatternLink{"TForm39", "Diagrama de Irradiação da Antena de Abertura Retangular Modo TE10",
                    "Diagrama de irradiação retangular da antena de abertura retangular Modo TE10", true,
                    aperturePatternSource({{{"input1", &V::a_norm}, {"input2", &V::b_norm}},
                                           ApertureSweep::FrontHalfPlane,
                                           rectangularEPlaneField,
                                           te10HPlaneField,
                                           "Diagrama da Antena Antena de abertura retangular - Distribuição modo TE10",
                                           rectangularApertureFunction3d})};
    d.caption3d = "Diagrama de Irradiação 3D da Antena de Abertura Retangular Modo TE10";
    d.geometry = GeometryLink{"TfrmGemAbert", 0};
    return d;
}

}  // namespace ondarel
