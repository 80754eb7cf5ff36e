#include "antennas/microstrip/microstrip_log_periodic.h"

#include <cmath>

#include "antennas/microstrip/patch_arrays.h"
#include "antennas/wire/log_periodic_dipoles.h"
#include "core/checked_math.h"
#include "core/data_sheet.h"
#include "core/decibel.h"
#include "core/limits.h"
#include "core/real48.h"

namespace ondarel {

namespace {

// `count` terms of the series start·τ, start·τ², …, each a 6-byte real.
std::vector<long double> geometric(long double start, long double tau, long double count)
{
    std::vector<long double> items;
    long double v = start;
    for (long double i = 0; i < count; ++i) items.push_back(v = store48(tau * v));
    return items;
}

}  // namespace

Checked<MicrostripLogPeriodicResults> computeMicrostripLogPeriodic(const MicrostripLogPeriodicInputs& in)
{
    const long double f = in.min_freq_ghz;
    const long double tau = in.scale_factor;
    const long double sigma = in.relative_spacing;
    const long double er = in.permittivity;
    const long double B = in.bandwidth;
    const long double h = store48(in.height_cm);
    const long double w = in.dipole_width_cm;
    const Refusal badScale{"Fator de Escala Inválido!!"};
    const Refusal badWidth{"Largura do Dipolo de Maior Ordem é Inválida!!"};
    // The values are kept unrounded; each is checked as a typed limit is.
    if (!(store48(f) > storedLimit(0))) return Refusal{"Frequencia Inválida!!"};
    if (!(store48(tau) >= storedLimit(0.76L) && store48(tau) < storedLimit(1))) return badScale;
    if (!(store48(sigma) > storedLimit(0) && store48(sigma) < storedLimit(1)))
        return Refusal{"Espaçamento Relativo Inválido!!"};
    if (!(store48(er) >= storedLimit(1))) return Refusal{"Permissividade Relativa Inválida!!"};
    if (!(h >= storedLimit(0.013L))) return Refusal{"Altura do substrato inválida, recomenda-se H>=0.013cm!!"};
    // fmax = B·fmin: a ratio of 1 or less is no band at all.
    if (!(store48(B) > storedLimit(1))) return Refusal{"Largura de Banda Inválida!!"};
    if (!(store48(w) > storedLimit(0))) return badWidth;

    MicrostripLogPeriodicResults r;
    const long double lambda_max = 30 / f;
    const long double alpha = xmath::arctan(xmath::div(1 - tau, 4 * sigma));
    r.apex_angle_deg = alpha * 180 * (1 / xmath::kPi);
    const long double cot_alpha = xmath::div(std::cos(alpha), std::sin(alpha));
    r.active_region_bandwidth = 1.1L + 7.7L * (1 - tau) * (1 - tau) * cot_alpha;
    r.structure_bandwidth = B * r.active_region_bandwidth;
    const long double Bs = r.structure_bandwidth;
    const long double eeff = ((er + 1) + (er - 1) / xmath::sqrt(1 + 31.41592653589793L * h / w)) * 0.5L;
    const long double c = 1 / xmath::sqrt(eeff);
    r.axial_length_cm = cot_alpha * (lambda_max / 4) * c * (1 - 1 / Bs);
    r.max_freq_ghz = f * B;
    const long double count = 1 + xmath::div(log10Stored(store48(Bs)), log10Stored(store48(xmath::div(1, tau))));
    // A count beyond any real array (τ next to 1) would only fill lists.
    if (count > kMaxLogPeriodicElements) return badScale;
    r.elements = std::nearbyint(count);  // halves to even
    const long double L1 = lambda_max * c * 0.5L;
    r.line_impedance = 120 * (xmath::ln(xmath::kPi * L1 / w) - 2.25L);
    // A dipole this wide for its length leaves no line impedance.
    if (!(r.line_impedance > 0)) return badWidth;

    r.lengths_cm = geometric(L1, tau, r.elements);
    r.spacings_cm = geometric(2 * sigma * store48(L1), tau, r.elements - 1);
    r.widths_cm = geometric(w, tau, r.elements - 1);
    return r;
}

CalculatorDescriptor microstripLogPeriodicCalculator()
{
    using In = MicrostripLogPeriodicInputs;
    using Out = MicrostripLogPeriodicResults;
    CalculatorDescriptor d;
    d.windowClass = "TForm19";
    d.code = 19;
    d.title = "Antena de Microfita Log-Periódica ";
    d.file = projectFile("mal", "ArMicLogPer1.mal", {2, 4, 4, 2, 4, 2, 2}, StatusForm::Bracketed, kRefusalOndarel,
                         "Arquivos do Ondarel [*.mal]|*.mal|Todos os arquvos [*.*]|*.*",
                         "Arquivos do Ondarel [*.mal]|*.mal|Todos os arquivos [*.*]|*.*");
    d.inputs = {
        {"Freq", "Frequência mínima (GHz):", "", ""},
        {"fator", "Fator de escala:", "", ""},
        {"espaco", "Espaçamento relativo:", "", ""},
        {"constdiel", "Constante dielétrica relativa (Er):", "", ""},
        {"LBanda", "Largura de banda desejada:", "", ""},
        {"altura", "Altura do substrato (cm):", "", ""},
        {"Dipolo", "Largura do dipolo de maior ordem (cm):", "", ""},
    };
    d.inputDisplayOrder = {"Freq", "fator", "espaco", "constdiel", "altura", "LBanda", "Dipolo"};
    d.pickListBeside = "fator";
    d.results = {
        {"Número de elementos da log-periódica:", {"NumDipolos"}, {}},
        {"Largura de banda da região ativa:", {"LargRegAtiva"}, {}},
        {"Largura de banda da estrutura: ", {"BandaEstru"}, {}},
        {"Frequência máxima da log-periódica (GHz):", {"Freqdip"}, {}},
        {"Ângulo de abertura (graus):", {"Angulo"}, {}},
        {"Comprimento axial da estrutura (cm):", {"Comprim"}, {}},
        {"Impedância característica da estrutura (ohms):", {"ImpCarac"}, {}},
        {"Comprimento dos elementos (cm):", {"ComboBox2"}, {}, "ou", "", ResultKind::List},
        {"Espaçamento  entre um elemento e outro (cm):", {"distance"}, {}, "ou", "", ResultKind::List},
        {"Largura dos elementos (cm):", {"ComboBox1"}, {}, "ou", "", ResultKind::List},
    };
    d.compute = microstrip::cutShown(bindComputation<In, Out>(
        {&In::min_freq_ghz, &In::scale_factor, &In::relative_spacing, &In::permittivity, &In::bandwidth, &In::height_cm,
         &In::dipole_width_cm},
        {
            {"NumDipolos", &Out::elements, 0},
            {"LargRegAtiva", &Out::active_region_bandwidth},
            {"BandaEstru", &Out::structure_bandwidth},
            {"Freqdip", &Out::max_freq_ghz},
            {"Angulo", &Out::apex_angle_deg},
            {"Comprim", &Out::axial_length_cm},
            {"ImpCarac", &Out::line_impedance},
        },
        {{"ComboBox2", &Out::lengths_cm}, {"distance", &Out::spacings_cm}, {"ComboBox1", &Out::widths_cm}},
        &computeMicrostripLogPeriodic));
    // No diagrams: "Gráfi&cos" keeps its place and does nothing.
    d.graphics2d = {"Gráfi&cos", "Gráficos", true};
    d.menuCaptions = {{"Opcao1", "O&pção"}, {"Ajuda1", "A&juda"}, {"Sobre1", "So&bre..."}, {"Grafico3D1", ""}};
    d.sheet = DataSheet(1000)
                  .text(400, 100, "Antena de Microfita Log-Periódica")
                  .heading(200, "Entrada de Dados:")
                  .line(250, "Freqüência mínima(MHz):", "Freq")
                  .line(300, "Fator de escala:", "fator")
                  .line(350, "Espaçamento relativo:", "espaco")
                  .line(400, "Constante dielétrica relativa (Er):", "constdiel")
                  .line(450, "Altura do substrato (cm):", "altura")
                  .line(500, "Largura de banda desejada:", "LBanda")
                  .line(550, "Largura do dipolo de maior ordem (cm):", "Dipolo")
                  .heading(650, "Resultados:")
                  .line(700, "Número de elementos da log-periódica:", "NumDipolos")
                  .line(750, "Largura de banda da região ativa:", "LargRegAtiva")
                  .line(800, "Largura de banda da estrutura: ", "BandaEstru")
                  .line(850, "Ângulo de abertura (graus)::", "Angulo")
                  .line(900, "Frequência máxima da log-periódica (GHz):", "Freqdip")
                  .line(950, "Impedância característica da estrutura (Ohms):", "ImpCarac")
                  .line(1000, "Comprimento axial da estrutura (cm):", "Comprim")
                  .line(1050, "Comprimento dos elementos (cm):", "ComboBox2")
                  .line(1100, "Largura dos elementos (cm):", "ComboBox1")
                  .line(1150, "Espaçamento entre um elemento e outro (cm):", "distance");
    d.geometry = GeometryLink{"TForm23", 5};
    return d;
}

}  // namespace ondarel
