#include "antennas/wire/axial_helix.h"

#include <cmath>

#include "antennas/wire/wire_patterns.h"
#include "core/checked_math.h"
#include "core/data_sheet.h"
#include "core/limits.h"
#include "core/real48.h"

namespace ondarel {

namespace {

// 10^(G/10) by the first 21 terms of the exponential series of x = ln 10·G/10,
// summed from the constant term upwards (so G = 50 gives 99240.838).
long double gainAsRatio(long double gain_db)
{
    const long double ln10 = store48(2.3025850929989247L);
    const long double tenth = store48(gain_db * 0.1L);
    const long double x = store48(ln10 * tenth);
    long double term = 1;
    long double sum = 1;
    for (int n = 1; n <= 20; ++n) {
        term = xmath::finite(term * x / n);
        sum = xmath::finite(sum + term);
    }
    return store48(sum);
}

}  // namespace

Checked<AxialHelixResults> computeAxialHelix(const AxialHelixInputs& in)
{
    const long double f = store48(in.frequency_mhz);
    const long double G = store48(in.gain_db);
    const long double alpha = store48(in.pitch_deg);
    const long double C = store48(in.circumference_norm);
    if (f <= 0) return Refusal{"Frequência com valor não especificado!"};
    if (G <= 0) return Refusal{"Ganho com valor não especificado!"};
    // The limits themselves are accepted.
    if (alpha > storedLimit(18) || alpha < storedLimit(12)) return Refusal{"O ângulo de Passo fora dos parâmetros!"};
    if (C > storedLimit(1.33L) || C < storedLimit(0.75L)) return Refusal{"Verifique a faixa ideal!"};

    AxialHelixResults r;
    const long double wavelength_m = store48(xmath::div(300, f));
    r.circumference_m = store48(wavelength_m * C);
    const long double Cm = r.circumference_m;
    r.diameter_m = store48(Cm * 0.318309886184L);  // 1/π
    const long double tan_alpha = store48(xmath::tanDegrees(alpha));
    r.spacing_m = store48(Cm * tan_alpha);
    const long double S = r.spacing_m;
    r.turn_length_m = store48(xmath::sqrt(Cm * Cm + S * S));
    r.wire_diameter_cm = store48(2 * wavelength_m);  // 0.02·λ in metres
    r.ground_plane_m = store48(wavelength_m * 3 * 0.25L);
    r.directivity = gainAsRatio(G);

    const long double lambda3 = wavelength_m * wavelength_m * wavelength_m;
    r.turns = store48(xmath::div(lambda3 * r.directivity, 15 * S * Cm * Cm));
    const long double N = r.turns;
    r.axial_length_m = store48(S * N);
    r.wire_length_m = store48(r.turn_length_m * N);
    r.first_turn_separation_m = store48(S * 0.5L);
    r.axial_ratio = store48(xmath::div(2 * N + 1, 2 * N));
    r.radiation_resistance_ohm = store48(140 * C);
    const long double beam = xmath::div(xmath::sqrt(lambda3), xmath::sqrt(S * N) * Cm);
    r.hpbw_deg = store48(52 * beam);
    r.fnbw_deg = store48(115 * beam);
    return r;
}

namespace {

// sin(π/(2N))·cos θ·sin(N·u)/u with u = (π·S/λ)(1 + cos θ) + π/(2N).
float axialHelixFunction(const WirePatternValues& v, float theta)
{
    const float pi = 3.14159265f;
    const float N = static_cast<float>(v.turns);
    const float wavelength = 300.0f / static_cast<float>(v.frequency_mhz);
    const float u = pi * static_cast<float>(v.spacing_m) / wavelength * (1 + std::cos(theta)) + pi / (2 * N);
    // sin(N·u)/u tends to N where u vanishes.
    const float ratio = u == 0 ? N : std::sin(N * u) / u;
    return std::sin(pi / (2 * N)) * std::cos(theta) * ratio;
}

}  // namespace

CalculatorDescriptor axialHelixCalculator()
{
    using V = WirePatternValues;
    using In = AxialHelixInputs;
    using Out = AxialHelixResults;
    CalculatorDescriptor d;
    d.windowClass = "TForm8";
    d.code = 8;
    d.title = "Antena Helicoidal - Modo Axial ";
    d.file = projectFile("mag", "AxiGeral1.mag", {2, 2, 2, 3}, StatusForm::Bare, kRefusalThisProgram,
                         "Projetos de antenas|*.mag|Todos os arquivos [*.*]|*.*");
    d.inputs = {
        {"input1", "Freqüência (MHz):", "", ""},
        {"input2", "Ganho (dB):", "", ""},
        {"input3", "Ângulo de passo entre 12° e 18° (graus):", "", ""},
        {"input4", "Condição para o modo axial (0.75<C<1.33):", "", ""},
    };
    d.results = {
        {"Número de espiras:", {"output7"}, {}},
        {"Comprimento da espira (m):", {"output8"}, {}},
        {"Perímetro da espira (m):", {"output3"}, {}},
        {"Separação da primeira espira (m):", {"output4"}, {}},
        {"Espaçamento entre espiras (m):", {"output1"}, {}},
        {"Diâmetro da espira (m):", {"output2"}, {}},
        {"Diâmetro do plano de terra (m):", {"output5"}, {}},
        {"Diâmetro do fio (cm):", {"output6"}, {}},
        {"Comprimento axial (m):", {"output9"}, {}},
        {"Comprimento do fio (m):", {"output10"}, {}},
        {"Razão axial:", {"output11"}, {}},
        {"Diretividade:", {"output12"}, {}},
        {"Resistência de irradiação (ohm):", {"output13"}, {}},
        {"HPBW (graus):", {"output14"}, {}},
        {"FNBW (graus):", {"output15"}, {}},
    };
    d.compute = bindComputation<In, Out>({&In::frequency_mhz, &In::gain_db, &In::pitch_deg, &In::circumference_norm},
                                         {
                                             {"output1", &Out::spacing_m},
                                             {"output2", &Out::diameter_m},
                                             {"output3", &Out::circumference_m},
                                             {"output4", &Out::first_turn_separation_m},
                                             {"output5", &Out::ground_plane_m},
                                             {"output6", &Out::wire_diameter_cm},
                                             {"output7", &Out::turns},
                                             {"output8", &Out::turn_length_m},
                                             {"output9", &Out::axial_length_m},
                                             {"output10", &Out::wire_length_m},
                                             {"output11", &Out::axial_ratio},
                                             {"output12", &Out::directivity},
                                             {"output13", &Out::radiation_resistance_ohm},
                                             {"output14", &Out::hpbw_deg},
                                             {"output15", &Out::fnbw_deg},
                                         },
                                         &computeAxialHelix);
    // Key presses count in the frequency field (and the window) only.
    d.keyPressFields = {"input1"};
    d.keyPressEnablesResults = true;
    d.graphics2d = {"Gráficos &2D", "Gráficos", false};
    d.sheet = DataSheet(900)
                  .text(400, 50, "Antena Helicoidal - Modo Axial")
                  .heading(100, "Entrada de Dados:")
                  .line(150, "Freqüência (MHz):", "input1")
                  .line(200, "Ganho (dB):", "input2")
                  .line(250, "Ângulo de Passo entre 12° e 15°(Graus):", "input3")
                  .line(300, "Condição para o modo axial(0.75<C<1.33):", "input4")
                  .heading(350, "Resultados:")
                  .line(400, "Espaçamento entre Espiras(m):", "output1")
                  .line(450, "Diâmetro da Espira(m):", "output2")
                  .line(500, "Perímetro da Espira(m):", "output3")
                  .line(550, "Separação da Primeira Espira(m):", "output4")
                  .line(600, "Diâmetro do plano de Terra(m):", "output5")
                  .line(650, "Diâmetro do Fio (cm):", "output6")
                  .line(700, "Número de Espiras:", "output7")
                  .line(750, "Comprimento da Espira(m):", "output8")
                  .line(800, "Comprimento Axial(m):", "output9")
                  .line(850, "Comprimento do Fio(m):", "output10")
                  .line(900, "Razão Axial:", "output11")
                  .line(950, "Diretividade:", "output12")
                  .line(1000, "Resistência de Irradiação(Ohm):", "output13")
                  .line(1050, "HPBW(graus):", "output14")
                  .line(1100, "FNBW(graus):", "output15");
    d.pattern = PatternLink{
        "TForm3", "Diagrama de Irradiação da Antena Helicoidal - Modo Axial",
        "Diagrama Retangular da Antena Helicoidal - Modo Axial", true,
        wirePatternSource({{"input1", &V::frequency_mhz}, {"output1", &V::spacing_m}, {"output7", &V::turns}},
                          axialHelixPolarTables, axialHelixFieldTable, "Diagrama da Antena Helicoidal - Modo Axial",
                          axialHelixFunction)};
    d.caption3d = "Diagrama de Irradiação 3D da Antena Helicoidal - Modo Axial";
    d.geometry = GeometryLink{"TForm9", 1};
    return d;
}

}  // namespace ondarel
