#include "antennas/wire/log_periodic_dipoles.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/data_sheet.h"
#include "core/limits.h"
#include "core/real48.h"

namespace ondarel {

Checked<LogPeriodicDipolesResults> computeLogPeriodicDipoles(const LogPeriodicDipolesInputs& in)
{
    const long double fmax = store48(in.max_frequency_mhz);
    const long double fmin = store48(in.min_frequency_mhz);
    const long double D = store48(in.largest_diameter_cm);
    const long double tau = store48(in.scale_factor);
    const long double sigma = store48(in.relative_spacing);
    const Refusal badScale{"Fator de Escala Inválido!!"};
    if (fmax <= 0) return Refusal{"Frequência máxima inválida!"};
    if (fmin <= 0) return Refusal{"Frequência mínima inválida!"};
    if (fmax <= fmin) return Refusal{"Faixa de Frequências fora das especificações (Fmax>Fmin)!"};
    if (D <= 0) return Refusal{"Diâmetro do Dipolo inválido!"};
    if (tau < storedLimit(0.76L) || tau >= storedLimit(1)) return badScale;
    if (sigma <= 0 || sigma >= storedLimit(1)) return Refusal{"Espaçamento Relativo Inválido!!"};

    LogPeriodicDipolesResults out;
    const long double alpha = store48(xmath::arctan(xmath::div(1 - tau, 4 * sigma)));
    out.apex_angle_deg = store48(alpha * 180 * 0.318309886184L);
    const long double cotAlpha = xmath::div(std::cos(alpha), std::sin(alpha));
    out.active_region_bandwidth = store48(1.1L + 7.7L * (1 - tau) * (1 - tau) * cotAlpha);
    out.bandwidth = store48(xmath::div(fmax, fmin));
    out.design_bandwidth = store48(out.bandwidth * out.active_region_bandwidth);
    const long double Bs = out.design_bandwidth;
    const long double wavelength_max_m = store48(xmath::div(300, fmin));
    out.largest_length_m = wavelength_max_m;
    out.boom_m = store48(cotAlpha * (1 - xmath::div(1, Bs)) * (wavelength_max_m * 0.25L));

    // The element count rounded up: Nr rounded half to even, plus one when
    // that fell below Nr.
    const long double Nr = store48(xmath::div(xmath::ln(Bs), xmath::ln(xmath::div(1, tau))) + 1);
    if (Nr > kMaxLogPeriodicElements) return badScale;
    const long double R = std::nearbyint(Nr);
    out.elements = xmath::div(Nr, R) > 1 ? R + 1 : R;
    out.mean_impedance_ohm = store48(120 * (xmath::ln(xmath::div(50 * wavelength_max_m, D)) - 2.25L));

    long double length = out.largest_length_m;
    long double spacing = store48(sigma * (wavelength_max_m * 100));
    long double diameter = D;
    const auto others = static_cast<int>(out.elements) - 1;
    for (int i = 0; i < others; ++i) {
        length = store48(tau * length);
        spacing = store48(tau * spacing);
        diameter = store48(tau * diameter);
        out.lengths_m.push_back(length);
        out.spacings_cm.push_back(spacing);
        out.diameters_cm.push_back(diameter);
    }
    return out;
}

CalculatorDescriptor logPeriodicDipolesCalculator()
{
    using In = LogPeriodicDipolesInputs;
    using Out = LogPeriodicDipolesResults;
    CalculatorDescriptor d;
    d.windowClass = "TForm15";
    d.code = 15;
    d.title = "Antena Log-Periódica ";
    d.writesCodeOnCreation = true;
    d.file = projectFile("lgp", "LogPer1.lgp", {3, 3, 3, 3, 3}, StatusForm::Bracketed, kRefusalOndarel,
                         "Projetos de antenas|*.lgp|Todos os arquivos|*.*",
                         "Projetos de antenas|*.lgp|Todos os arquivos [*.*]|*.*");
    d.inputs = {
        {"input1", "Frequência máxima (MHz):", "", ""},
        {"input2", "Frequência mínima (MHz):", "", ""},
        {"input3", "Diâmetro do maior elemento (cm):", "", ""},
        {"input4", "Fator de escala:", "", ""},
        {"input5", "Espaçamento relativo:", "", ""},
    };
    d.pickListBeside = "input4";
    d.results = {
        {"Número de elementos:", {"output1"}, {}},
        {"Comprimento da antena (m):", {"output2"}, {}},
        {"Ângulo de abertura (graus):", {"output3"}, {}},
        {"Largura de banda real:", {"output4"}, {}},
        {"Largura de banda da região ativa:", {"output5"}, {}},
        {"Largura de banda do projeto:", {"output6"}, {}},
        {"Impedância média dos elementos (ohms):", {"output7"}, {}},
        {"Comprimento do maior elemento (m):", {"output8"}, {}},
        {"Comprimento dos outros elementos (m):", {"ComboBox1"}, {}, "ou", "", ResultKind::List},
        {"Espaçamento entre os elementos (cm):", {"ComboBox2"}, {}, "ou", "", ResultKind::List},
        {"Diâmetro dos outros elementos (cm):", {"ComboBox3"}, {}, "ou", "", ResultKind::List},
    };
    d.compute = bindComputation<In, Out>(
        {&In::max_frequency_mhz, &In::min_frequency_mhz, &In::largest_diameter_cm, &In::scale_factor,
         &In::relative_spacing},
        {
            {"output1", &Out::elements, 0},
            {"output2", &Out::boom_m},
            {"output3", &Out::apex_angle_deg},
            {"output4", &Out::bandwidth},
            {"output5", &Out::active_region_bandwidth},
            {"output6", &Out::design_bandwidth},
            {"output7", &Out::mean_impedance_ohm},
            {"output8", &Out::largest_length_m},
        },
        {{"ComboBox1", &Out::lengths_m}, {"ComboBox2", &Out::spacings_cm}, {"ComboBox3", &Out::diameters_cm}},
        &computeLogPeriodicDipoles);
    d.sheet = DataSheet(850)
                  .text(400, 100, "Antena Log-Periódica")
                  .heading(200, "Entrada de Dados:")
                  .line(250, "Freqüência máxima(MHz):", "input1")
                  .line(300, "Freqüência mínima(MHz):", "input2")
                  .line(350, "Diâmetro do maior elemento(cm):", "input3")
                  .line(400, "Fator de escala:", "input4")
                  .line(450, "Espaçamento relativo:", "input5")
                  .heading(550, "Resultados:")
                  .line(600, "Número de elementos", "output1")
                  .line(650, "Comprimento da antena(m):", "output2")
                  .line(700, "Ângulo de abertura(graus):", "output3")
                  .line(750, "Largura de banda real:", "output4")
                  .line(800, "Largura de banda da região ativa:", "output5")
                  .line(850, "Largura de banda do projeto:", "output6")
                  .line(900, "Impedância média dos elemetos(ohms):", "output7")
                  .line(950, "Comprimento do maior elemento(m):", "output8")
                  .line(1000, "Comprimento dos outros elementos(m):", "ComboBox1")
                  .line(1050, "Espaçamento entre os elementos(cm):", "ComboBox2")
                  .line(1100, "Diâmetro dos outros elementos(cm):", "ComboBox3");
    d.geometry = GeometryLink{"TForm9", 3};
    return d;
}

}  // namespace ondarel
