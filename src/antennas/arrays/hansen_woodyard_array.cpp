#include "antennas/arrays/hansen_woodyard_array.h"

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

// The extra phase constant is 2.94 (not the 2.92 of some texts); the array
// pattern window uses the same value.
constexpr long double kExtraPhase = 2.94L;

// Full-range inverse cosine, arctan2(√(1 − x²), x): faults outside [−1, 1].
long double arccos(long double x) { return xmath::arccosFull(x); }

}  // namespace

Checked<HansenWoodyardArrayResults> computeHansenWoodyardArray(const HansenWoodyardArrayInputs& in)
{
    const long double N = store48(in.elements);
    const long double d = store48(in.spacing_norm);
    // Two elements are the smallest array accepted.
    if (N <= 1) return Refusal{"Números de elementos fora dos parâmetros!"};
    if (d <= 0) return Refusal{"Espaçamento normalizados entre elementos está fora dos parâmetros!"};

    HansenWoodyardArrayResults r;
    const long double x1 = store48(1 - xmath::div(1, 2 * N * d));
    r.first_null_deg = store48(arccos(x1) * kRadToDeg);

    r.max_direction_a_deg = 0;
    r.max_direction_b_deg = 180;
    const long double B = store48((xmath::div(kExtraPhase, N) + 2 * kPi * d) * kRadToDeg);
    r.phase_shift_a_deg = store48(-B);
    r.phase_shift_b_deg = B;

    const long double x2 = store48(1 - xmath::div(0.1398L, N * d));
    r.half_power_deg = store48(arccos(x2) * kRadToDeg);

    const long double x3 = store48(1 - xmath::div(1, N * d));
    r.side_lobe_deg = store48(arccos(x3) * kRadToDeg);

    r.fnbw_deg = store48(arccos(x1) * kTwiceRadToDeg);
    r.hpbw_deg = store48(arccos(x2) * kTwiceRadToDeg);
    r.fslbw_deg = store48(arccos(x3) * kTwiceRadToDeg);

    const long double product = store48(7.156L * N * d);
    r.directivity_db = store48(10 * log10Stored(product));
    return r;
}

namespace {

// sin(N·ψ/2) / (N·sin(ψ/2)), ψ = k·d·cos θ − (k·d + 2.94/N).
float hansenWoodyardFunction(const ArrayPatternValues& v, float theta)
{
    const float N = static_cast<float>(v.elements);
    const float kd = 2 * 3.14159265f * static_cast<float>(v.spacing_norm);
    const float psi = kd * std::cos(theta) - (kd + 2.94f / N);
    return arrayFactor3d(N, psi);
}

}  // namespace

CalculatorDescriptor hansenWoodyardArrayCalculator()
{
    CalculatorDescriptor d;
    d.windowClass = "TForm37";
    d.code = 37;
    d.title = "Arranjo de Antenas - Hansen-Woodyard";
    d.file = projectFile("ahw", "ArHanWood1.ahw", {3, 3}, StatusForm::Bracketed, kRefusalOndarel,
                         "Arranjo de antenas Hansen|*.ahw|Todos os arquivos|*.*",
                         "Projetos de antenas|*.ahw|Todos os arquivos [*.*]|*.*");
    using V = ArrayPatternValues;
    using In = HansenWoodyardArrayInputs;
    using Out = HansenWoodyardArrayResults;
    d.inputs = {
        {"Numero", "Número de Elementos:", "", ""},
        {"Espaco", "Espaçamento Normalizado Entre \nEntre os Elementos:", "", ""},
    };
    d.results = {
        {"Deslocamento de fase progressiva (ß - Graus): ", {"coef1", "coef2"}, {}},
        {"Máxima direção de irradiação (Graus):", {"max1", "max2"}, {}},
        {"Ângulo do primeiro nulo (Graus):", {"nulo"}, {}},
        {"Pontos de meia potência (Graus):", {"pmeia"}, {}},
        {"Segundo maior lóbulo (Graus):", {"smaior"}, {}},
        {"FNBW - Largura de feixe do primeiro nulo (Graus):", {"Larnulo"}, {}},
        {"HPBW - Largura de feixe de meia potência (Graus):", {"Larmeia"}, {}},
        {"FSLBW - Largura de feixe do 1¤ lóbulo lateral (Graus):", {"Larseg"}, {}},
        {"Diretividade (dB):", {"Diretivi"}, {}},
    };
    // Only the element count forgets the file name on a key press.
    d.keyPressFields = {"Numero"};
    d.compute = bindComputation<In, Out>({&In::elements, &In::spacing_norm},
                                         {
                                             {"coef1", &Out::phase_shift_a_deg},
                                             {"coef2", &Out::phase_shift_b_deg},
                                             {"max1", &Out::max_direction_a_deg, 0},
                                             {"max2", &Out::max_direction_b_deg, 0},
                                             {"nulo", &Out::first_null_deg},
                                             {"pmeia", &Out::half_power_deg},
                                             {"smaior", &Out::side_lobe_deg},
                                             {"Larnulo", &Out::fnbw_deg},
                                             {"Larmeia", &Out::hpbw_deg},
                                             {"Larseg", &Out::fslbw_deg},
                                             {"Diretivi", &Out::directivity_db},
                                         },
                                         &computeHansenWoodyardArray);
    d.sheet = DataSheet(1000)
                  .text(1050, 200, "Arranjos de antenas - Hansen-Woodyard")
                  .heading(300, "Entrada de Dados:")
                  .line(400, "Número de elementos:", "Numero")
                  .line(450, "Espaçamento normalizado:", "Espaco")
                  .heading(600, "Resultados:")
                  .pair(650, "Deslocamento de fase progressiva (ß - graus):", "coef1", "coef2")
                  .pair(700, "Máxima direção de irradação (graus):", "max1", "max2")
                  .line(750, "Ângulo do primeiro nulo (graus):", "nulo")
                  .line(800, "Pontos de meia potência (graus):", "pmeia")
                  .line(850, "Segundo maior lóbulo (graus):", "smaior")
                  .line(900, "FNBW - Largura de feixe do primeiro nulo (graus):", "Larnulo")
                  .line(950, "HPBW - Largura de feixe de meia potência (graus):", "Larmeia")
                  .line(1000, "FSLBW - Largura de feixe do 1¤ lóbulo lateral (graus):", "Larseg")
                  .line(1050, "Diretividade(dB):", "Diretivi");
    d.pattern = PatternLink{"TForm28", "Diagrama de Irradiação do Arranjo Hansen-Woodyard",
                            "Diagrama de Irradiação Retangular do Fator do Arranjo Hansen-Woodyard", true,
                            arrayPatternSource({{{"Numero", &V::elements}, {"Espaco", &V::spacing_norm}},
                                                hansenWoodyardPolarTables,
                                                hansenWoodyardChartLevels,
                                                {{{"Diagrama do Fator de Arranjo para Theta = 0°", 50},
                                                  {"Diagrama do Fator do Arranjo para Theta = 180°", 350}}},
                                                "Diagrama de Irradiação para Arranjo Hansen-Woodyard.",
                                                hansenWoodyardFunction})};
    d.caption3d = "Diagrama de Irradiação 3D do Fator do Arranjo Hansen-Woodyard";
    return d;
}

}  // namespace ondarel
