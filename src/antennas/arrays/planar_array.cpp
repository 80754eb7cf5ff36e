#include "antennas/arrays/planar_array.h"

#include <cmath>

#include "antennas/arrays/array_patterns.h"

#include "core/checked_math.h"
#include "core/data_sheet.h"
#include "core/decibel.h"

namespace ondarel {

namespace {

using xmath::kPi;
using xmath::kRadToDeg;
using xmath::kTwiceRadToDeg;

// Half-power beam width of a broadside linear array of `count` elements
// spaced `spacing` wavelengths, in degrees: 2·(π/2 − arccos(1.391/(π·count·spacing))).
long double broadsideHpbwDeg(long double count, long double spacing)
{
    const long double x = xmath::div(1.391L, kPi * count * spacing);
    return (kPi / 2 - xmath::arccosByArctan(x)) * kTwiceRadToDeg;
}

long double square(long double x) { return x * x; }

}  // namespace

Checked<PlanarArrayResults> computePlanarArray(const PlanarArrayInputs& in)
{
    const long double dx = in.dx_norm;
    const long double dy = in.dy_norm;
    const long double M = in.elements_x;
    const long double N = in.elements_y;
    if (dx <= 0) return Refusal{"Espaçamento normalizado eixo X, inválido!"};
    if (dy <= 0) return Refusal{"Espaçamento normalizado eixo Y, inválido!"};
    if (M < 2) return Refusal{"Número de elementos no eixo X, M<2, inválido!"};
    if (N < 2) return Refusal{"Número de elementos no eixo Y, N<2, inválido!"};

    const long double theta = in.theta0_deg * kPi / 180;
    const long double phi = in.phi0_deg * kPi / 180;
    const long double sin_theta = std::sin(theta);

    PlanarArrayResults r;
    r.phase_shift_x_deg = -(2 * kPi * dx * sin_theta) * std::cos(phi) * kRadToDeg;
    r.phase_shift_y_deg = -(2 * kPi * dy * sin_theta) * std::sin(phi) * kRadToDeg;

    // Principal value only (−90° to 90°), as the azimuth has always been shown.
    const long double grating_num = sin_theta * std::sin(phi) - xmath::div(1, dy);
    const long double grating_den = sin_theta * std::cos(phi) - xmath::div(1, dx);
    r.grating_phi_deg = xmath::arctan(xmath::div(grating_num, grating_den)) * kRadToDeg;

    r.hpbw_x_deg = broadsideHpbwDeg(M, dx);
    r.hpbw_y_deg = broadsideHpbwDeg(N, dy);

    const long double cos2_phi = square(std::cos(phi));
    const long double sin2_phi = square(std::sin(phi));
    const long double inv2_x = xmath::div(1, square(r.hpbw_x_deg));
    const long double inv2_y = xmath::div(1, square(r.hpbw_y_deg));
    r.hpbw_elevation_deg =
        xmath::sqrt(xmath::div(1, square(std::cos(theta)) * (cos2_phi * inv2_x + sin2_phi * inv2_y)));
    r.hpbw_across_deg = xmath::sqrt(xmath::div(1, sin2_phi * inv2_x + cos2_phi * inv2_y));

    r.directivity_db = 10 * log10Stored(xmath::div(32400, r.hpbw_elevation_deg * r.hpbw_across_deg));
    return r;
}

namespace {

// The product of both axis factors, with sin θ standing alone in each (no
// azimuth dependence).
float planarFunction(const ArrayPatternValues& v, float theta)
{
    const float pi = 3.14159265f;
    const float M = static_cast<float>(v.elements_x);
    const float N = static_cast<float>(v.elements);
    const float theta0 = static_cast<float>(v.theta0_deg) * pi / 180;
    const float phi0 = static_cast<float>(v.phi0_deg) * pi / 180;
    const float s = std::sin(theta);
    const float psi_x = 2 * pi * static_cast<float>(v.dx_norm) * (s - std::sin(theta0) * std::cos(phi0));
    const float psi_y = 2 * pi * static_cast<float>(v.dy_norm) * (s - std::sin(theta0) * std::sin(phi0));
    return arrayFactor3d(M, psi_x) * arrayFactor3d(N, psi_y);
}

}  // namespace

CalculatorDescriptor planarArrayCalculator()
{
    CalculatorDescriptor d;
    d.windowClass = "TForm6";
    d.code = 6;
    d.title = "Arranjo de Antenas Planar";
    d.closePolicy = ClosePolicy::Hide;
    d.file = projectFile("apl", "ARPlan.apl", {2, 2, 2, 2}, StatusForm::Bare, kRefusalOndarel,
                         "Projetos de antenas|*.apl|Todos os arquivos [*.*]|*.*", "", true);
    using V = ArrayPatternValues;
    using In = PlanarArrayInputs;
    using Out = PlanarArrayResults;
    d.inputs = {
        {"input1", "Theta   (graus):", "", "Ângulos de Orientação do\nFeixe Principal:"},
        {"input2", "Phi   (graus): ", "", ""},
        {"input3", "Eixo - X", "", "Espaçamentos normalizados\nentre os elementos:"},
        {"input4", "Eixo - Y", "", ""},
        {"input5", "M eixo - X", "", "Número de elementos MxN:"},
        {"input6", "N eixo - Y", "", ""},
    };
    d.results = {
        {"Deslocamento de fase progressiva (ß - graus):", {"output1", "output2"}, {"Eixo - X", "Eixo - Y"}},
        {"Máxima direção de irradiação (Phi - graus):", {"output4"}, {}},
        {"HPBW - L. F. de ½ potência dos elementos no eixo - X (graus):", {"output8"}, {}},
        {"HPBW - L. F. de ½ potência dos elementos no eixo - Y (graus):", {"output9"}, {}},
        {"Largura de feixe de ½ potência do plano de elevação (graus):", {"output5"}, {}},
        {"L. F. de ½ potência perpendicular ao plano de elevação (graus):", {"output6"}, {}},
        {"Diretividade (dB):", {"output7"}, {}},
    };
    // Only the beam elevation forgets the file name on a key press.
    d.keyPressFields = {"input1"};
    d.resultsEnabledAtStart = {"output1", "output2", "output4"};
    d.compute = bindComputation<In, Out>(
        {&In::theta0_deg, &In::phi0_deg, &In::dx_norm, &In::dy_norm, &In::elements_x, &In::elements_y},
        {
            {"output1", &Out::phase_shift_x_deg},
            {"output2", &Out::phase_shift_y_deg},
            {"output4", &Out::grating_phi_deg},
            {"output5", &Out::hpbw_elevation_deg},
            {"output6", &Out::hpbw_across_deg},
            {"output8", &Out::hpbw_x_deg},
            {"output9", &Out::hpbw_y_deg},
            {"output7", &Out::directivity_db},
        },
        &computePlanarArray);
    // The y-axis beam-width row has no line of its own in the original
    // layout; it goes half a line below the x-axis row so nothing else moves.
    d.sheet = DataSheet(1000)
                  .text(1050, 200, "Arranjo de Antenas Planar")
                  .heading(300, "Entrada de Dados:")
                  .heading(400, "Ângulos de Orientação do Feixe Principal:")
                  .line(450, "Theta0(graus):", "input1")
                  .line(500, "Phi0(graus):", "input2")
                  .heading(550, "Espaçamentos normalizados entre os elementos:")
                  .line(600, "Eixo - X:", "input3")
                  .line(650, "Eixo - Y:", "input4")
                  .heading(700, "Número de elementos MxN:")
                  .line(750, "M eixo - X:", "input5")
                  .line(800, "N eixo - Y:", "input6")
                  .column(1100)
                  .heading(900, "Resultados:")
                  .text(1100, 900, "Eixo - X")
                  .text(1300, 900, "Eixo - Y")
                  .line(950, "Deslocamento de fase progressiva(ß-graus):", "output1")
                  .value(1300, 950, "output2")
                  .line(1000, "Máxima direção de irradação(Phi - graus):", "output4")
                  .line(1050, "HPBW - L.F. de 1/2 potência dos elementos no eixo-X(graus):", "output8")
                  // The y-axis row shares y = 1050 with the x-axis one in the
                  // layout it comes from; it goes half a line lower instead.
                  .line(1075, "HPBW - L.F. de 1/2 potência dos elementos no eixo-Y(graus):", "output9")
                  .line(1100, "Largura de feixe de 1/2 potência do plano de elevação(graus):", "output5")
                  .line(1150, "L.F. de 1/2 potência perpendicular ao plano de elevação(graus):", "output6")
                  .line(1200, "Diretividade(dB):", "output7");
    d.pattern = PatternLink{"TForm28", "Diagrama de Irradiação do Fator do Arranjo Planar",
                            "Diagrama de Irradiação Retangular do Fator do Arranjo Planar", true,
                            arrayPatternSource({{{"input1", &V::theta0_deg},
                                                 {"input2", &V::phi0_deg},
                                                 {"input3", &V::dx_norm},
                                                 {"input4", &V::dy_norm},
                                                 {"input5", &V::elements_x},
                                                 {"input6", &V::elements}},
                                                planarPolarTables,
                                                planarChartLevels,
                                                {{{"Diagrama do Fator do Arranjo Planar para Phi = 0° ou 90°", 10},
                                                  {"Diagrama do Fator do Arranjo Planar para Phi = 45°", 350}}},
                                                "Diagrama de Irradiação para Arranjo Planar.",
                                                planarFunction})};
    d.caption3d = "Diagrama de Irradiação do Fator do Arranjo Planar";
    return d;
}

}  // namespace ondarel
