#include "antennas/wire/normal_helix.h"

#include <cmath>

#include "antennas/wire/wire_patterns.h"
#include "core/checked_math.h"
#include "core/data_sheet.h"
#include "core/limits.h"
#include "core/real48.h"

namespace ondarel {

using xmath::kPi;

Checked<NormalHelixResults> computeNormalHelix(const NormalHelixInputs& in)
{
    const long double f = store48(in.frequency_mhz);
    const long double G = store48(in.gain_db);
    const long double alpha = store48(in.pitch_deg);
    const long double NL = store48(in.normal_mode_nl);
    const long double S = store48(in.spacing_norm);
    if (f <= 0) return Refusal{"Frequência com valor não especificado!"};
    if (G <= 0) return Refusal{"Ganho com valor não especificado!"};
    if (alpha <= 0) return Refusal{"O ângulo de Passo fora dos parâmetros!"};
    if (NL <= 0) return Refusal{"Condição de modo normal fora dos parâmetros!"};
    // The limits themselves are accepted.
    if (NL < storedLimit(0.01L) || NL > storedLimit(0.1L))
        return Refusal{"Condição de Modo Normal fora dos parâmetros!"};
    if (S <= 0) return Refusal{"Espaçamento normalizado entre espiras fora dos parâmetros!"};

    NormalHelixResults r;
    const long double wavelength_m = store48(xmath::div(300, f));
    const long double spacing_m = store48(wavelength_m * S);
    const long double tan_alpha = store48(xmath::tanDegrees(alpha));
    r.diameter_m = store48(xmath::div(spacing_m, kPi * tan_alpha));
    r.circumference_m = store48(kPi * r.diameter_m);
    r.ground_plane_m = store48(wavelength_m * 3 * 0.25L);
    const long double Ct = r.circumference_m;
    r.turn_length_m = store48(xmath::sqrt(spacing_m * spacing_m + Ct * Ct));
    // The wire N·L0 is λ/NL long.
    r.turns = store48(xmath::div(wavelength_m, r.turn_length_m * NL));
    r.axial_length_m = store48(spacing_m * r.turns);
    r.wire_length_m = store48(r.turn_length_m * r.turns);
    r.axial_ratio = store48(xmath::div(2 * wavelength_m * spacing_m, Ct * Ct));
    r.directivity_db = G;
    return r;
}

namespace {

// (X·sin θ)² + sin² θ with X the normal-mode condition.
float normalHelixFunction(const WirePatternValues& v, float theta)
{
    const float s = std::sin(theta);
    const float xs = static_cast<float>(v.normal_mode_nl) * s;
    return xs * xs + s * s;
}

}  // namespace

CalculatorDescriptor normalHelixCalculator()
{
    using V = WirePatternValues;
    using In = NormalHelixInputs;
    using Out = NormalHelixResults;
    CalculatorDescriptor d;
    d.windowClass = "TForm12";
    d.code = 12;
    d.title = "Antena Helicoidal - Modo Normal";
    d.closePolicy = ClosePolicy::Hide;
    d.file = projectFile("mng", "NorGeral1.mng", {2, 2, 2, 3, 3}, StatusForm::Bracketed, kRefusalOndarel,
                         "Projetos de antenas|*.mng|Todos os arquivos [*.*]|*.*");
    d.inputs = {
        {"input1", "Freqüência (MHz):", "", ""},
        {"input2", "Ganho (dB):", "", ""},
        {"input3", "Ângulo de passo (graus):", "", ""},
        {"input4", "Condição de modo normal (0.01<NL<0.1) :", "", ""},
        {"input5", "Espaçamento normalizado entre espiras:", "", ""},
    };
    d.results = {
        {"Número de espiras:", {"output5"}, {}},           {"Diâmetro das espiras (m):", {"output2"}, {}},
        {"Perímetro da espira (m):", {"output3"}, {}},     {"Diâmetro do plano de terra (m):", {"output4"}, {}},
        {"Comprimento das espiras (m):", {"output6"}, {}}, {"Comprimento axial (m):", {"output7"}, {}},
        {"Comprimento do fio (m):", {"output8"}, {}},      {"Razão axial:", {"output9"}, {}},
        {"Diretividade (dB):", {"output1"}, {}},
    };
    d.compute = bindComputation<In, Out>(
        {&In::frequency_mhz, &In::gain_db, &In::pitch_deg, &In::normal_mode_nl, &In::spacing_norm},
        {
            {"output5", &Out::turns},
            {"output2", &Out::diameter_m},
            {"output3", &Out::circumference_m},
            {"output4", &Out::ground_plane_m},
            {"output6", &Out::turn_length_m},
            {"output7", &Out::axial_length_m},
            {"output8", &Out::wire_length_m},
            {"output9", &Out::axial_ratio},
            {"output1", &Out::directivity_db},
        },
        &computeNormalHelix);
    d.keyPressEnablesResults = true;
    // Only the tool-bar button opens the diagrams.
    d.graphics2d.menuActs = false;
    d.sheet = DataSheet(900)
                  .text(400, 100, "Antena Helicoidal - Modo Normal")
                  .heading(150, "Entrada de Dados:")
                  .line(200, "Freqüência (MHz):", "input1")
                  .line(250, "Ganho (dB):", "input2")
                  .line(300, "Ângulo de passo:", "input3")
                  .line(350, "Condição de modo normal(0.01<NL<0.1):", "input4")
                  .line(400, "Espaçamento normalizado entre espiras:", "input5")
                  .heading(500, "Resultados:")
                  .line(550, "Número de espiras:", "output5")
                  .line(600, "Diâmetro das espiras(m):", "output2")
                  .line(650, "Perímetro da espira(m):", "output3")
                  .line(700, "Diâmetro do plano de terra(m):", "output4")
                  .line(750, "Comprimento das espiras(m):", "output6")
                  .line(800, "Comprimento axial(m):", "output7")
                  .line(850, "Comprimento do fio(m):", "output8")
                  .line(900, "Razão axial:", "output9")
                  .line(950, "Diretividade(m):", "output1");
    d.pattern =
        PatternLink{"TForm3", "Diagrama de Irradiação da Antena Helicoidal - Modo Normal",
                    "Diagrama retangular da antena helicoidal - Modo normal", true,
                    wirePatternSource({{"input4", &V::normal_mode_nl}}, normalHelixPolarTables, normalHelixFieldTable,
                                      "Diagrama da Antena Helicoidal - Modo Normal", normalHelixFunction)};
    d.caption3d = "Diagrama de Irradiação 3D da Antena Helicoidal - Modo Normal";
    // The wire geometry window keeps the page it shows.
    d.geometry = GeometryLink{"TForm9", -1};
    return d;
}

}  // namespace ondarel
