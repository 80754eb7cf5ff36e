#include "antennas/microstrip/microstrip_yagi_uda.h"

#include <array>
#include <cmath>

#include "antennas/microstrip/patch_arrays.h"
#include "antennas/wire/yagi_uda_charts.h"
#include "antennas/wire/yagi_uda_dipoles.h"
#include "core/checked_math.h"
#include "core/data_sheet.h"
#include "core/limits.h"
#include "core/real48.h"

namespace ondarel {

namespace {

constexpr std::size_t kTableSize = 23;
using Table = std::array<long double, kTableSize>;

// A design table: its distinct leading entries, then one value repeated.
Table table(std::initializer_list<long double> lead, long double rest)
{
    Table t;
    t.fill(rest);
    std::size_t i = 0;
    for (long double v : lead) t[i++] = v;
    return t;
}

// Element spacings in guided wavelengths, reflector to driven element first.
const Table& spacings()
{
    static const Table t = table({0.20L, 0.16L, 0.25L, 0.35L, 0.32L, 0.33L, 0.40L}, 0.42L);
    return t;
}

// Director lengths in guided wavelengths, by the ratio x = λg/w: narrower
// dipoles (larger x) need longer directors.
const Table& directors(long double x)
{
    static const Table narrowest =
        table({0.464L, 0.454L, 0.456L, 0.460L, 0.456L, 0.451L, 0.449L, 0.448L, 0.447L}, 0.445L);
    static const std::array<std::pair<long double, Table>, 5> bands = {{
        {25, table({0.414L, 0.407L, 0.409L, 0.413L, 0.410L, 0.406L, 0.403L, 0.402L}, 0.400L)},
        {50, table({0.430L, 0.423L, 0.425L, 0.428L, 0.424L, 0.420L, 0.417L, 0.416L}, 0.415L)},
        {100, table({0.444L, 0.436L, 0.438L, 0.442L, 0.437L, 0.434L, 0.430L, 0.429L, 0.428L}, 0.4275L)},
        {150, table({0.450L, 0.441L, 0.444L, 0.447L, 0.442L, 0.437L, 0.436L, 0.435L, 0.434L, 0.433L, 0.425L, 0.425L,
                     0.425L, 0.425L, 0.425L, 0.425L, 0.425L, 0.425L, 0.4275L},
                    0.425L)},
        {375, table({0.458L, 0.450L, 0.453L, 0.456L, 0.453L, 0.448L, 0.446L, 0.445L, 0.444L}, 0.443L)},
    }};
    for (const auto& [upTo, t] : bands)
        if (x <= storedLimit(upTo)) return t;
    return narrowest;
}

// The driven element's length factor against x, fitted over 0 < x ≤ 2000.
long double drivenFactor(long double x)
{
    if (x <= storedLimit(255))
        return 0.75923L + 0.00544L * x - 8.01416e-5L * x * x + 6.116e-7L * std::pow(x, 3) -
               2.269728e-9L * std::pow(x, 4) + 3.23568e-12L * std::pow(x, 5);
    return 0.90886L + 2.3294e-4L * x - 4.72928e-7L * x * x + 4.609456e-10L * std::pow(x, 3) -
           1.669328e-13L * std::pow(x, 4);
}

long double power(long double x, int k)
{
    long double p = 1;
    for (int i = 0; i < k; ++i) p *= x;
    return p;
}

}  // namespace

Checked<MicrostripYagiUdaResults> computeMicrostripYagiUda(const MicrostripYagiUdaInputs& in)
{
    const long double f = store48(in.freq_ghz);
    const long double G = store48(in.gain_db);
    const long double er = store48(in.permittivity);
    const long double h = store48(in.height_cm);
    const long double w = store48(in.dipole_width_cm);
    const Refusal badGain{"Ganho Fora da Faixa 3<=G<24!!"};
    const Refusal badWidth{"Largura Inválida!!"};
    if (!(f > storedLimit(0.12L))) return Refusal{"Frequencia Inválida!!"};
    if (!(G >= storedLimit(3) && G <= storedLimit(24))) return badGain;
    if (!(er >= storedLimit(1))) return Refusal{"Constante Dielétrica Relativa Inválida!!"};
    if (!(h >= storedLimit(0.013L))) return Refusal{"Altura do substrato inválida, recomenda-se H>=0.013cm!!"};
    if (!(w > storedLimit(0))) return badWidth;
    // Just under 4 dB the gain fit gives a single element.
    const auto fit = yagiUdaFit(G);
    if (!fit) return badGain;

    MicrostripYagiUdaResults r;
    const long double lambda0 = store48(30 / f);
    r.elements = fit->elements;
    r.eps_eff = store48((er + 1) / 2 + ((er - 1) / 2) / xmath::sqrt(1 + 12 * h / w));
    const long double root = xmath::sqrt(r.eps_eff);
    const long double c = store48(1 / root);
    r.reflector_cm = store48(c * lambda0 * 0.5L);
    // The driven-element fit ends at x = 2000; a narrower dipole has none.
    const long double x = store48(lambda0 / (w * root));
    if (x > storedLimit(2000)) return badWidth;
    r.driven_cm = store48(store48(drivenFactor(x)) * 0.5L * lambda0 / root);

    const long double N = r.elements;
    r.beamwidth_e_deg =
        store48(76.494L - 7.561L * N + 0.3831L * power(N, 2) - 0.01017L * power(N, 3) + 1.0242e-4L * power(N, 4));
    r.beamwidth_h_deg =
        store48(181.6206L - 65.6195L * N + 14.8035L * power(N, 2) - 1.9853L * power(N, 3) + 0.1613L * power(N, 4) -
                0.008023L * power(N, 5) + 2.389e-4L * power(N, 6) - 3.911e-6L * power(N, 7) + 2.707e-8L * power(N, 8));
    const auto n = static_cast<std::size_t>(N);
    for (std::size_t i = 0; i + 1 < n && i < kTableSize; ++i)
        r.spacings_cm.push_back(store48(spacings()[i] * lambda0 / root));
    const Table& lengths = directors(x);
    for (std::size_t i = 0; i + 2 < n && i < kTableSize; ++i)
        r.directors_cm.push_back(store48(lengths[i] * lambda0 / root));
    r.boom_wavelengths = store48(elementCountCurve(ElementCountCurve::OptimumLength, N));
    r.boom_cm = store48(r.boom_wavelengths * lambda0 / root);
    return r;
}

CalculatorDescriptor microstripYagiUdaCalculator()
{
    using In = MicrostripYagiUdaInputs;
    using Out = MicrostripYagiUdaResults;
    CalculatorDescriptor d;
    d.windowClass = "TForm20";
    d.code = 20;
    d.title = "Antena de Microfita Yagi - Uda ";
    d.writesCodeOnCreation = true;
    d.file = projectFile("may", "ArMicYagUd1.may", {2, 2, 2, 4, 2}, StatusForm::Bracketed, kRefusalOndarel,
                         "Arquivos do Ondarel [*.may]|*.may|Todos os arquivos [*.*]|*.*",
                         "Arquivos do Ondarel [*.may] |*.may|Todos os arquivos [*.*]|*.*");
    d.inputs = {
        {"Freq", "Freqüência (GHz):", "", ""},
        {"Ganho", "Ganho (dB):", "", ""},
        {"constdiel", "Constante dielétrica relativa:", "", ""},
        {"altura", "Altura do substrato (cm):", "", ""},
        {"Largura", "Largura dos dipolos (cm):", "", ""},
    };
    d.pickListBeside = "constdiel";
    d.results = {
        {"Número de elementos da Yagi-Uda:", {"Numero"}, {}},
        {"Constante dielétrica relativa efetiva :", {"Dielefet"}, {}},
        {"Comprimento do refletor (cm):", {"Refletor"}, {}},
        {"Comprimento do excitador (cm):", {"Excitador"}, {}},
        {"Comprimento dos diretores (cm):", {"ComboBox1"}, {}, "ou", "", ResultKind::List},
        {"Espaçamento entre os elementos (cm):", {"ComboBox3"}, {}, "ou", "", ResultKind::List},
        {"Comprimento ótimo da antena (Comp. Onda):", {"CompOtimo"}, {}},
        {"Comprimento ótimo da antena (cm):", {"CompOtimo1"}, {}},
        {"Largura de feixe plano E - horizontal (graus):", {"LargFeixeE"}, {}},
        {"Largura de feixe plano H - vertical (graus): ", {"LargFeixeH"}, {}},
    };
    d.compute = microstrip::cutShown(bindComputation<In, Out>(
        {&In::freq_ghz, &In::gain_db, &In::permittivity, &In::height_cm, &In::dipole_width_cm},
        {
            {"Numero", &Out::elements, 0},
            {"Dielefet", &Out::eps_eff},
            {"Refletor", &Out::reflector_cm},
            {"Excitador", &Out::driven_cm},
            {"CompOtimo", &Out::boom_wavelengths},
            {"CompOtimo1", &Out::boom_cm},
            {"LargFeixeE", &Out::beamwidth_e_deg},
            {"LargFeixeH", &Out::beamwidth_h_deg},
        },
        {{"ComboBox1", &Out::directors_cm}, {"ComboBox3", &Out::spacings_cm}}, &computeMicrostripYagiUda));
    d.graphics2d = {"Gráfico&s", "Gráficos", true};
    d.menuCaptions = {{"Opcao1", "O&pção"},
                      {"Ajuda1", "A&juda"},
                      {"Imprimir1", "&Imprimir"},
                      {"Sobre1", "So&bre..."},
                      {"Grafico3D1", ""}};
    d.sheet = DataSheet(1000)
                  .text(400, 100, "Antena de Microfita Yagi-Uda")
                  .heading(200, "Entrada de Dados:")
                  .line(250, "Freqüência (MHz):", "Freq")
                  .line(300, "Ganho (dB):", "Ganho")
                  .line(350, "Constante dielétrica relativa:", "constdiel")
                  .line(400, "Altura do substrato (cm):", "altura")
                  .line(450, "Largura dos dipolos (cm):", "Largura")
                  .heading(550, "Resultados:")
                  .line(600, "Número de elementos da yagi:", "Numero")
                  .line(650, "Constante dielétrica relativa:", "Dielefet")
                  .line(700, "Comprimento do refletor (cm):", "Refletor")
                  .line(750, "Comprimento do excitador (cm):", "Excitador")
                  .line(800, "Comprimento dos diretores (cm):", "ComboBox1")
                  .line(850, "Espaçamento entre os elementos (cm):", "ComboBox3")
                  .line(900, "Comprimento ótimo da antena(Comp. Onda):", "CompOtimo")
                  .line(950, "Comprimento ótimo da antena(cm):", "CompOtimo1")
                  .line(1000, "Largura de feixe plano E - horizontal (graus):", "LargFeixeE")
                  .line(1050, "Largura de feixe plano H - vertical (graus): ", "LargFeixeH");
    d.pattern =
        PatternLink{"TForm25", "Gráficos da antena de microfita Yagi-Uda", "", false, elementCountCharts("Numero")};
    d.pattern->curveChartTitles = {
        "Ganho (dB) x Número de elementos da antena de microfita Yagi-Uda",
        "Comprimento ótimo (Comp. de Onda) x  Número de elementos da antena de microfita Yagi-Uda",
        "Largura de Feixe Plano Vertical x Número de elementos da antena Yagi-Uda da antena de microfita Yagi-Uda",
        "Largura de Feixe Plano Horizontal x Número de elementos da antena de microfita Yagi-Uda",
    };
    d.geometry = GeometryLink{"TForm23", 4};
    return d;
}

}  // namespace ondarel
