#include "antennas/wire/yagi_uda_dipoles.h"

#include <array>
#include <cmath>

#include "antennas/wire/yagi_uda_charts.h"
#include "core/checked_math.h"
#include "core/data_sheet.h"
#include "core/limits.h"
#include "core/real48.h"

namespace ondarel {

namespace {

// A design table: its distinct leading entries, then one value repeated.
template <std::size_t Lead>
struct DesignTable {
    std::array<long double, Lead> lead;
    long double rest;
    std::size_t size;
    long double operator[](std::size_t i) const { return i < Lead ? lead[i] : rest; }
};

// Element spacings in wavelengths, reflector first, by frequency band.
constexpr DesignTable<8> kSpacingsHf{{0.16L, 0.14L, 0.18L, 0.25L, 0.27L, 0.27L, 0.30L, 0.32L}, 0.35L, 26};
constexpr DesignTable<7> kSpacingsAboveHf{{0.20L, 0.16L, 0.25L, 0.35L, 0.32L, 0.33L, 0.40L}, 0.42L, 26};

// Director lengths in wavelengths, by normalised element radius: thinner
// elements need longer directors.
struct DirectorBand {
    long double min_radius;  // the band holds radii from here up to the previous band's
    DesignTable<10> table;
};
const std::array<DirectorBand, 6> kDirectorBands = {{
    {0.02L, {{0.414L, 0.407L, 0.409L, 0.413L, 0.410L, 0.406L, 0.403L, 0.402L, 0.400L, 0.400L}, 0.400L, 23}},
    {0.009L, {{0.430L, 0.423L, 0.425L, 0.428L, 0.424L, 0.420L, 0.417L, 0.416L, 0.415L, 0.415L}, 0.415L, 23}},
    {0.004L, {{0.444L, 0.436L, 0.438L, 0.442L, 0.437L, 0.434L, 0.430L, 0.429L, 0.428L, 0.4275L}, 0.4275L, 23}},
    {0.003L, {{0.450L, 0.441L, 0.444L, 0.447L, 0.442L, 0.437L, 0.436L, 0.435L, 0.434L, 0.433L}, 0.425L, 23}},
    {0.0012L, {{0.459L, 0.450L, 0.453L, 0.457L, 0.453L, 0.448L, 0.446L, 0.445L, 0.444L, 0.4427L}, 0.4427L, 23}},
    {0.0L, {{0.465L, 0.4535L, 0.456L, 0.460L, 0.456L, 0.451L, 0.4485L, 0.4475L, 0.4465L, 0.445L}, 0.445L, 23}},
}};

const DesignTable<10>& directorTable(long double radius_norm)
{
    for (const DirectorBand& band : kDirectorBands)
        if (radius_norm >= storedLimit(band.min_radius)) return band.table;
    return kDirectorBands.back().table;
}

// Driven-element length factor against the slenderness 1/(2r).
long double drivenFactor(long double X)
{
    if (X <= storedLimit(450))
        return 0.75922859L + 0.0027223732L * X - 0.000020035403L * X * X + 0.000000076450112L * std::pow(X, 3) -
               1.4185864e-10L * std::pow(X, 4) + 1.0111574e-13L * std::pow(X, 5);
    return 0.90885962L + 0.00011647805L * X - 1.1823216e-7L * X * X + 5.7618279e-11L * std::pow(X, 3) -
           1.043331e-14L * std::pow(X, 4);
}

}  // namespace

std::optional<YagiUdaFit> yagiUdaFit(long double G)
{
    const long double P = store48(8.03464L - 2.42521L * G + 0.28117L * G * G - 0.006458L * G * G * G);
    const long double R = std::nearbyint(P);  // halves to even
    long double N = R;
    if (G >= storedLimit(11))
        N = R;
    else if (G > storedLimit(4))
        N = R + 1;
    else if (G < storedLimit(4))
        N = R - 1;
    if (N < 2) return std::nullopt;
    YagiUdaFit fit;
    fit.elements = store48(N);
    fit.boom_wavelengths =
        -0.055734L + 0.052649L * N + 0.031402L * N * N - 0.001452L * std::pow(N, 3) + 0.00002813649L * std::pow(N, 4);
    fit.beamwidth_h_deg = store48(76.494081L - 7.460952L * N + 0.383055L * N * N - 0.010175L * std::pow(N, 3) +
                                  0.0001024174L * std::pow(N, 4));
    fit.beamwidth_v_deg =
        store48(181.62057L - 65.619499L * N + 14.803481L * N * N - 1.985323L * std::pow(N, 3) +
                0.16128L * std::pow(N, 4) - 0.0080226L * std::pow(N, 5) + 0.0002388939L * std::pow(N, 6) -
                0.00000391072L * std::pow(N, 7) + 0.00000002707058L * std::pow(N, 8));
    return fit;
}

Checked<YagiUdaDipolesResults> computeYagiUdaDipoles(const YagiUdaDipolesInputs& in)
{
    const long double f = store48(in.frequency_mhz);
    const long double G = store48(in.gain_db);
    const long double r = store48(in.radius_norm);
    if (f <= 0) return Refusal{"Frequência inválido!"};
    if (G < storedLimit(3)) return Refusal{"Ganho inválido!"};
    if (r <= 0) return Refusal{"Raio inválido!"};
    const auto fit = yagiUdaFit(G);
    if (!fit) return Refusal{"Ganho inválido!"};

    YagiUdaDipolesResults out;
    const long double wavelength_m = store48(xmath::div(300, f));
    out.reflector_m = store48(0.5L * wavelength_m);
    out.elements = fit->elements;
    out.boom_m = store48(wavelength_m * fit->boom_wavelengths);
    out.beamwidth_h_deg = fit->beamwidth_h_deg;
    out.beamwidth_v_deg = fit->beamwidth_v_deg;
    // Slenderness of the driven element in wavelengths (λ = 1): a length in
    // metres over a normalised radius would make it depend on the frequency.
    const long double slenderness = store48(xmath::div(1, 2 * r));
    out.driven_m = store48(wavelength_m * store48(drivenFactor(slenderness)) * 0.5L);

    const auto n = static_cast<std::size_t>(out.elements);
    auto fill = [&](auto table, std::size_t count, std::vector<long double>& items) {
        for (std::size_t i = 0; i < count && i < table.size; ++i)
            items.push_back(store48(wavelength_m * store48(table[i])));
    };
    if (f <= storedLimit(30))
        fill(kSpacingsHf, n - 1, out.spacings_m);
    else
        fill(kSpacingsAboveHf, n - 1, out.spacings_m);
    fill(directorTable(r), n - 2, out.directors_m);
    return out;
}

CalculatorDescriptor yagiUdaDipolesCalculator()
{
    using In = YagiUdaDipolesInputs;
    using Out = YagiUdaDipolesResults;
    CalculatorDescriptor d;
    d.windowClass = "TForm14";
    d.code = 14;
    d.title = "Antena Yagi-Uda de Dipolos";
    d.writesCodeOnCreation = true;
    d.file = projectFile("yud", "YagiUda1.yud", {3, 3, 3}, StatusForm::Bracketed, kRefusalOndarel,
                         "Projetos de Antenas|*.yud|Todos os arquivos [*.*]|*.*",
                         "Projetos de antenas|*.yud|Todos os arquivos [*.*]|*.*");
    d.inputs = {
        {"input1", "Frequência (MHz):", "", ""},
        {"input2", "Ganho (dB):", "", ""},
        {"input3", "Raio normalizado dos elementos:", "", ""},
    };
    d.pickListBeside = "input3";
    d.results = {
        {"Número de elementos:", {"output1"}, {}},
        {"Comprimento do refletor (m):", {"output2"}, {}},
        {"Comprimento do excitador (m):", {"output3"}, {}},
        {"Comprimento ótimo da antena (m):", {"output4"}, {}},
        {"Largura de feixe plano horizontal (graus):", {"output5"}, {}},
        {"Largura de feixe plano vertical (graus):", {"output6"}, {}},
        {"Espaçamento entre elementos (m):", {"ComboBox2"}, {}, "ou", "", ResultKind::List},
        {"Comprimento dos diretores (m):", {"ComboBox3"}, {}, "ou", "", ResultKind::List},
    };
    d.compute = bindComputation<In, Out>({&In::frequency_mhz, &In::gain_db, &In::radius_norm},
                                         {
                                             {"output1", &Out::elements, 0},
                                             {"output2", &Out::reflector_m},
                                             {"output3", &Out::driven_m},
                                             {"output4", &Out::boom_m},
                                             {"output5", &Out::beamwidth_h_deg},
                                             {"output6", &Out::beamwidth_v_deg},
                                         },
                                         {{"ComboBox2", &Out::spacings_m}, {"ComboBox3", &Out::directors_m}},
                                         &computeYagiUdaDipoles);
    d.graphics2d = {"Gráfico&s", "Gráficos", true};
    d.sheet = DataSheet(900)
                  .text(400, 100, "Antena Yagi-Uda de Dipolos")
                  .heading(200, "Entrada de Dados:")
                  .line(250, "Freqüência (MHz):", "input1")
                  .line(300, "Ganho (dB):", "input2")
                  .line(350, "Raio normalizado dos elementos:", "input3")
                  .heading(450, "Resultados:")
                  .line(500, "Número de elementos", "output1")
                  .line(550, "Comprimento do refletor(m):", "output2")
                  .line(600, "Comprimento do excitador(m):", "output3")
                  .line(650, "Comprimento ótimo da antena(m):", "output4")
                  .line(700, "Largura de feixe plano horizontal(graus):", "output5")
                  .line(750, "Largura de feixe plano vertical(m):", "output6")
                  .line(800, "Espaçamento entre elementos(m):", "ComboBox2")
                  .line(850, "Comprimento dos diretores(m):", "ComboBox3");
    d.pattern = PatternLink{"TForm25", "Gráficos da antena Yagi-Uda de dipolos filamentar", "", false,
                            elementCountCharts("output1")};
    d.pattern->curveChartTitles = {
        "Ganho (dB) x Número de elementos da antena Yagi-Uda de Dipolos Filamentares",
        "Comprimento ótimo (Comp. de Onda) x  Número de elementos da antena Yagi-Uda de Dipolos Filamentares",
        "Largura de Feixe Plano Vertical x Número de elementos da antena Yagi-Uda de Dipolos Filamentares",
        "Largura de Feixe Plano Horizontal x Número de elementos da antena Yagi-Uda de Dipolos Filamentares",
    };
    d.geometry = GeometryLink{"TForm9", 5};
    return d;
}

}  // namespace ondarel
