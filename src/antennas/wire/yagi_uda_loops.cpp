#include "antennas/wire/yagi_uda_loops.h"

#include <cmath>

#include "antennas/wire/yagi_uda_dipoles.h"
#include "core/checked_math.h"
#include "core/data_sheet.h"
#include "core/real48.h"

namespace ondarel {

namespace {

constexpr long double kOneOverTwoPi = 0.15915494309189535L;

}  // namespace

Checked<YagiUdaLoopsResults> computeYagiUdaLoops(const YagiUdaLoopsInputs& in)
{
    const long double f = store48(in.frequency_mhz);
    const long double G = store48(in.gain_db);
    if (f <= 0) return Refusal{"Frequência inválida!"};
    // Gains from 0 to 3 dB are accepted here, unlike the dipole array.
    if (G <= 0) return Refusal{"Ganho com valor inválido!"};
    const auto fit = yagiUdaFit(G);
    if (!fit) return Refusal{"Ganho com valor inválido!"};

    YagiUdaLoopsResults out;
    const long double wavelength_m = store48(xmath::div(300, f));
    // Loop radii in centimetres from their circumferences in wavelengths.
    out.driven_radius_cm = store48(110 * wavelength_m * kOneOverTwoPi);
    out.reflector_radius_cm = store48(105 * wavelength_m * kOneOverTwoPi);
    out.director_radius_cm = store48(70 * wavelength_m * kOneOverTwoPi);
    // 2·ln(2π·b/a) = 11.
    out.conductor_radius_cm = store48(2 * xmath::kPi * out.driven_radius_cm / std::sqrt(std::exp(11.0L)));
    out.reflector_spacing_m = store48(0.1L * wavelength_m);
    out.director_spacing_m = store48(0.25L * wavelength_m);
    out.reflector_length_m = store48(out.reflector_radius_cm * 2 * xmath::kPi * 0.01L);
    out.driven_length_m = store48(out.driven_radius_cm * 2 * xmath::kPi * 0.01L);
    out.director_length_m = store48(out.director_radius_cm * 2 * xmath::kPi * 0.01L);

    out.elements = fit->elements;
    out.boom_m = store48(wavelength_m * fit->boom_wavelengths);
    out.beamwidth_h_deg = fit->beamwidth_h_deg;
    out.beamwidth_v_deg = fit->beamwidth_v_deg;
    return out;
}

CalculatorDescriptor yagiUdaLoopsCalculator()
{
    using In = YagiUdaLoopsInputs;
    using Out = YagiUdaLoopsResults;
    CalculatorDescriptor d;
    d.windowClass = "TForm29";
    d.code = 29;
    d.title = "Antena Yagi-Uda de Espira Circular ";
    d.file = projectFile("lpc", "LoopCir1.lpc", {2, 2}, StatusForm::Bracketed, kRefusalOndarel,
                         "Projetos de antenas [*.lpc]|*.lpc|Todos os arquivos [*.*]|*.*",
                         "Projetos de Antenas [*.lpc]|*.lpc|Todos os arquivos [*.*]|*.*");
    d.inputs = {
        {"input1", "Frequência (MHz):", "", ""},
        {"input2", "Ganho (dB):", "", ""},
    };
    d.keyPressFields = {"input1"};
    d.menuCaptions = {{"Sobre1", "So&bre..."}};
    d.results = {
        {"Número de elementos:", {"output1"}, {}},
        {"Raio (cm) e comprimento do loop  refletor (m):", {"Edit1", "Edit2"}, {}, ""},
        {"Raio (cm) e comprimento do loop excitador (m):", {"Edit3", "Edit4"}, {}, ""},
        {"Raio (cm) e comprimento dos loops diretores (m):", {"output2", "output3"}, {}, ""},
        {"Raio dos elementos condutores (cm):", {"output4"}, {}},
        {"Espaçamento entre refletor e excitador (m):", {"output5"}, {}},
        {"Espaçamento dos diretores (m):", {"output6"}, {}},
        {"Comprimento ótimo da antena (m):", {"Edit5"}, {}},
        {"Largura de Feixe Plano Horizontal (graus):", {"Edit6"}, {}},
        {"Largura de Feixe Plano Vertical (graus):", {"Edit7"}, {}},
    };
    d.compute = bindComputation<In, Out>({&In::frequency_mhz, &In::gain_db},
                                         {
                                             {"output1", &Out::elements, 0},
                                             {"Edit1", &Out::reflector_radius_cm},
                                             {"Edit2", &Out::reflector_length_m},
                                             {"Edit3", &Out::driven_radius_cm},
                                             {"Edit4", &Out::driven_length_m},
                                             {"output2", &Out::director_radius_cm},
                                             {"output3", &Out::director_length_m},
                                             {"output4", &Out::conductor_radius_cm},
                                             {"output5", &Out::reflector_spacing_m},
                                             {"output6", &Out::director_spacing_m},
                                             {"Edit5", &Out::boom_m},
                                             {"Edit6", &Out::beamwidth_h_deg},
                                             {"Edit7", &Out::beamwidth_v_deg},
                                         },
                                         &computeYagiUdaLoops);
    d.sheet = DataSheet(900)
                  .text(400, 100, "Antena Yagi-Uda de Loop Circular")
                  .heading(200, "Entrada de Dados:")
                  .line(250, "Freqüência (MHz):", "input1")
                  .line(300, "Ganho (dB):", "input2")
                  .heading(400, "Saída:")
                  .line(450, "Número de Elementos:", "output1")
                  .line(500, "Raio do Refletor(cm):", "Edit1")
                  .line(550, "Comprimento do Loop Refletor (m):", "Edit2")
                  .line(600, "Raio do Excitador (cm):", "Edit3")
                  .line(650, "Comprimento do Loop Excitador (m):", "Edit4")
                  .line(700, "Raio do Diretores (cm):", "output2")
                  .line(750, "Comprimento dos Loops Diretores (m):", "output3")
                  .line(800, "Raio dos Elementos Condutores (cm):", "output4")
                  .line(850, "Espaçamento entre Refletor e Excitador (cm):", "output5")
                  .line(900, "Espaçamento dos Diretores (m):", "output6")
                  .line(950, "Comprimento Ótimo da Antena (m):", "Edit5")
                  .line(1000, "Largura de Feixe Plano Horizontal (graus):", "Edit6")
                  .line(1050, "Largura de Feixe Plano Vertical (graus):", "Edit7");
    d.geometry = GeometryLink{"TForm9", 4};
    return d;
}

}  // namespace ondarel
