#include "antennas/microstrip/rectangular_patch.h"

#include <cmath>

#include "antennas/microstrip/patch_common.h"
#include "antennas/microstrip/patch_patterns.h"
#include "core/checked_math.h"
#include "core/data_sheet.h"
#include "core/decibel.h"
#include "core/limits.h"
#include "core/number_text.h"
#include "core/real48.h"

namespace ondarel {

namespace {

using xmath::kPi;
constexpr long double kSlotConductance = 1184.3525281307230L;  // 120π²

}  // namespace

Checked<RectangularPatchResults> computeRectangularPatch(const RectangularPatchInputs& in)
{
    const long double f = store48(in.freq_ghz);
    const long double er = store48(in.permittivity);
    const long double h = store48(in.height_cm);
    const long double tand = store48(in.loss_tangent);
    const long double Zd = store48(in.resonance_ohm);
    const long double sigma = store48(in.conductivity);
    const long double beta_l = store48(in.electrical_length_deg);
    const long double S = store48(in.vswr);
    if (!(f > storedLimit(0))) return Refusal{"Frequencia inválida!!"};
    if (!(er >= storedLimit(1))) return Refusal{"Constante dielétrica relativa inválida!!"};
    if (!(h >= storedLimit(0.013L))) return Refusal{"Altura do substrato inválida, recomenda-se H>=0.013cm!!"};
    if (!(tand > storedLimit(0))) return Refusal{"Tangente de perda inválida!!"};
    if (!(Zd > storedLimit(0)))
        return Refusal{"Impedância de ressonância da antena alimentada por microfita inválida!!"};
    if (!(sigma > storedLimit(0))) return Refusal{"Condutividade da placa inválida!!"};
    if (!(beta_l >= storedLimit(0))) return Refusal{"Comprimento elétrico ßl inválido!!"};
    if (!(S >= storedLimit(1))) return Refusal{"Coeficiente de onda estacionária inválido, recomenda-se VSWR>=1!!"};

    RectangularPatchResults r;
    const long double lambda0 = store48(30 / f);
    const long double lambda_d = store48(lambda0 / xmath::sqrt(er));
    const long double W = store48(lambda0 / 2 / xmath::sqrt((er + 1) / 2));
    const long double eeff = store48((er + 1) / 2 + (er - 1) / 2 / xmath::sqrt(1 + 12 * h / W));
    const long double dL = store48(0.412L * h * (eeff + 0.3L) * (W / h + 0.264L) / ((eeff - 0.258L) * (W / h + 0.8L)));
    const long double L = store48(lambda0 / (2 * xmath::sqrt(eeff)) - 2 * dL);
    const long double u = store48(W / h);
    const long double Z0 = microstrip::lineImpedance(u, eeff, W, h);
    const long double p = microstrip::radiationFactor(er, eeff);
    const microstrip::QualityFactors q = microstrip::qualityFactors(tand, sigma, h, f, lambda0, Z0, p, S);

    const microstrip::SlotIntegrals I = microstrip::slotIntegrals(W, L, lambda0, &store48);
    const long double G1 = store48(xmath::div(I.self, kSlotConductance));
    const long double G12 = store48(I.mutual / kSlotConductance);
    const long double g12 = store48(xmath::div(G12, G1));
    const long double DAF = store48(xmath::div(2, g12 + 1));
    const long double k0W = 2 * kPi * W / lambda0;
    const long double D0 = store48(k0W * k0W * xmath::div(1, I.self));
    const long double D = store48(D0 * DAF);

    r.eps_eff = eeff;
    r.length_cm = L;
    r.width_cm = W;
    r.line_impedance = Z0;
    r.q_total = q.total;
    r.directivity_db = store48(10 * log10Stored(D));
    r.bandwidth_pct = q.bandwidth_pct;
    r.efficiency_pct = q.efficiency_pct;
    r.slot_integral = I.self;
    r.mutual_integral = I.mutual;

    if (in.strip != 0) {
        r.feed = PatchFeed::Strip;
        r.input_ohm = store48(xmath::div(kSlotConductance, 2 * (I.self + I.mutual)));
        if (!(Zd > 0 && Zd < r.input_ohm))
            return Refusal{"Impedancia de Ressonância com Alimentação de Microfita inválida!!"};
        const long double ratio = store48(xmath::sqrt(Zd / r.input_ohm));
        const long double phi = store48(xmath::arccosByArctan(ratio));
        r.inset_cm = store48(phi * L * 0.31830988618379067L);
        return r;
    }
    r.feed = PatchFeed::Cable;
    const long double beta_r = store48(beta_l * kPi / 180);
    const long double t = store48(xmath::div(std::sin(beta_r), std::cos(beta_r)));
    const long double t_2 = t * t;
    const long double t2 = store48((t_2 + t_2 * t_2) / (t_2 + 1));
    const long double slot = 377 * h / (xmath::sqrt(er) * W);
    const long double wave = 120 * lambda0;
    r.input_ohm = store48(xmath::div(wave * wave + t2 * slot * slot, (t_2 + 1) * 240 * W * lambda0));
    r.edge_cm = store48(beta_r * lambda_d * 0.15915494309189534L);
    return r;
}

namespace {

// The results in the order they are written; the feed that the design does
// not use shows an empty field rather than an older design's value.
Outcome rectangularPatchOutcome(const std::vector<long double>& values)
{
    RectangularPatchInputs in;
    long double RectangularPatchInputs::*members[] = {
        &RectangularPatchInputs::freq_ghz,      &RectangularPatchInputs::permittivity,
        &RectangularPatchInputs::height_cm,     &RectangularPatchInputs::loss_tangent,
        &RectangularPatchInputs::resonance_ohm, &RectangularPatchInputs::electrical_length_deg,
        &RectangularPatchInputs::conductivity,  &RectangularPatchInputs::vswr,
        &RectangularPatchInputs::cable,         &RectangularPatchInputs::strip};
    for (std::size_t i = 0; i < values.size() && i < std::size(members); ++i) in.*members[i] = values[i];
    Outcome outcome;
    const Checked<RectangularPatchResults> checked = computeRectangularPatch(in);
    if (const auto* refusal = std::get_if<Refusal>(&checked)) {
        outcome.refusal = refusal->message;
        return outcome;
    }
    const auto& r = std::get<RectangularPatchResults>(checked);
    const bool strip = r.feed == PatchFeed::Strip;
    outcome.results = {
        {"Dielefet", formatFixed(r.eps_eff)},
        {"Comp", formatFixed(r.length_cm)},
        {"Largura", formatFixed(r.width_cm)},
        {"impedancia", formatFixed(r.input_ohm)},
        {"ImpCarac", formatFixed(r.line_impedance)},
        {"Qtotal", formatFixed(r.q_total)},
        {"Diretiv", formatFixed(r.directivity_db)},
        {"LargBanda", formatFixed(r.bandwidth_pct)},
        {"Eficiencia", formatFixed(r.efficiency_pct)},
        {"Dista", strip ? formatFixed(r.inset_cm) : ""},
        {"distancia", strip ? "" : formatFixed(r.edge_cm)},
    };
    return outcome;
}

}  // namespace

CalculatorDescriptor rectangularPatchCalculator()
{
    CalculatorDescriptor d;
    d.windowClass = "TForm16";
    d.code = 16;
    d.title = "Antena de Microfita Retangular";
    d.file = projectFile("mcr", "MicRet1.mcr", {3, 3, 3, 3, 3, 3, 3, 3}, StatusForm::Bracketed, kRefusalOndarel,
                         "Arquivos do Ondarel|*.mcr|Todos os arquivos|*.*",
                         "Arquivos do Ondarel [*.mcr]|*.mcr|Todos os arquivos [*.*]|*.*");
    d.inputs = {
        {"Freq", "Frequência (GHz):", "", ""},
        {"constdiel", "Constante dielétrica relativa (Er): ", "", ""},
        {"altura", "Altura do substrato (cm):", "", ""},
        {"Tangente", "Tangente de perda do substrato:", "", ""},
        {"Imped", "Impedância de ressonância (ohms):", "", ""},
        {"Angulo", "Comprimento elétrico ßl (graus):", "", ""},
        {"condut", "Condutividade da placa condutora (S/m):", "", ""},
        {"VSW", "VSWR:", "", ""},
    };
    d.inputDisplayOrder = {"Freq", "constdiel", "altura", "Tangente", "Imped", "condut", "Angulo", "VSW"};
    d.pickListBeside = "constdiel";
    d.choices =
        ChoiceGroup{"Tipo de alimentador:",
                    {{"Cabo", "Cabo coaxial de 50 ohms."}, {"Strip", "LTM - Linha de Transmissão de Microfita."}}};
    d.results = {
        {"Impedância de entrada (ohms): ", {"impedancia"}, {}},
        {"Impedância característica (ohms):", {"ImpCarac"}, {}},
        {"Constante dielétrica relativa efetiva :", {"Dielefet"}, {}},
        {"Comprimento da antena de microfita retangular (cm):", {"Comp"}, {}},
        {"Largura da antena de microfita retangular (cm):", {"Largura"}, {}},
        {"Diretividade (dB):", {"Diretiv"}, {}},
        {"Fator de qualidade total (Qt):", {"Qtotal"}, {}},
        {"Largura de banda (%):", {"LargBanda"}, {}},
        {"Eficiência de irradiação da antena de microfita:", {"Eficiencia"}, {}},
        {"Ponto de alimentação para ressonância com a LTM (cm):", {"Dista"}, {}},
        {"Distância da borda  até o condutor central do cabo (cm):", {"distancia"}, {}},
    };
    d.graphics2d = Graphics2dCommand{"Gráficos &2D", "Gráficos", true};
    d.compute = &rectangularPatchOutcome;
    d.sheet = DataSheet(1000)
                  .text(400, 100, "Antena de Microfita Retangular")
                  .heading(200, "Entrada de Dados:")
                  .line(250, "Freqüência (GHz):", "Freq")
                  .line(300, "Constante dielétrica relativa:", "constdiel")
                  .line(350, "Altura do substrato(cm):", "altura")
                  .line(400, "Tangente de perda do substrato:", "Tangente")
                  .line(450, "Impedância de ressonância(ohms):", "Imped")
                  .line(500, "Condutividade da placa condutora(S/m):", "condut")
                  .line(550, "Comprimento elétrico ßl(graus):", "Angulo")
                  .line(600, "VSWR:", "VSW")
                  .heading(650, "Tipo de Alimentador:")
                  .ruled(1000, 650,
                         [](const FieldTexts& fields) {
                             return fields("Cabo") == "1" ? "Cabo coaxial de 50 Ohms."
                                                          : "LTM - Linha de transmissão de microfita.";
                         })
                  .heading(750, "Resultados:")
                  .line(800, "Impedância de entrada(Ohms)", "impedancia")
                  .line(850, "Impedância característica(Ohms):", "ImpCarac")
                  .line(900, "Constante dielétrica relativa efetiva:", "Dielefet")
                  .line(950, "Comprimento da microfita(cm):", "Comp")
                  .line(1000, "Largura microfita(cm):", "Largura")
                  .line(1050, "Diretividade(dB):", "Diretiv")
                  .line(1100, "Fator de qualidade total:", "Qtotal")
                  .line(1150, "Largura de banda (%):", "LargBanda")
                  .line(1200, "Eficiência de irradiação da antena (%):", "Eficiencia")
                  .line(1250, "Ponto de alimentação para ressonância com a LTM (cm):", "Dista")
                  .line(1300, "Distância da borda até o condutor central do cabo(cm):", "distancia");
    d.pattern =
        PatternLink{"TForm22",
                    "Diagrama de Irradiação da Antena de Microfita Retangular",
                    "Diagrama Retangular da Antena de Microfita Retangular",
                    true,
                    rectangularPatchPatternSource(),
                    {},
                    // "Rr x L" runs before "Rin x ßl".
                    {"Impedância de ressonância  (Ohms) x Comprimento da antena (L=cm)",
                     "Impedância de entrada com alimentador (Cabo coaxial de 50 Ohms) x Comprimento elétrico (ßl)"}};
    d.geometry = GeometryLink{"TForm23", 0};
    return d;
}

}  // namespace ondarel
