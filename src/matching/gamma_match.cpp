#include "matching/gamma_match.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/complex48.h"
#include "core/data_sheet.h"
#include "core/real48.h"
#include "matching/rod_section.h"

namespace ondarel {

Checked<GammaMatchResults> computeGammaMatch(const GammaMatchInputs& in)
{
    const long double f = store48(in.frequency_mhz);
    const long double Ra = store48(in.resistance_ohm);
    const long double Xa = store48(in.reactance_ohm);
    const long double d1 = store48(in.d1_norm);
    const long double d2 = store48(in.d2_norm);
    const long double s = store48(in.spacing_norm);
    const long double l = store48(in.rod_length_norm);
    // No upper bound on the diameters and no order between them here.
    if (f <= 0) return Refusal{"Freqüência Inválida!!"};
    if (Ra < 0) return Refusal{"Impedância da Antena Inválida!!"};
    if (d1 <= 0) return Refusal{"Diâmetro do maior elemento Inválido!!"};
    if (d2 <= 0) return Refusal{"Diâmetro do menor elemento Inválido!!"};
    if (s <= 0) return Refusal{"Espaçamento centro-a-centro Inválido!!"};
    if (l <= 0) return Refusal{"Comprimento da vareta Inválida!!"};

    const RodSection section = rodSection(f, d1, d2, s);
    const long double length_m = store48(l * section.wavelength_m);
    const long double tangent = xmath::finite(std::tan(section.wavenumber * length_m));
    const long double Zg = store48(section.z0_ohm * tangent);
    const long double twiceZg = store48(2 * section.z0_ohm * tangent);
    const long double m = store48((1 + section.current_ratio) * (1 + section.current_ratio));

    const Complex48 product = Complex48{Ra, Xa} * Complex48{0, Zg};
    const Complex48 numerator = m * product;
    const Complex48 denominator = stored(m * Ra, m * Xa) + Complex48{0, twiceZg};
    const Complex48 zin = numerator / denominator;
    const Complex48 yin = Complex48{1, 0} / zin;

    GammaMatchResults r;
    r.wavelength_m = section.wavelength_m;
    r.z0_ohm = section.z0_ohm;
    r.rod_reactance_ohm = Zg;
    r.zin_re = zin.re;
    r.zin_im = zin.im;
    r.yin_re = yin.re;
    r.yin_im = yin.im;
    r.capacitance_pf = store48(std::fabs(xmath::div(1e6L, 2 * xmath::kPi * f * zin.im)));
    return r;
}

CalculatorDescriptor gammaMatchCalculator()
{
    CalculatorDescriptor d;
    d.windowClass = "TForm33";
    d.code = 33;
    d.title = "Casador Gamma";
    d.commands = CommandSet::Matching;
    d.file = projectFile("csg", "Casgamma.CsG", {3, 3, 3, 6, 6, 6, 6}, StatusForm::Bare, kRefusalThisProgram,
                         "Arquivos do Casador Gamma [*.csg]|*.csg|Todos os Arquivos [*.*]|*.*",
                         "Arquivos do Casador Gamma [*.csg]|*.csg");
    using In = GammaMatchInputs;
    using Out = GammaMatchResults;
    d.inputsCaption = "Entrada de Dados:";
    d.inputs = {
        {"imput1", "Freqüência (MHz):", "", ""},
        {"imput2", "Impedância da antena  Ra +/- j Xa (ohm):", "", ""},
        {"imput3", "", "", "", "+/-j"},
        {"imput4", "Diâmetro normalizado do maior elemento:", "", ""},
        {"imput5", "Diâmetro normalizado do menor elemento:", "", ""},
        {"imput6", "Espaçamento normalizado centro-a-centro:", "", ""},
        {"imput7", "Comprimento  normalizado da vareta:", "", ""},
    };
    d.keyPressFields = {"imput1"};
    d.results = {
        {.label = "Comprimento de onda (m):", .fields = {"output1"}},
        {.label = "Impedância característica do sistema (ohm):", .fields = {"output2"}},
        {.label = "Impedância de entrada do casador (ohm):", .fields = {"output3"}, .prefix = "j"},
        {.label = "Impedância de entrada  do sistema (ohm):", .fields = {"output4", "output5"}, .joiner = "+/-j"},
        {.label = "Admitância de entrada do sistema (mho):", .fields = {"output6", "output7"}, .joiner = "+/-j"},
        {.label = "Valor do capacitor de entrada para ressoar com a antena (pF):", .fields = {"output8"}},
    };
    d.compute = bindComputation<In, Out>({&In::frequency_mhz, &In::resistance_ohm, &In::reactance_ohm, &In::d1_norm,
                                          &In::d2_norm, &In::spacing_norm, &In::rod_length_norm},
                                         {
                                             {"output1", &Out::wavelength_m},
                                             {"output2", &Out::z0_ohm},
                                             {"output3", &Out::rod_reactance_ohm},
                                             {"output4", &Out::zin_re},
                                             {"output5", &Out::zin_im},
                                             {"output6", &Out::yin_re, 6},
                                             {"output7", &Out::yin_im, 6},
                                             {"output8", &Out::capacitance_pf},
                                         },
                                         &computeGammaMatch);
    d.sheet = DataSheet(900)
                  .text(400, 100, "Casador Gamma")
                  .heading(150, "Entrada de dados")
                  .line(200, "Freqüência (MHz):", "imput1")
                  .line(250, "Impedância da antena Ra +/- jXa (ohm):", "imput2")
                  .value(1100, 250, "imput3")
                  .line(300, "Diâmetro normalizado do maior elemento:", "imput4")
                  .line(350, "Diâmetro normalizado do menor elemento:", "imput5")
                  .line(400, "Espaçamento normalizado centro-a-centro:", "imput6")
                  .line(450, "Comprimento normalizado da vareta:", "imput7")
                  .heading(550, "Resultados")
                  .line(600, "Comprimento de onda (m):", "output1")
                  .line(650, "Impedância característica do sistema (ohm):", "output2")
                  .heading(700, "Impedância de entrada do casador (ohm):")
                  .text(900, 700, "j")
                  .value(925, 700, "output3")
                  .line(750, "Impedância de entrada do sistema Rin +/- jXin (ohm):", "output4")
                  .value(1100, 750, "output5")
                  .line(800, "Admitância de entrada do sistema (mho):", "output6")
                  .value(1100, 800, "output7")
                  .line(850, "Valor do capacitor de entrada para ressoar com a antena (pF):", "output8");
    d.geometry = GeometryLink{"TForm35", 1};
    return d;
}

}  // namespace ondarel
