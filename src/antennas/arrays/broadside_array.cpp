#include "antennas/arrays/broadside_array.h"

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

// The broadside inverse cosine is arctan(√(1 − x²)/x): x > 1 (a spacing too
// small for the lobe in question) makes the square root fault.
long double arccos(long double x) { return xmath::arccosByArctan(x); }

}  // namespace

Checked<BroadsideArrayResults> computeBroadsideArray(const BroadsideArrayInputs& in)
{
    const long double N = store48(in.elements);
    const long double d = store48(in.spacing_norm);
    if (N <= 0) return Refusal{"Números de elementos fora dos parâmetros!"};
    if (d <= 0) return Refusal{"Espaçamento normalizados entre elementos está fora dos parâmetros!"};

    BroadsideArrayResults r;
    r.phase_shift_deg = 0;
    r.max_direction_deg = 90;

    const long double x1 = store48(xmath::div(1, N * d));
    r.first_null_deg = store48(arccos(x1) * kRadToDeg);
    r.fnbw_deg = store48((kPi / 2 - arccos(x1)) * kTwiceRadToDeg);

    const long double x2 = store48(xmath::div(1.391L, kPi * N * d));
    r.half_power_deg = store48(arccos(x2) * kRadToDeg);
    r.hpbw_deg = store48((kPi / 2 - arccos(x2)) * kTwiceRadToDeg);

    const long double x3 = store48(xmath::div(1.5L, N * d));
    r.side_lobe_deg = store48(arccos(x3) * kRadToDeg);
    r.fslbw_deg = store48((kPi / 2 - arccos(x3)) * kTwiceRadToDeg);

    const long double twice_nd = store48(2 * N * d);
    r.directivity_db = store48(10 * log10Stored(twice_nd));
    return r;
}

namespace {

// sin(N·ψ/2) / (N·sin(ψ/2)), ψ = k·d·cos θ.
float broadsideFunction(const ArrayPatternValues& v, float theta)
{
    const float N = static_cast<float>(v.elements);
    const float psi = 2 * 3.14159265f * static_cast<float>(v.spacing_norm) * std::cos(theta);
    return arrayFactor3d(N, psi);
}

}  // namespace

CalculatorDescriptor broadsideArrayCalculator()
{
    CalculatorDescriptor d;
    d.windowClass = "TForm5";
    d.code = 5;
    d.title = "Arranjo de Antenas - Broadside";
    d.file = projectFile("abd", "ArBroad1.abd", {2, 3}, StatusForm::Bare, kRefusalOndarel,
                         "Projetos de antenas|*.abd|Todos os arquivos [*.*]|*.*",
                         "Projetos de antenas|*.abd|Todos os arquivos [*.*]|*.*");
    using V = ArrayPatternValues;
    using In = BroadsideArrayInputs;
    using Out = BroadsideArrayResults;
    d.inputs = {
        {"input2", "Número de Elementos:", "", ""},
        {"input3", "Espaçamento Normalizado\nEntre os Elementos:", "", ""},
    };
    d.results = {
        {"Deslocamento de fase progressiva (ß - graus):", {"output9"}, {}},
        {"Máxima direção de irradiação (graus):", {"output2"}, {}},
        {"Ângulo do primeiro nulo (graus):", {"output1"}, {}},
        {"Pontos de meia potência (graus):", {"output3"}, {}},
        {"Segundo maior lóbulo  (graus):", {"output4"}, {}},
        {"FNBW - Largura de feixe do primeiro nulo (graus):", {"output5"}, {}},
        {"HPBW - Largura de feixe de meia potência (graus):", {"output6"}, {}},
        {"FSLBW - Largura de feixe do 1¤ lóbulo lateral (graus):", {"output7"}, {}},
        {"Diretividade (dB):", {"output8"}, {}},
    };
    d.compute = bindComputation<In, Out>({&In::elements, &In::spacing_norm},
                                         {
                                             {"output9", &Out::phase_shift_deg, 0},
                                             {"output2", &Out::max_direction_deg, 0},
                                             {"output1", &Out::first_null_deg},
                                             {"output3", &Out::half_power_deg},
                                             {"output4", &Out::side_lobe_deg},
                                             {"output5", &Out::fnbw_deg},
                                             {"output6", &Out::hpbw_deg},
                                             {"output7", &Out::fslbw_deg},
                                             {"output8", &Out::directivity_db},
                                         },
                                         &computeBroadsideArray);
    d.sheet = DataSheet(1000)
                  .text(1050, 200, "Arranjos de antenas - Broadside")
                  .heading(300, "Entrada de Dados:")
                  .line(400, "Número de elementos:", "input2")
                  .line(450, "Espaçamento normalizado:", "input3")
                  .heading(600, "Resultados:")
                  .line(650, "Deslocamento de fase progressiva (ß - graus):", "output9")
                  .line(700, "Máxima direção de irradação(graus):", "output2")
                  .line(750, "Ângulo do primeiro nulo(graus):", "output1")
                  .line(800, "Pontos de meia potência(graus):", "output3")
                  .line(850, "Segundo maior lóbulo(graus):", "output4")
                  .line(900, "FNBW - Largura de feixe do primeiro nulo (graus):", "output5")
                  .line(950, "HPBW - Largura de feixe de meia potência (graus):", "output6")
                  .line(1000, "FSLBW - Largura de feixe do 1¤ lóbulo lateral (graus):", "output7")
                  .line(1050, "Diretividade(dB):", "output8");
    d.pattern = PatternLink{
        "TForm28", "Diagrama de Irradiação do Arranjo Broadside",
        "Diagrama de Irradiação Retangular do Fator do Arranjo Broadside", true,
        arrayPatternSource({{{"input2", &V::elements}, {"input3", &V::spacing_norm}},
                            broadsidePolarTables,
                            broadsideChartLevels,
                            {{{"Diagrama do Fator do Arranjo", 90}, {"Diagrama do Campo Total do Arranjo", 390}}},
                            "Diagrama de Irradiação para Arranjo Broadside.",
                            broadsideFunction})};
    d.caption3d = "Diagrama de Irradiação 3D do Arranjo Broadside";
    return d;
}

}  // namespace ondarel
