#include "antennas/wire/small_loop.h"

#include <cmath>

#include "antennas/wire/wire_patterns.h"
#include "core/bessel.h"
#include "core/checked_math.h"
#include "core/data_sheet.h"
#include "core/decibel.h"
#include "core/number_text.h"
#include "core/real48.h"

namespace ondarel {

namespace {

using xmath::kPi;
constexpr long double kMu0 = 1.25663706143591729539e-6L;  // 4π·10⁻⁷ H/m

}  // namespace

Checked<SmallLoopResults> computeSmallLoop(const SmallLoopInputs& in)
{
    const long double f = store48(in.frequency_mhz);
    const long double N = store48(in.turns);
    const long double a = store48(in.radius_norm);
    const long double b = store48(in.wire_radius_norm);
    const long double sigma = store48(in.conductivity_s_m);
    if (f <= 0) return Refusal{"Frequência com valor inválida!"};
    if (N <= 0) return Refusal{"Número de voltas inválido!"};
    if (a <= 0) return Refusal{"Raio normalizado da espira inválido!"};
    if (b <= 0) return Refusal{"Raio normalizado do fio condutor inválido!"};
    if (sigma <= 0) return Refusal{"Condutividade do material inválida"};

    SmallLoopResults r;
    const long double wavelength_m = store48(xmath::div(300, f));
    const bool small = loopIsSmall(a);
    r.notes = {small ? "Espira Circular Infinitesimal!" : "Espira Circular com Raio Finito!"};

    const long double omega = store48(2 * kPi * f * 1e6L);
    r.circumference_m = store48(2 * kPi * a * wavelength_m);
    const long double Lc = r.circumference_m;
    // Surface resistance, used in extended precision.
    const long double Rs = xmath::sqrt(xmath::div(omega * kMu0, 2 * sigma));
    const long double R0 = store48(xmath::div(N * Rs, wavelength_m * 2 * kPi * b));

    const long double circumference_norm = xmath::div(Lc, wavelength_m);
    if (small)
        r.radiation_resistance_ohm = store48(20 * kPi * kPi * N * N * std::pow(circumference_norm, 4));
    else
        r.radiation_resistance_ohm = store48(60 * kPi * kPi * N * N * circumference_norm);

    const long double a_over_b = xmath::div(a, b);
    if (N != 1) {
        // Proximity effect of the neighbouring turns.
        const long double Rp = store48(a_over_b * Rs);
        r.loss_resistance_ohm = store48((xmath::div(4.05L * Rp, R0) + 1) * Rs * N * a_over_b);
    } else {
        r.loss_resistance_ohm = store48(a_over_b * Rs);
    }

    r.directivity = small ? store48(1.5L) : store48(0.682L * circumference_norm);
    r.directivity_db = store48(10 * log10Stored(r.directivity));
    const long double lambda2 = wavelength_m * wavelength_m;
    if (small)
        r.effective_area_m2 = store48(lambda2 * 0.375L * (1 / kPi));  // 3λ²/(8π)
    else
        r.effective_area_m2 = store48(xmath::div(lambda2 * r.directivity, 4 * kPi));  // λ²·D/(4π)
    r.efficiency_pct =
        store48(xmath::div(r.radiation_resistance_ohm, r.loss_resistance_ohm + r.radiation_resistance_ohm) * 100);
    return r;
}

namespace {

bool smallInWindow(const FieldTexts& texts) { return loopIsSmall(fieldValue(texts("input2"))); }

// sin θ for a small loop, otherwise sin θ · J1(2π·a·sin θ), in single
// precision.
float loopFunction(const WirePatternValues& v, float theta)
{
    const float s = std::sin(theta);
    if (loopIsSmall(v.loop_radius_norm)) return s;
    const float a = static_cast<float>(v.loop_radius_norm);
    return s * static_cast<float>(bessel::j1(2 * 3.14159265f * a * s));
}

}  // namespace

CalculatorDescriptor smallLoopCalculator()
{
    using V = WirePatternValues;
    using In = SmallLoopInputs;
    using Out = SmallLoopResults;
    CalculatorDescriptor d;
    d.windowClass = "TForm10";
    d.code = 10;
    d.title = "Antena Espira Circular ";
    d.closePolicy = ClosePolicy::Hide;
    d.file = projectFile("aec", "AntEspCir.aec", {3, 3, 5, 3, 3}, StatusForm::Bare, kRefusalOndarel,
                         "Antena espira circular|*.aec|Todos os arquivos|*.*");
    // In file order; the form shows the number of turns second.
    d.inputs = {
        {"input1", "Freqüência (MHz):", "", ""},
        {"input2", "Raio normalizado da Espira:", "", ""},
        {"input3", "Raio normalizado do fio condutor:", "", ""},
        {"input4", "Condutividade do material (S/m):", "", ""},
        {"input5", "Número de voltas da Espira:", "", ""},
    };
    d.inputDisplayOrder = {"input1", "input5", "input2", "input3", "input4"};
    d.pickListBeside = "input4";
    d.results = {
        {"Comprimento da espira (m):", {"output1"}, {}},
        {"Resistência de irradiação (ohms):", {"output2"}, {}},
        {"Resistência de perda (ohms):", {"output3"}, {}},
        {"Diretividade:", {"output4"}, {}},
        {"Diretividade (dB):", {"output5"}, {}},
        {"Área efetiva máxima (m²):", {"output6"}, {}},
        {"Eficiência de irradiação da antena (%):", {"output7"}, {}},
    };
    d.compute = bindComputation<In, Out>(
        {&In::frequency_mhz, &In::radius_norm, &In::wire_radius_norm, &In::conductivity_s_m, &In::turns},
        {
            {"output1", &Out::circumference_m},
            {"output2", &Out::radiation_resistance_ohm},
            {"output3", &Out::loss_resistance_ohm},
            {"output4", &Out::directivity},
            {"output5", &Out::directivity_db},
            {"output6", &Out::effective_area_m2},
            {"output7", &Out::efficiency_pct},
        },
        &computeSmallLoop, &Out::notes);
    d.shortcuts = {{"Novo1", "Ctrl+N"}, {"Abrir1", "Ctrl+A"}, {"Calcular1", "Ctrl+C"}};
    d.graphics2d = {"Gráficos &2D", "Gráfico 2D", true};
    d.sheet = DataSheet(900)
                  .ruled(400, 100,
                         [](const FieldTexts& t) {
                             return smallInWindow(t) ? "Antena espira circular infinitesimal"
                                                     : "Antena espira circular raio finito";
                         })
                  .heading(150, "Entrada de dados:")
                  .line(200, "Freqüência (MHz):", "input1")
                  .line(250, "Número de voltas da espira:", "input5")
                  .line(300, "Raio normalizado da espira:", "input2")
                  .line(350, "Raio normalizado do fio condutor:", "input3")
                  .line(400, "Condutividade do material(S/m):", "input4")
                  .heading(450, "Resultados:")
                  .line(500, "Comprimento da espira(m):", "output1")
                  .line(550, "Resistência de irradiação(ohms):", "output2")
                  .line(600, "Resistência de perda(ohms):", "output3")
                  .line(650, "Diretividade:", "output4")
                  .line(700, "Diretividade(dB):", "output5")
                  .line(750, "Área efetiva máxima(m²):", "output6")
                  .line(800, "Eficiência de irradiação da antena(%):", "output7");
    d.pattern = PatternLink{"TForm3", "Diagrama de Irradiação da antena espira circular", "", false,
                            wirePatternSource({{"input1", &V::frequency_mhz}, {"input2", &V::loop_radius_norm}},
                                              smallLoopPolarTables, smallLoopFieldTable, std::nullopt, loopFunction)};
    d.pattern->chartTitleRule = [](const FieldTexts& t) -> std::string {
        return smallInWindow(t) ? "Diagrama de irradiação retangular da antena espira circular infinitesimal"
                                : "Diagrama de irradiação retangular da antena espira circular de raio finito";
    };
    d.caption3d = "Diagrama de Irradiação 3D da Antena Espira Circular Infinitesimal";
    d.caption3dRule = [](const FieldTexts& t) -> std::string {
        return smallInWindow(t) ? "Diagrama de Irradiação 3D da Antena Espira Circular Infinitesimal"
                                : "Diagrama de Irradiação 3D da Antena Espira Circular de Raio Finito";
    };
    d.geometry = GeometryLink{"TForm9", 2};
    return d;
}

}  // namespace ondarel
