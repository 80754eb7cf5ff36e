#include "antennas/arrays/broadside_array.h"

#include "core/checked_math.h"
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

void describeBroadsideArray(CalculatorDescriptor& d)
{
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
    d.sheet = {
        {1050, 200, "Arranjos de antenas - Broadside", ""},
        {150, 300, "Entrada de Dados:", ""},
        {150, 400, "Número de elementos:", ""},
        {1000, 400, "", "input2"},
        {150, 450, "Espaçamento normalizado:", ""},
        {1000, 450, "", "input3"},
        {150, 600, "Resultados:", ""},
        {150, 650, "Deslocamento de fase progressiva (ß - graus):", ""},
        {1000, 650, "", "output9"},
        {150, 700, "Máxima direção de irradação(graus):", ""},
        {1000, 700, "", "output2"},
        {150, 750, "Ângulo do primeiro nulo(graus):", ""},
        {1000, 750, "", "output1"},
        {150, 800, "Pontos de meia potência(graus):", ""},
        {1000, 800, "", "output3"},
        {150, 850, "Segundo maior lóbulo(graus):", ""},
        {1000, 850, "", "output4"},
        {150, 900, "FNBW - Largura de feixe do primeiro nulo (graus):", ""},
        {1000, 900, "", "output5"},
        {150, 950, "HPBW - Largura de feixe de meia potência (graus):", ""},
        {1000, 950, "", "output6"},
        {150, 1000, "FSLBW - Largura de feixe do 1¤ lóbulo lateral (graus):", ""},
        {1000, 1000, "", "output7"},
        {150, 1050, "Diretividade(dB):", ""},
        {1000, 1050, "", "output8"},
    };
    d.pattern = PatternLink{"TForm28", "Diagrama de Irradiação do Arranjo Broadside",
                            "Diagrama de Irradiação Retangular do Fator do Arranjo Broadside", true};
    d.caption3d = "Diagrama de Irradiação 3D do Arranjo Broadside";
}

}  // namespace ondarel
