#include "antennas/microstrip/rectangular_patch_array.h"

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
constexpr long double kSlotConductance = 1184.3525281307230L;  // 120π²
constexpr long double kCopper = 57600000;                      // S/m

}  // namespace

Checked<RectangularPatchArrayResults> computeRectangularPatchArray(const RectangularPatchArrayInputs& in)
{
    const long double f = store48(in.freq_ghz);
    const long double er = store48(in.permittivity);
    const long double tand = store48(in.loss_tangent);
    const long double h = store48(in.height_cm);
    const long double S = store48(in.vswr);
    const long double Nx = microstrip::elementCount(in.count_x);
    const long double Ny = microstrip::elementCount(in.count_y);
    const long double sx = store48(in.spacing_x_cm);
    const long double sy = store48(in.spacing_y_cm);
    if (!(f > storedLimit(0))) return Refusal{"Frequencia Inválida!!"};
    if (!(er >= storedLimit(1))) return Refusal{"Permissividade Relativa Inválida!!"};
    if (!(tand >= storedLimit(0))) return Refusal{"Tangente de Perda Inválida!!"};
    if (!(S >= storedLimit(1))) return Refusal{"Coeficiente de Onda Estacionária Inválido, recomenda-se VSWR>=1!!"};
    if (!(h >= storedLimit(0.013L))) return Refusal{"Altura do Substrato Inválida, recomenda-se H>=0.013cm!!"};
    if (!(Nx > 0)) return Refusal{"Número de Elementos na Direção x Inválido!!"};
    if (!(Ny > 0)) return Refusal{"Número de Elementos na Direção y Inválido!!"};
    if (!(sx > storedLimit(0))) return Refusal{"Espaçamento na Direção x Inválido!!"};
    if (!(sy > storedLimit(0))) return Refusal{"Espaçamento na Direção y Inválido!!"};

    RectangularPatchArrayResults r;
    const long double lambda0 = store48(30 / f);
    const long double W = store48(lambda0 / 2 / xmath::sqrt((er + 1) / 2));
    const long double eeff = store48((er + 1) / 2 + (er - 1) / 2 / xmath::sqrt(1 + 12 * h / W));
    const long double dL = store48(0.412L * h * (eeff + 0.3L) * (W / h + 0.264L) / ((eeff - 0.258L) * (W / h + 0.8L)));
    const long double L = store48(lambda0 / (2 * xmath::sqrt(eeff)) - 2 * dL);
    const microstrip::ArrayAperture aperture = microstrip::arrayAperture(L, W, Nx, Ny, sx, sy, lambda0, &store48);

    const long double u = store48(W / h);
    const long double Z0 = microstrip::lineImpedance(u, eeff, W, h);
    // The element's slot integrals on the single patch's grid, here in extended precision.
    const microstrip::SlotIntegrals I = microstrip::slotIntegrals(W, L, lambda0, &microstrip::extended);
    const long double G1 = store48(I.self / kSlotConductance);
    const long double G12 = store48(I.mutual / kSlotConductance);
    r.input_ohm = store48(xmath::div(1, 2 * (G1 + G12)));

    const long double p = microstrip::radiationFactor(er, eeff);
    const long double n = Nx + Ny;
    const long double qc = store48(h * n * 0.01L * xmath::sqrt(f * 3.947841760435744e-06L * 1e9L * kCopper));
    const long double h_over_lambda = h / lambda0;
    const long double qr = store48(xmath::div(Z0 * n, p * 1507.9644737231007L * h_over_lambda * h_over_lambda));
    const microstrip::ArrayQuality q = microstrip::arrayQuality(n, tand, qc, qr, S, &store48);

    r.length_cm = L;
    r.width_cm = W;
    r.array_x_cm = aperture.length_x_cm;
    r.array_y_cm = aperture.length_y_cm;
    r.line_impedance = Z0;
    r.directivity_db = aperture.directivity_db;
    r.bandwidth_pct = q.bandwidth_pct;
    r.efficiency_pct = q.efficiency_pct;
    r.q_total = q.total;
    return r;
}

CalculatorDescriptor rectangularPatchArrayCalculator()
{
    using In = RectangularPatchArrayInputs;
    using Out = RectangularPatchArrayResults;
    CalculatorDescriptor d;
    d.windowClass = "TForm18";
    d.code = 18;
    d.title = "Arranjo de Antenas de Microfita Retangular ";
    d.file = projectFile("mar", "ArMicRet1.mar", {3, 3, 3, 3, 3, 3, 3, 3, 3}, StatusForm::Bare, kRefusalOndarel,
                         "Arquivos do Ondarel [*.mar]|*.mar",
                         "Arquivos do Ondarel [*.mar]|*.mar|Todos os arquivos [*.*]|*.*");
    d.inputs = {
        {"Freq", "Frequência (GHz):", "", ""},
        {"constdiel", "Constante dielétrica relativa:", "", ""},
        {"Tangente", "Tangente de perda do dielétrico: ", "", ""},
        {"altura", "Altura do dielétrico (cm):", "", ""},
    };
    for (InputRow& row : microstrip::patchArrayGridRows()) d.inputs.push_back(row);
    d.inputDisplayOrder = {"Freq", "constdiel", "Tangente", "VSWR", "altura", "NumHoz", "NumVer", "EspHoz", "EspVer"};
    d.pickListBeside = "constdiel";
    d.results = {
        {"Comprimento de cada elemento retangular (cm):", {"Comp"}, {}},
        {"Largura de cada elemento na direção y (cm):", {"Largura"}, {}},
        {"Comprimento do arranjo nas direções x e y (cm): ", {"CompHoz"}, {}},
        {"Comprimento do arranjo na direção y (cm):", {"Compvert"}, {}},
        {"Impedância de entrada de cada elemento (Ohms): ", {"ImpEnt"}, {}},
        {"Impedância característica de cada elemento (Ohms):", {"ImpCarac"}, {}},
        {"Diretividade (dB):", {"Diretiv"}, {}},
        {"Largura de banda (%):", {"Largbanda"}, {}},
        {"Eficiência de irradiação do arranjo (%):", {"Eficiencia"}, {}},
    };
    // No diagrams: "Gráfico&s" keeps its place and does nothing.
    d.graphics2d = Graphics2dCommand{"Gráfico&s", "Gráficos", true};
    d.menuCaptions = {{"Opcao1", "O&pção"}, {"Ajuda1", "A&judar"}, {"Sobre1", "So&bre..."}, {"Grafico3D1", ""}};
    d.compute = microstrip::cutShown(bindComputation<In, Out>(microstrip::patchArrayInputMembers(),
                                                              {
                                                                  {"Comp", &Out::length_cm},
                                                                  {"Largura", &Out::width_cm},
                                                                  {"CompHoz", &Out::array_x_cm},
                                                                  {"Compvert", &Out::array_y_cm},
                                                                  {"ImpEnt", &Out::input_ohm},
                                                                  {"ImpCarac", &Out::line_impedance},
                                                                  {"Diretiv", &Out::directivity_db},
                                                                  {"Largbanda", &Out::bandwidth_pct},
                                                                  {"Eficiencia", &Out::efficiency_pct},
                                                              },
                                                              &computeRectangularPatchArray));
    DataSheet sheet(1000);
    sheet.text(400, 100, "Arranjo de Antenas de Microfita Retangular")
        .heading(200, "Entrada de Dados:")
        .line(250, "Freqüência (MHz):", "Freq")
        .line(300, "Constante dielétrica relativa:", "constdiel")
        .line(350, "Tangente de perda do substrato:", "Tangente")
        .line(400, "Altura do dielétrico(cm):", "altura");
    microstrip::patchArrayGridSheet(sheet);
    sheet.heading(750, "Resultados:")
        .line(800, "Comprimento de cada elemento na direção x (cm):", "Comp")
        .line(850, "Largura de cada elemento na direção y (cm):", "Largura")
        .line(900, "Comprimento do arranjo na direção x (cm): ", "CompHoz")
        .line(950, "Comprimento do arranjo na direção y (cm):", "Compvert")
        .line(1000, "Impedância de entrada de cada elemento (Ohms): ", "ImpEnt")
        .line(1050, "Impedância característica de cada elemento (Ohms):", "ImpCarac")
        .line(1100, "Diretividade (dB):", "Diretiv")
        .line(1150, "Largura de banda (%):", "Largbanda")
        .line(1200, "Eficiência de irradiação do arranjo (%):", "Eficiencia");
    d.sheet = sheet;
    d.geometry = GeometryLink{"TForm23", 2};
    return d;
}

}  // namespace ondarel
