#include "antennas/microstrip/circular_patch.h"

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

}  // namespace

Checked<CircularPatchResults> computeCircularPatch(const CircularPatchInputs& in)
{
    const long double f = store48(in.freq_ghz);
    const long double er = store48(in.permittivity);
    const long double h = store48(in.height_cm);
    const long double tand = store48(in.loss_tangent);
    const long double Zd = store48(in.resonance_ohm);
    const long double sigma = store48(in.conductivity);
    const long double S = store48(in.vswr);
    if (!(f > storedLimit(0))) return Refusal{"Frequencia Inválida!!"};
    if (!(er >= storedLimit(1))) return Refusal{"Constante Dielétrica Relativa Inválida!!"};
    if (!(h >= storedLimit(0.025L)))
        return Refusal{"Altura do Substrato Inválida, recomenda-se H>=0.025 p/ antena de microfita circular !!"};
    if (!(tand >= storedLimit(0))) return Refusal{"Tangente de Perda fora da Faixa 0.0001<tanð<0.004!!"};
    if (!(Zd > storedLimit(0))) return Refusal{"Impedancia de Ressonancia Inválida!!"};
    if (!(sigma > storedLimit(0))) return Refusal{"Condutividade da placa condutora inválida!!"};
    if (!(S >= storedLimit(1))) return Refusal{"Coeficiente de Onda Estacionária Inválido, recomenda-se VSWR>=1!!"};

    CircularPatchResults r;
    const long double lambda0 = store48(30 / f);
    const long double F = store48(8.791L / (f * xmath::sqrt(er)));
    const long double a = store48(F / xmath::sqrt(microstrip::fringingFactor(F, h, er)));
    const long double ae = store48(a * xmath::sqrt(microstrip::fringingFactor(a, h, er)));
    const long double equivalent_width = xmath::sqrt(kPi) * ae;
    const long double eeff = store48(((er + 1) + (er - 1) / xmath::sqrt(1 + 12 * h / equivalent_width)) * 0.5L);
    const long double u = store48(equivalent_width / h);
    const long double Z0 = microstrip::lineImpedance(u, eeff, equivalent_width, h);
    const long double p = microstrip::radiationFactor(er, eeff);
    const microstrip::QualityFactors q = microstrip::qualityFactors(tand, sigma, h, f, lambda0, Z0, p, S);

    r.cavity_integral = microstrip::cavityIntegral(ae, lambda0, &store48);
    const long double k0ae = 2 * kPi * ae / lambda0;
    const long double Grad = store48(k0ae * k0ae * (1.0L / 480) * r.cavity_integral);
    const long double k_ae = 2 * kPi * xmath::sqrt(er) * ae / lambda0;
    const long double mode = k_ae * k_ae - 1;
    const long double Gc = store48(kPi * std::exp(-1.5L * xmath::ln(3947.8417604357434L * f)) /
                                   (4 * (h / 100) * (h / 100) * xmath::sqrt(sigma)) * mode);
    const long double Gd = store48(tand / (5.026548245743669e-8L * h * 1e9L * f) * mode);
    const long double D = store48(xmath::div(k0ae * k0ae, 120 * Grad));

    r.input_ohm = store48(xmath::div(1, Grad + Gc + Gd));
    const long double s = store48(0.9635L * xmath::sqrt(Zd / r.input_ohm));
    const long double phi = store48(xmath::arctan(xmath::div(s, xmath::sqrt(1 - s * s))));
    r.feed_radius_cm = store48(0.543L * ae * phi + 0.02L);
    r.line_impedance = Z0;
    r.radius_cm = a;
    r.effective_radius_cm = ae;
    r.directivity_db = store48(10 * log10Stored(D));
    r.q_total = q.total;
    r.efficiency_pct = q.efficiency_pct;
    r.bandwidth_pct = q.bandwidth_pct;
    return r;
}

namespace {

std::string shown(long double value) { return formatFixed(value).substr(0, microstrip::kShownCharacters); }

Outcome circularPatchOutcome(const std::vector<long double>& values)
{
    CircularPatchInputs in;
    long double CircularPatchInputs::*members[] = {
        &CircularPatchInputs::freq_ghz,     &CircularPatchInputs::permittivity,  &CircularPatchInputs::height_cm,
        &CircularPatchInputs::loss_tangent, &CircularPatchInputs::resonance_ohm, &CircularPatchInputs::conductivity,
        &CircularPatchInputs::vswr};
    for (std::size_t i = 0; i < values.size() && i < std::size(members); ++i) in.*members[i] = values[i];
    Outcome outcome;
    const Checked<CircularPatchResults> checked = computeCircularPatch(in);
    if (const auto* refusal = std::get_if<Refusal>(&checked)) {
        outcome.refusal = refusal->message;
        return outcome;
    }
    const auto& r = std::get<CircularPatchResults>(checked);
    outcome.results = {
        {"impedancia", shown(r.input_ohm)},      {"ImpCarac", shown(r.line_impedance)},
        {"Raioatual", shown(r.radius_cm)},       {"Raioefet", shown(r.effective_radius_cm)},
        {"diretiv", shown(r.directivity_db)},    {"Qtotal", shown(r.q_total)},
        {"Eficiencia", shown(r.efficiency_pct)}, {"largbanda", shown(r.bandwidth_pct)},
        {"RaioAlim", shown(r.feed_radius_cm)},
    };
    return outcome;
}

}  // namespace

CalculatorDescriptor circularPatchCalculator()
{
    CalculatorDescriptor d;
    d.windowClass = "TForm17";
    d.code = 17;
    d.title = "Antena de Microfita Circular ";
    d.file = projectFile("mcc", "MicCir1.mcc", {3, 3, 3, 3, 3, 3, 3}, StatusForm::Bracketed, kRefusalOndarel,
                         "Arquivos do Ondarel [*.mcc]|*.mcc|Todos os arquivos [*.*]|*.*",
                         "Arquivos do Ondarel [*.mcc]|*.mcc|Todos os arquivos [*.*]|*.*");
    d.inputs = {
        {"freq", "Freqüência (GHz):", "", ""},
        {"constdiel2", "Constante dielétrica relativa (Er):", "", ""},
        {"altura2", "Altura do substrato (cm):", "", ""},
        {"TanPerda2", "Tangente de perda do substrato: ", "", ""},
        {"ImpRes", "Impedância de ressonância (ohms):", "", ""},
        {"condut2", "Condutividade da placa condutora (S/m):", "", ""},
        {"VSW", "VSWR:", "", ""},
    };
    d.pickListBeside = "constdiel2";
    d.choices = ChoiceGroup{"Tipo de alimentador:", {{"Cabo", "Cabo coaxial de 50 ohms."}}};
    d.results = {
        {"Impedância de entrada (ohms):", {"impedancia"}, {}},
        {"Impedância característica (ohms):", {"ImpCarac"}, {}},
        {"Raio real da antena (cm): ", {"Raioatual"}, {}},
        {"Raio efetivo da antena (cm):", {"Raioefet"}, {}},
        {"Diretividade (dB):", {"diretiv"}, {}},
        {"Fator de qualidade total:", {"Qtotal"}, {}},
        {"Eficiência de irradiação (%): ", {"Eficiencia"}, {}},
        {"Largura de banda (%):", {"largbanda"}, {}},
        {"Ponto de alimentação para ressonância \ncom um cabo coaxial (cm):", {"RaioAlim"}, {}},
    };
    d.graphics2d = Graphics2dCommand{"Gráfico&s", "Gráficos", true};
    // Its own menu: no 3D entry, other accelerators.
    d.menuCaptions = {{"Opcao1", "O&pção"}, {"Ajuda1", "A&juda"}, {"Grafico3D1", ""}};
    d.compute = &circularPatchOutcome;
    d.sheet = DataSheet(1000)
                  .text(400, 100, "Antena de Microfita Circular")
                  .heading(150, "Entrada de Dados:")
                  .line(200, "Freqüência (MHz):", "freq")
                  .line(250, "Constante dielétrica relativa:", "constdiel2")
                  .line(300, "Altura do substrato(cm):", "altura2")
                  .line(350, "Tangente de perda do substrato:", "TanPerda2")
                  .line(400, "Impedância de ressonância(ohms):", "ImpRes")
                  .line(450, "Condutividade da placa condutora(S/m):", "condut2")
                  .line(500, "VSWR:", "VSW")
                  .heading(600, "Tipo de Alimentador:")
                  .text(1000, 600, "Cabo coaxial de 50 Ohms.")
                  .heading(700, "Resultados:")
                  .line(750, "Impedância de entrada(ohms)", "impedancia")
                  .line(800, "Impedância característica(ohms):", "ImpCarac")
                  .line(850, "Raio real da antena de microfita circular(cm):", "Raioatual")
                  .line(900, "Raio efetivo da antena de microfita circular(cm):", "Raioefet")
                  .line(950, "Diretividade(dB):", "diretiv")
                  .line(1000, "Fator de qualidade total:", "Qtotal")
                  .line(1050, "Largura de banda (%):", "largbanda")
                  .line(1100, "Eficiência de irradiação(%):", "Eficiencia")
                  .line(1150, "Ponto de alimentação para ressonância com um cabo coaxial(cm):", "RaioAlim");
    d.pattern = PatternLink{"TForm24", "Diagrama de Irradiação da Antena de Microfita Circular",
                            "Diagrama Retangular da Antena de Microfita Circular", true, circularPatchPatternSource()};
    d.geometry = GeometryLink{"TForm23", 1};
    return d;
}

}  // namespace ondarel
