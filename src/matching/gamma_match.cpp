#include "matching/gamma_match.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/complex48.h"
#include "core/real48.h"
#include "matching/rod_match_layout.h"
#include "matching/rod_section.h"

namespace ondarel {

Checked<GammaMatchResults> computeGammaMatch(const GammaMatchInputs& in)
{
    const auto [f, Ra, Xa, d1, d2, s, l] = storedRodMatchInputs(in);
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
    const RodMatchTexts texts{"Casador Gamma",
                              "Diâmetro normalizado do maior elemento:",
                              "Comprimento  normalizado da vareta:",
                              "Impedância de entrada  do sistema (ohm):",
                              "Diâmetro normalizado do menor elemento:",
                              "Espaçamento normalizado centro-a-centro:",
                              "Comprimento normalizado da vareta:"};
    d.inputs = rodMatchInputs(texts);
    d.keyPressFields = {"imput1"};
    d.results = rodMatchResults(texts);
    d.results.push_back(
        {.label = "Valor do capacitor de entrada para ressoar com a antena (pF):", .fields = {"output8"}});
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
    d.sheet =
        rodMatchSheet(texts).line(850, "Valor do capacitor de entrada para ressoar com a antena (pF):", "output8");
    d.geometry = GeometryLink{"TForm35", 1};
    return d;
}

}  // namespace ondarel
