#include "antennas/aperture/rectangular_aperture_uniform.h"

#include <cmath>

#include "antennas/aperture/aperture_sheet.h"
#include "core/checked_math.h"
#include "core/decibel.h"
#include "core/limits.h"
#include "core/real48.h"

namespace ondarel {

namespace {

using xmath::kPi;

constexpr long double kDegrees = 57.3L;
constexpr long double kTwiceDegrees = 114.6L;
constexpr long double kOneOverFirstSideLobeRoot = 0.22251891410769915L;  // 1/4.494, root of tan u = u

// H-plane: cos θ · sin(X)/X, X = π·a·sin θ.
long double hPlaneField(const AperturePatternValues& v, long double theta)
{
    const long double x = kPi * v.a_norm * std::sin(theta);
    return store48(std::cos(theta) * xmath::div(std::sin(x), x));
}

}  // namespace

SincPlaneAngles sincPlaneAngles(long double d)
{
    SincPlaneAngles p;
    p.first_null_deg = store48(std::asin(xmath::div(1, d)) * kDegrees);
    p.half_power_deg = store48(std::asin(xmath::div(0.443L, d)) * kDegrees);
    p.side_lobe_deg = store48(std::asin(xmath::div(1.43L, d)) * kDegrees);
    p.fnbw_deg = store48(std::asin(xmath::div(1, d)) * kTwiceDegrees);
    p.hpbw_deg = store48(std::asin(xmath::div(0.443L, d)) * kTwiceDegrees);
    p.fslbw_deg = store48(std::asin(xmath::div(1.43L, d)) * kTwiceDegrees);
    return p;
}

std::optional<Refusal> checkRectangularSides(long double a, long double b)
{
    if (a < storedLimit(1.43L))
        return Refusal{"Dimensão da abertura retangular ao longo do eixo x (a>=1.43comprimento de onda) !"};
    if (b < storedLimit(1.43L))
        return Refusal{"Dimensão da abertura retangular ao longo do eixo y (b>=1.43comprimento de onda)!"};
    return std::nullopt;
}

Checked<RectangularApertureUniformResults> computeRectangularApertureUniform(const RectangularApertureInputs& in)
{
    const long double a = store48(in.a_norm);
    const long double b = store48(in.b_norm);
    if (auto refusal = checkRectangularSides(a, b)) return *refusal;

    RectangularApertureUniformResults r;
    const SincPlaneAngles e = sincPlaneAngles(b);
    const SincPlaneAngles h = sincPlaneAngles(a);
    r.e_first_null_deg = e.first_null_deg;
    r.e_half_power_deg = e.half_power_deg;
    r.e_side_lobe_deg = e.side_lobe_deg;
    r.e_fnbw_deg = e.fnbw_deg;
    r.e_hpbw_deg = e.hpbw_deg;
    r.e_fslbw_deg = e.fslbw_deg;
    r.h_first_null_deg = h.first_null_deg;
    r.h_half_power_deg = h.half_power_deg;
    r.h_side_lobe_deg = h.side_lobe_deg;
    r.h_fnbw_deg = h.fnbw_deg;
    r.h_hpbw_deg = h.hpbw_deg;
    r.h_fslbw_deg = h.fslbw_deg;
    r.e_side_lobe_db = decibels20(store48(0.217L));
    // At a = 1.43 the cosine is that of π/2: a side lobe on the horizon, as
    // deep as the rounding of cos(π/2) makes it.
    const long double h_lobe =
        store48(std::fabs(std::cos(std::asin(xmath::div(1.43L, a))) * std::sin(4.494L) * kOneOverFirstSideLobeRoot));
    r.h_side_lobe_db = decibels20(h_lobe);
    const long double gain = store48(4 * kPi * a * b);
    r.directivity_db = store48(10 * log10Stored(gain));
    return r;
}

float rectangularApertureFunction3d(const AperturePatternValues& v, float theta)
{
    const float y = 3.14159265f * static_cast<float>(v.b_norm) * std::sin(theta);
    return y == 0 ? 1.0f : std::sin(y) / y;
}

long double rectangularEPlaneField(const AperturePatternValues& v, long double theta)
{
    const long double y = kPi * v.b_norm * std::sin(theta);
    return store48(xmath::div(std::sin(y), y));
}

CalculatorDescriptor rectangularApertureUniformCalculator()
{
    using In = RectangularApertureInputs;
    using Out = RectangularApertureUniformResults;
    using V = AperturePatternValues;
    CalculatorDescriptor d;
    d.windowClass = "TForm13";
    d.code = 13;
    d.title = "Antena de abertura retangular - Distribuição uniforme";
    d.closePolicy = ClosePolicy::Hide;
    d.file = projectFile("aru", "AbretUni.aru", {3, 3}, StatusForm::Bare, kRefusalOndarel,
                         "Projetos de antenas|*.aru|Todos os arquivos|*.*",
                         "Projetos de antenas|*.aru|Todos os arquivos|*.*");
    d.shortcuts = {{"Novo1", "Ctrl+N"}, {"Abrir1", "Ctrl+A"}, {"Calcular1", "Ctrl+C"}};
    d.inputs = {
        {"input1", "Dimensão da abertura ao longo\ndo eixo x (a = comprimento de onda): ", "", ""},
        {"input2", "Dimensão da abertura ao longo\ndo eixo y (b = comprimento de onda):", "", ""},
    };
    d.results = {
        {"Ângulo do primeiro nulo (graus):", {"output2", "output9"}, {"Plano - E", "Plano - H"}},
        {"Ponto de meia potência (graus):", {"output3", "output10"}, {}},
        {"Primeiro lóbulo lateral (graus):", {"output4", "output11"}, {}},
        {"FNBW - Largura de feixe do 1¤ nulo (graus):  ", {"output5", "output12"}, {}},
        {"HPBW - Largura de feixe de meia potência (graus):", {"output6", "output13"}, {}},
        {"FSLBW - Largura de feixe do 1¤ lóbulo lateral (graus):", {"output7", "output14"}, {}},
        {"FSLMM - Nível máximo do 1¤ lóbulo lateral (dB):", {"output16", "output17"}, {}},
        {"Diretividade (dB):", {"output8", "output15"}, {}},
    };
    d.compute = bindComputation<In, Out>({&In::a_norm, &In::b_norm},
                                         {
                                             {"output2", &Out::e_first_null_deg},
                                             {"output3", &Out::e_half_power_deg},
                                             {"output4", &Out::e_side_lobe_deg},
                                             {"output5", &Out::e_fnbw_deg},
                                             {"output6", &Out::e_hpbw_deg},
                                             {"output7", &Out::e_fslbw_deg},
                                             {"output8", &Out::directivity_db},
                                             {"output9", &Out::h_first_null_deg},
                                             {"output10", &Out::h_half_power_deg},
                                             {"output11", &Out::h_side_lobe_deg},
                                             {"output12", &Out::h_fnbw_deg},
                                             {"output13", &Out::h_hpbw_deg},
                                             {"output14", &Out::h_fslbw_deg},
                                             {"output15", &Out::directivity_db},
                                             {"output16", &Out::e_side_lobe_db},
                                             {"output17", &Out::h_side_lobe_db},
                                         },
                                         &computeRectangularApertureUniform);
    d.sheet =
        rectangularApertureSheet("Antena de abertura retangular - Distribuição uniforme",
                                 {
                                     {"Ângulo do primeiro nulo (graus):", "output2", "output9"},
                                     {"Ponto de meia potência (graus):", "output3", "output10"},
                                     {"Primeiro lóbulo lateral (graus):", "output4", "output11"},
                                     {"FNBW - Largura de feixe do 1¤ nulo (graus):", "output5", "output12"},
                                     {"HPBW - Largura de feixe de meia potência (graus):", "output6", "output13"},
                                     {"FSLBW - Largura de feixe do 1¤ lóbulo lateral (graus):", "output7", "output14"},
                                     {"FSLMM - Nível máximo do 1¤ lóbulo lateral (dB):", "output16", "output17"},
                                     {"Diretividade (dB):", "output8", "output15"},
                                 });
    d.pattern = PatternLink{"TForm39", "Diagrama de Irradiação da Antena de Abertura Retangular Uniforme",
                            "Diagrama de irradiação retangular da antena de abertura retangular uniforme", true,
                            aperturePatternSource({{{"input1", &V::a_norm}, {"input2", &V::b_norm}},
                                                   ApertureSweep::FrontHalfPlane,
                                                   rectangularEPlaneField,
                                                   hPlaneField,
                                                   "Diagrama da Antena de abertura retangular - Distribuição uniforme",
                                                   rectangularApertureFunction3d})};
    d.caption3d = "Diagrama de Irradiação 3D da Antena de Abertura Retangular Uniforme";
    d.geometry = GeometryLink{"TfrmGemAbert", 0};
    return d;
}

}  // namespace ondarel
