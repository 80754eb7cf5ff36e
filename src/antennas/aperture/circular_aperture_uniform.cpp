#include "antennas/aperture/circular_aperture_uniform.h"

#include <cmath>

#include "antennas/aperture/aperture_sheet.h"
#include "core/bessel.h"
#include "core/checked_math.h"
#include "core/decibel.h"
#include "core/limits.h"
#include "core/real48.h"

namespace ondarel {

namespace {

using xmath::kPi;

// H-plane: cos θ · J1(Z)/Z.
long double hPlaneField(const AperturePatternValues& v, long double theta)
{
    return store48(std::cos(theta) * circularEPlaneField(v, theta));
}

// J1(x)/x with x = 2π·a·cos θ (the 3D view lays the main beam in the x-y
// plane); 1/2 at x = 0.
float threeDFunction(const AperturePatternValues& v, float theta)
{
    const float x = 2 * 3.14159265f * static_cast<float>(v.a_norm) * std::cos(theta);
    if (x == 0) return 0.5f;
    return static_cast<float>(bessel::j1(x)) / x;
}

}  // namespace

std::optional<Refusal> checkCircularRadius(long double a)
{
    if (a < storedLimit(1.43L)) return Refusal{"Raio da abertura circular deve ser (a>=1.43comprimento de onda) !"};
    return std::nullopt;
}

Checked<CircularApertureResults> computeCircularApertureUniform(const CircularApertureInputs& in)
{
    const long double a = store48(in.radius_norm);
    if (auto refusal = checkCircularRadius(a)) return *refusal;

    CircularApertureResults r;
    r.e_fnbw_deg = r.h_fnbw_deg = store48(69.9L / a);
    r.e_hpbw_deg = r.h_hpbw_deg = store48(29.2L / a);
    r.e_side_lobe_db = r.h_side_lobe_db = store48(-17.6L);
    const long double circumference_squared = store48((2 * kPi * a) * (2 * kPi * a));
    r.directivity_db = store48(10 * log10Stored(circumference_squared));
    return r;
}

long double circularArgument(const AperturePatternValues& v, long double theta)
{
    return store48(2 * kPi * v.a_norm * std::sin(theta));
}

long double circularEPlaneField(const AperturePatternValues& v, long double theta)
{
    const long double z = circularArgument(v, theta);
    const long double j1 = store48(bessel::j1(z));
    return store48(xmath::div(j1, z));
}

void layOutCircularAperture(CalculatorDescriptor& d,
                            Checked<CircularApertureResults> (*compute)(const CircularApertureInputs&),
                            const std::string& sheetTitle)
{
    using In = CircularApertureInputs;
    using Out = CircularApertureResults;
    d.inputs = {{"input1", "Raio da abertura circular\n(a = comprimento de onda): ", "", ""}};
    d.results = {
        {"FNBW - Largura de feixe do 1¤ nulo (graus):  ", {"output5", "output12"}, {"Plano - E", "Plano - H"}},
        {"HPBW - Largura de feixe de meia potência (graus):", {"output6", "output13"}, {}},
        {"FSLMM - Nível máximo do 1¤ lóbulo lateral (dB):", {"output16", "output17"}, {}},
        {"Diretividade (dB):", {"output8", "output15"}, {}},
    };
    d.compute = bindComputation<In, Out>({&In::radius_norm},
                                         {
                                             {"output5", &Out::e_fnbw_deg},
                                             {"output6", &Out::e_hpbw_deg},
                                             {"output8", &Out::directivity_db},
                                             {"output12", &Out::h_fnbw_deg},
                                             {"output13", &Out::h_hpbw_deg},
                                             {"output15", &Out::directivity_db},
                                             {"output16", &Out::e_side_lobe_db},
                                             {"output17", &Out::h_side_lobe_db},
                                         },
                                         compute);
    d.sheet = circularApertureSheet(sheetTitle,
                                    {
                                        {"FNBW - Largura de feixe do 1¤ nulo (graus):", "output5", "output12"},
                                        {"HPBW - Largura de feixe de meia potência (graus):", "output6", "output13"},
                                        {"FSLMM - Nível máximo do 1¤ lóbulo lateral (dB):", "output16", "output17"},
                                        {"Diretividade (dB):", "output8", "output15"},
                                    });
}

CalculatorDescriptor circularApertureUniformCalculator()
{
    using V = AperturePatternValues;
    CalculatorDescriptor d;
    d.windowClass = "TForm26";
    d.code = 26;
    d.title = "Antena de abertura circular - Distribuição uniforme";
    d.closePolicy = ClosePolicy::Hide;
    d.file = projectFile("acu", "AbCirUni.acu", {3}, StatusForm::Bare, kRefusalOndarel,
                         "Projetos de antenas|*.acu|Todos os arquivos|*.*",
                         "Projetos de antenas|*.acu|Todos os arquivos|*.*", true);
    d.shortcuts = {{"Novo1", "Ctrl+N"}, {"Abrir1", "Ctrl+A"}, {"Calcular1", "Ctrl+C"}};
    layOutCircularAperture(d, &computeCircularApertureUniform, "Antena de abertura circular - Distribuição uniforme");
    d.pattern = PatternLink{"TForm39", "Diagrama de Irradiação da Antena de Abertura Circular Uniforme",
                            "Diagrama de irradiação retangular da antena de abertura circular uniforme", true,
                            aperturePatternSource({{{"input1", &V::a_norm}},
                                                   ApertureSweep::FirstHalfTurn,
                                                   circularEPlaneField,
                                                   hPlaneField,
                                                   "Diagrama da Antena de abertura circular - Distribuição uniforme",
                                                   threeDFunction})};
    d.caption3d = "Diagrama de Irradiação 3D da Antena de Abertura Circular Uniforme";
    d.geometry = GeometryLink{"TfrmGemAbert", 1};
    return d;
}

}  // namespace ondarel
