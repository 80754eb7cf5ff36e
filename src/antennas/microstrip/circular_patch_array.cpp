#include "antennas/microstrip/circular_patch_array.h"

#include <cmath>

#include "antennas/microstrip/patch_arrays.h"
#include "antennas/microstrip/patch_common.h"
#include "core/checked_math.h"
#include "core/data_sheet.h"
#include "core/limits.h"
#include "core/real48.h"

namespace ondarel {

namespace {

using xmath::kPi;
constexpr long double kCopper = 57600000;  // S/m

}  // namespace

Checked<CircularPatchArrayResults> computeCircularPatchArray(const CircularPatchArrayInputs& in)
{
    const long double f = in.freq_ghz;
    const long double er = in.permittivity;
    const long double tand = in.loss_tangent;
    const long double h = in.height_cm;
    const long double S = in.vswr;
    const long double Nx = microstrip::elementCount(in.count_x);
    const long double Ny = microstrip::elementCount(in.count_y);
    const long double sx = in.spacing_x_cm;
    const long double sy = in.spacing_y_cm;
    // The values are kept unrounded; each is checked as a typed limit is.
    if (!(store48(f) > storedLimit(0))) return Refusal{"Frequencia Inválida!!"};
    if (!(store48(er) >= storedLimit(1))) return Refusal{"Constante Dielétrica Relativa Inválida!!"};
    if (!(store48(tand) >= storedLimit(0))) return Refusal{"Tangente de Perda do Dielétrico Inválida!!"};
    if (!(store48(h) >= storedLimit(0.013L)))
        return Refusal{"Altura do Dielétrico Inválida, recomenda-se H>=0.013cm!!"};
    if (!(store48(S) >= storedLimit(1)))
        return Refusal{"Coeficiente de Onda Estacionária Inválido, recomenda-se VSWR>=1!!"};
    if (!(Nx >= 1)) return Refusal{"Número de Elementos na Direção x Inválido!!"};
    if (!(Ny >= 1)) return Refusal{"Número de Elementos na Direção y Inválido!!"};
    if (!(store48(sx) > storedLimit(0))) return Refusal{"Espaçamento na Direção x ínválido!!"};
    if (!(store48(sy) > storedLimit(0))) return Refusal{"Espaçamento na Direção y Inválido!!"};

    CircularPatchArrayResults r;
    const long double lambda0 = 30 / f;
    const long double F = 55.236L / (xmath::sqrt(er) * 2 * kPi * f);
    const long double a = F / xmath::sqrt(microstrip::fringingFactor(F, h, er));
    const long double ae = a * xmath::sqrt(microstrip::fringingFactor(a, h, er));
    const long double eeff = ((er + 1) + (er - 1) / xmath::sqrt(1 + 12 * h / (2 * ae))) * 0.5L;
    const long double u = 2 * ae / h;
    const long double root = xmath::sqrt(eeff);
    const long double Z0 = u > 1 ? xmath::div(377 / root, u + 1.393L + 0.667L * xmath::ln(u + 1.444L))
                                 : 377 / (2 * kPi * root) * xmath::ln(8 * h / (2 * ae) + u / 4);
    const microstrip::ArrayAperture aperture =
        microstrip::arrayAperture(2 * a, 2 * a, Nx, Ny, sx, sy, lambda0, &microstrip::extended);

    long double p = 1;
    if (er != 1)
        p = (eeff + 1) / eeff * (eeff - 1) * (eeff - 1) / (2 * xmath::sqrt(eeff * eeff * eeff)) *
            xmath::ln(xmath::div(root + 1, root - 1));
    const long double n = Nx + Ny;
    const long double qc = xmath::sqrt(f * 3947.8417604357434L * kCopper) * (n * 0.01L * h);
    const long double h_over_lambda = h / lambda0;
    const long double qr = xmath::div(n * Z0, h_over_lambda * h_over_lambda * 1507.9644737231007L * p);
    const microstrip::ArrayQuality q = microstrip::arrayQuality(n, tand, qc, qr, S, &microstrip::extended);

    const long double k0ae = 2 * kPi * ae / lambda0;
    const long double Grad = k0ae * k0ae * (1.0L / 480) * microstrip::cavityIntegral(ae, lambda0, &microstrip::extended);
    const long double k_ae = 2 * kPi * xmath::sqrt(er) * ae / lambda0;
    const long double mode = k_ae * k_ae - 1;
    const long double Gc = kPi * std::exp(-1.5L * xmath::ln(3947.8417604357434L * f)) /
                           (4 * (h / 100) * (h / 100) * xmath::sqrt(kCopper)) * mode;
    const long double Gd = mode * tand / (5.026548245743669e-8L * h * 1e9L * f);

    r.radius_cm = a;
    r.effective_radius_cm = ae;
    r.array_x_cm = aperture.length_x_cm;
    r.array_y_cm = aperture.length_y_cm;
    r.input_ohm = xmath::div(1, Grad + Gc + Gd);
    r.line_impedance = Z0;
    r.directivity_db = aperture.directivity_db;
    r.bandwidth_pct = q.bandwidth_pct;
    r.efficiency_pct = q.efficiency_pct;
    r.q_total = q.total;
    return r;
}

CalculatorDescriptor circularPatchArrayCalculator()
{
    using In = CircularPatchArrayInputs;
    using Out = CircularPatchArrayResults;
    CalculatorDescriptor d;
    d.windowClass = "TForm21";
    d.code = 21;
    d.title = "Arranjo de Antenas de Microfita Circular ";
    d.file = projectFile("mac", "ArMicCir1.mac", {3, 3, 3, 3, 3, 3, 3, 3, 3}, StatusForm::Bare, kRefusalOndarel,
                         "Arquivos do Ondarel [*.mac]|*.mac|Todos os arquivos|*.*",
                         "Arquivos do Ondarel [*.mac]|*.mac|Todos os arquivos [*.*]|*.*");
    d.inputs = {
        {"Freq", "Freqüência (GHz):", "", ""},
        {"constdiel", "Constante dielétrica relativa (Er) :", "", ""},
        {"Tangente", "Tangente de perda do dielétrico:", "", ""},
        {"altura", "Altura do dielétrico (cm):", "", ""},
    };
    for (InputRow& row : microstrip::patchArrayGridRows()) d.inputs.push_back(row);
    d.pickListBeside = "constdiel";
    d.results = {
        {"Raio real de cada elemento (cm):", {"Raio"}, {}},
        {"Raio efetivo de cada elemento (cm):", {"Raioefet"}, {}},
        {"Comprimento do arranjo na direção x (cm):", {"CompHoz"}, {}},
        {"Comprimento do arranjo na direção y (cm):", {"CompVert"}, {}},
        {"Impedância de entrada de cada elemento (Ohms):", {"ImpEnt"}, {}},
        {"Impedância característica de cada elemento (Ohms):", {"ImpCarac"}, {}},
        {"Diretividade do arranjo (dB):", {"Diretiv"}, {}},
        {"Largura de banda (%):", {"Largbanda"}, {}},
        {"Eficiencia de irradiação do arranjo circular (%):", {"Eficiencia"}, {}},
    };
    // No diagrams: "Grafico&s" keeps its place, disabled.
    d.graphics2d = Graphics2dCommand{"Grafico&s", "Gráficos", false, true};
    d.menuCaptions = {{"Opcao1", "O&pção"},
                      {"Ajuda1", "A&juda"},
                      {"Calcular1", "Calcular"},
                      {"Sobre1", "So&bre..."},
                      {"Grafico3D1", ""}};
    d.compute = microstrip::cutShown(bindComputation<In, Out>(microstrip::patchArrayInputMembers(),
                                                              {
                                                                  {"Raio", &Out::radius_cm},
                                                                  {"Raioefet", &Out::effective_radius_cm},
                                                                  {"CompHoz", &Out::array_x_cm},
                                                                  {"CompVert", &Out::array_y_cm},
                                                                  {"ImpEnt", &Out::input_ohm},
                                                                  {"ImpCarac", &Out::line_impedance},
                                                                  {"Diretiv", &Out::directivity_db},
                                                                  {"Largbanda", &Out::bandwidth_pct},
                                                                  {"Eficiencia", &Out::efficiency_pct},
                                                              },
                                                              &computeCircularPatchArray));
    DataSheet sheet(1000);
    sheet.text(400, 100, "Arranjo de Antenas de Microfita Circular")
        .heading(200, "Entrada de Dados:")
        .line(250, "Freqüência de operação(GHz):", "Freq")
        .line(300, "Constante dielétrica relativa:", "constdiel")
        .line(350, "Tangente de perda do dielétrico:", "Tangente")
        .line(400, "Altura do dielétrico(cm):", "altura");
    microstrip::patchArrayGridSheet(sheet);
    sheet.heading(750, "Resultados:")
        .line(800, "Raio real de cada elemento (cm):", "Raio")
        .line(850, "Raio efetivo de cada elemento (cm):", "Raioefet")
        .line(900, "Comprimento do arranjo na direção x (cm): ", "CompHoz")
        .line(950, "Comprimento do arranjo na direção y (cm):", "CompVert")
        .line(1000, "Impedância de entrada de cada elemento (Ohms): ", "ImpEnt")
        .line(1050, "Impedância característica de cada elemento (Ohms):", "ImpCarac")
        .line(1100, "Diretividade do arranjo(dB):", "Diretiv")
        .line(1150, "Largura de banda (%):", "Largbanda")
        .line(1200, "Eficiência de irradiação do arranjo (%):", "Eficiencia");
    d.sheet = sheet;
    d.geometry = GeometryLink{"TForm23", 3};
    return d;
}

}  // namespace ondarel
