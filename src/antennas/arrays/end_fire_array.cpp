#include "antennas/arrays/end_fire_array.h"

#include <cmath>

#include "antennas/arrays/array_patterns.h"

#include "core/checked_math.h"
#include "core/data_sheet.h"
#include "core/decibel.h"
#include "core/real48.h"

namespace ondarel {

namespace {

using xmath::kPi;
using xmath::kRadToDeg;
using xmath::kTwiceRadToDeg;

// Full-range inverse cosine, arctan2(√(1 − x²), x): faults outside [−1, 1].
long double arccos(long double x) { return xmath::arccosFull(x); }

}  // namespace

Checked<EndFireArrayResults> computeEndFireArray(const EndFireArrayInputs& in)
{
    const long double N = in.elements;
    const long double d = in.spacing_norm;
    if (N <= 0) return Refusal{"Números de elementos fora dos parâmetros!"};
    if (d <= 0) return Refusal{"Espaçamento normalizados entre elementos está fora dos parâmetros!"};

    EndFireArrayResults r;
    const long double x1 = 1 - xmath::div(1, N * d);
    r.first_null_deg = arccos(x1) * kRadToDeg;

    r.phase_shift_a_deg = -2 * kPi * d * kRadToDeg;
    r.phase_shift_b_deg = 2 * kPi * d * kRadToDeg;
    r.max_direction_a_deg = 0;
    r.max_direction_b_deg = 180;

    const long double x2 = 1 - xmath::div(1.391L, kPi * N * d);
    r.half_power_deg = arccos(x2) * kRadToDeg;

    const long double x3 = 1 - xmath::div(1.5L, N * d);
    r.side_lobe_deg = arccos(x3) * kRadToDeg;

    // Each beam width is twice its angle from the axis.
    r.fnbw_deg = arccos(x1) * kTwiceRadToDeg;
    r.hpbw_deg = arccos(x2) * kTwiceRadToDeg;
    r.fslbw_deg = arccos(x3) * kTwiceRadToDeg;

    const long double four_nd = store48(4 * N * d);
    r.directivity_db = 10 * log10Stored(four_nd);
    return r;
}

namespace {

// sin(N·x)/(N·x), x = π·d·(cos θ + 1).
float endFireFunction(const ArrayPatternValues& v, float theta)
{
    const float N = static_cast<float>(v.elements);
    const float x = 3.14159265f * static_cast<float>(v.spacing_norm) * (std::cos(theta) + 1);
    return sinc3d(N, x);
}

}  // namespace

CalculatorDescriptor endFireArrayCalculator()
{
    CalculatorDescriptor d;
    d.windowClass = "TForm7";
    d.code = 7;
    d.title = "Arranjo de Antenas - End-Fire";
    d.file = projectFile("aef", "ArEndFile1.aef", {3, 3}, StatusForm::Bracketed, kRefusalOndarel,
                         "Projetos de antenas|*.aef|Todos os arquivos|*.*",
                         "Projetos de antenas|*.aef|Todos os arquivos [*.*]|*.*");
    using V = ArrayPatternValues;
    using In = EndFireArrayInputs;
    using Out = EndFireArrayResults;
    d.inputs = {
        {"input2", "Número de Elementos:", "", ""},
        {"input3", "Espaçamento Normalizado\nEntre os Elementos:", "", ""},
    };
    d.results = {
        {"Deslocamento de fase progressiva  (ß - Graus):", {"output12", "output13"}, {}},
        {"Máxima direção de irradiação (Graus):", {"output2", "angulo2"}, {}},
        {"Ângulo do primeiro nulo (Graus):", {"output1"}, {}},
        {"Pontos de meia potência (Graus):", {"output3"}, {}},
        {"Segundo maior lóbulo  (Graus):", {"output4"}, {}},
        {"FNBW - Largura de feixe do primeiro nulo (Graus):", {"output5"}, {}},
        {"HPBW - Largura de feixe de meia potência (Graus):", {"output6"}, {}},
        {"FSLBW - Largura de feixe do 1¤ lóbulo lateral (Graus):", {"output7"}, {}},
        {"Diretividade (dB):", {"output11"}, {}},
    };
    d.compute = bindComputation<In, Out>({&In::elements, &In::spacing_norm},
                                         {
                                             {"output12", &Out::phase_shift_a_deg},
                                             {"output13", &Out::phase_shift_b_deg},
                                             {"output1", &Out::first_null_deg},
                                             {"output2", &Out::max_direction_a_deg, 0},
                                             {"angulo2", &Out::max_direction_b_deg, 0},
                                             {"output3", &Out::half_power_deg},
                                             {"output4", &Out::side_lobe_deg},
                                             {"output5", &Out::fnbw_deg},
                                             {"output6", &Out::hpbw_deg},
                                             {"output7", &Out::fslbw_deg},
                                             {"output11", &Out::directivity_db},
                                         },
                                         &computeEndFireArray);
    d.sheet = DataSheet(1000)
                  .text(1050, 200, "Arranjos de antenas - End-fire")
                  .heading(300, "Entrada de Dados:")
                  .line(400, "Número de elementos:", "input2")
                  .line(450, "Espaçamento normalizado:", "input3")
                  .heading(600, "Resultados:")
                  .pair(650, "Deslocamento de fase progressiva (ß - graus):", "output12", "output13")
                  .pair(700, "Máxima direção de irradação(graus):", "output2", "angulo2")
                  .line(750, "Ângulo do primeiro nulo(graus):", "output1")
                  .line(800, "Pontos de meia potência(graus):", "output3")
                  .line(850, "Segundo maior lóbulo(graus):", "output4")
                  .line(900, "FNBW - Largura de feixe do primeiro nulo (graus):", "output5")
                  .line(950, "HPBW - Largura de feixe de meia potência (graus):", "output6")
                  .line(1000, "FSLBW - Largura de feixe do 1¤ lóbulo lateral (graus):", "output7")
                  .line(1050, "Diretividade(dB):", "output11");
    d.pattern = PatternLink{"TForm28", "Diagrama de Irradiação do Arranjo End-Fire",
                            "Diagrama de Irradiação Retangular do Fator do Arranjo End-Fire", true,
                            arrayPatternSource({{{"input2", &V::elements}, {"input3", &V::spacing_norm}},
                                                endFirePolarTables,
                                                endFireChartLevels,
                                                {{{"Diagrama do Fator do Arranjo para Theta = 0°", 35},
                                                  {"Diagrama do Fator do Arranjo para Theta = 180°", 350}}},
                                                "Diagrama de Irradiação para Arranjo End-Fire.",
                                                endFireFunction})};
    d.caption3d = "Diagrama de Irradiação 3D do Fator do Arranjo End-Fire";
    return d;
}

}  // namespace ondarel
