#include "antennas/arrays/phased_array.h"

#include <cmath>

#include "antennas/arrays/array_patterns.h"

#include "core/checked_math.h"
#include "core/data_sheet.h"
#include "core/real48.h"

namespace ondarel {

namespace {

using xmath::kPi;
using xmath::kRadToDeg;

// Full-range inverse cosine in degrees, stored: faults outside [−1, 1].
long double arccosDeg(long double x) { return store48(xmath::arccosFull(x) * kRadToDeg); }

}  // namespace

Checked<PhasedArrayResults> computePhasedArray(const PhasedArrayInputs& in)
{
    const long double N = store48(in.elements);
    const long double d = store48(in.spacing_norm);
    const long double theta0_deg = store48(in.scan_deg);
    if (N <= 0) return Refusal{"Números de elementos fora dos parâmetros!"};
    if (d <= 0) return Refusal{"Espaçamento normalizados entre elementos está fora dos parâmetros!"};

    PhasedArrayResults r;
    const long double theta0 = store48(theta0_deg * kPi / 180);
    const long double c0 = store48(std::cos(theta0));
    r.phase_shift_deg = store48(c0 * (-2 * kPi * d) * kRadToDeg);
    r.max_direction_deg = arccosDeg(c0);

    // Each beam edge is taken on the side of the main beam that stays inside
    // the visible range |cos θ| ≤ 1.
    const long double null_offset = store48(xmath::div(1, N * d));
    const long double p = store48(c0 + null_offset);
    if (p < 1)
        r.first_null_deg = arccosDeg(p);
    else
        r.first_null_deg = arccosDeg(store48(c0 - null_offset));
    r.fnbw_deg = store48(2 * std::fabs(r.max_direction_deg - r.first_null_deg));

    const long double half_offset = store48(xmath::div(1.391L, kPi * N * d));
    const long double a = store48(c0 + half_offset);
    const long double b = store48(c0 - half_offset);
    if (a >= 1) {
        r.half_power_deg = arccosDeg(b);
        // This edge is measured from the fixed 90°, not from θmax.
        r.hpbw_deg = store48(2 * std::fabs(90 - r.half_power_deg));
    } else {
        r.half_power_deg = arccosDeg(a);
        const long double other_edge_deg = arccosDeg(b);
        const long double spread = store48(std::fabs(other_edge_deg - r.half_power_deg));
        r.hpbw_deg = spread < 90 ? spread : store48(2 * (90 - r.half_power_deg));
    }

    const long double lobe_offset = store48(xmath::div(1.5L, N * d));
    long double s = store48(c0 + lobe_offset);
    if (s >= 1) s = store48(c0 - lobe_offset);
    r.side_lobe_deg = store48(std::fabs(arccosDeg(s)));
    r.fslbw_deg = store48(2 * std::fabs(r.max_direction_deg - r.side_lobe_deg));
    return r;
}

namespace {

// With s = cos θ + cos θm: 1 where s = 0, else sin(N·x)/(N·x), x = π·d·s;
// θm is the beam direction shown in the results.
float phasedFunction(const ArrayPatternValues& v, float theta)
{
    const float N = static_cast<float>(v.elements);
    const float s = std::cos(theta) + std::cos(static_cast<float>(v.scan_polar_deg) * 3.14159265f / 180);
    if (s == 0) return 1;
    const float x = 3.14159265f * static_cast<float>(v.spacing_norm) * s;
    return sinc3d(N, x);
}

}  // namespace

CalculatorDescriptor phasedArrayCalculator()
{
    CalculatorDescriptor d;
    d.windowClass = "TForm11";
    d.code = 11;
    d.title = "Arranjo de Antenas - Phased (Scanning)";
    d.file = projectFile("aph", "ArPhased1.aph", {3, 3, 3}, StatusForm::Bracketed, kRefusalOndarel,
                         "Projetos de antenas|*.aph|Todos os arquivos|*.*");
    using V = ArrayPatternValues;
    using In = PhasedArrayInputs;
    using Out = PhasedArrayResults;
    d.inputs = {
        {"imput2", "Número de elementos:", "", ""},
        {"imput3", "Espaçamento normalizado\nentre os elementos:", "", ""},
        {"imput4", "Ângulo de defasagem (graus):", "", ""},
    };
    d.results = {
        {"Deslocamento de fase progressiva (ß - graus)", {"output1"}, {}},
        {"Máxima direção de irradiação (graus)", {"output2"}, {}},
        {"Ângulo do primeiro nulo (graus) ", {"output3"}, {}},
        {"Pontos de meia potência (graus):", {"output4"}, {}},
        {"Segundo maior lóbulo (graus):", {"output5"}, {}},
        {"FNBW - Largura de feixe do primeiro nulo (graus):", {"output6"}, {}},
        {"HPBW - Largura de feixe de meia potência (graus):", {"output7"}, {}},
        {"FSLBW - Largura de feixe do 1¤ lóbulo lateral (graus) :", {"output8"}, {}},
    };
    d.compute = bindComputation<In, Out>({&In::elements, &In::spacing_norm, &In::scan_deg},
                                         {
                                             {"output1", &Out::phase_shift_deg},
                                             {"output2", &Out::max_direction_deg},
                                             {"output3", &Out::first_null_deg},
                                             {"output4", &Out::half_power_deg},
                                             {"output5", &Out::side_lobe_deg},
                                             {"output6", &Out::fnbw_deg},
                                             {"output7", &Out::hpbw_deg},
                                             {"output8", &Out::fslbw_deg},
                                         },
                                         &computePhasedArray);
    d.sheet = DataSheet(1000)
                  .text(1050, 200, "Arranjos de antena - Phase(Scanning)")
                  .heading(300, "Entrada de Dados:")
                  .line(400, "Número de elementos:", "imput2")
                  .line(450, "Espaçamento normalizado:", "imput3")
                  .line(500, "Ângulo de defasagem(graus):", "imput4")
                  .heading(600, "Resultados:")
                  .line(650, "Deslocamento de fase progressiva (graus):", "output1")
                  .line(700, "Máxima direção de irradiação (graus):", "output2")
                  .line(750, "Ângulo do primeiro nulo (graus):", "output3")
                  .line(800, "Pontos de meia potência (graus):", "output4")
                  .line(850, "Segundo maior lóbulo (graus):", "output5")
                  .line(900, "FNBW - Largura de feixe do primeiro nulo (graus):", "output6")
                  .line(950, "HPBW - Largura de feixe de meia potência (graus):", "output7")
                  .line(1000, "FSLBW - Largura de feixe do 1¤ lóbulo lateral (graus):", "output8");
    d.pattern = PatternLink{
        "TForm28", "Diagrama de Irradiação do Arranjo de Fase \"Phased(Scanning)\"",
        "Diagrama de Irradiação Retangular do Fator do Arranjo de Fase \"Phased(Scanning)\"", true,
        arrayPatternSource({{{"imput2", &V::elements},
                             {"imput3", &V::spacing_norm},
                             {"output2", &V::scan_polar_deg},
                             {"imput4", &V::scan_chart_deg}},
                            phasedPolarTables,
                            phasedChartLevels,
                            {{{"Diagrama do Fator do Arranjo", 50}, {"Diagrama do Campo Total do Arranjo", 350}}},
                            "Diagrama de Irradiação para Arranjo de Fase.",
                            phasedFunction})};
    d.caption3d = "Diagrama de Irradiação 3D do Fator do Arranjo de Fase \"Phased(Scanning)\"";
    return d;
}

}  // namespace ondarel
