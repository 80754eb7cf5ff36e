#include "matching/t_match.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/complex48.h"
#include "core/limits.h"
#include "core/real48.h"
#include "matching/rod_match_layout.h"
#include "matching/rod_section.h"

namespace ondarel {

Checked<TMatchResults> computeTMatch(const TMatchInputs& in)
{
    const auto [f, Ra, Xa, d1, d2, s, l] = storedRodMatchInputs(in);
    if (f <= 0) return Refusal{"Freqüência Inválida!!"};
    if (Ra < 0) return Refusal{"Impedância da Antena Inválida!!"};
    if (d1 <= 0 || d1 > storedLimit(0.0044400001L))
        return Refusal{"Diâmetro do maior elemento Inválido, recomenda-se um diâmetro de até 0.00444!!"};
    // Strictly below the same bound as the larger conductor: 0.00444 itself
    // passes, as the bound is written.
    if (d2 <= 0 || d2 >= storedLimit(0.0044400001L))
        return Refusal{"Diâmetro do menor elemento Inválido, recomenda-se um diâmetro de até 0.00444!!"};
    if (d2 > d1) return Refusal{"Diâmetro do maior elemento deve ser >= ao diâmetro do menor elemento!!"};
    if (s <= 0) return Refusal{"Espaçamento centro-a-centro Inválido!!"};
    if (l <= 0) return Refusal{"Comprimento de cada vareta  Inválida!!"};

    const RodSection section = rodSection(f, d1, d2, s);
    const long double lambda = section.wavelength_m;
    const long double tangent = xmath::finite(std::tan(section.wavenumber * l * lambda));
    const long double Zt = store48(section.z0_ohm * tangent);
    const long double twiceZt = store48(2 * section.z0_ohm * tangent);
    const long double m = store48((1 + section.current_ratio) * (1 + section.current_ratio));

    // The stepped-up antenna impedance in parallel with the two rods' stubs.
    const Complex48 stepped = stored(m * Ra, m * Xa);
    const Complex48 numerator = 2 * (stepped * Complex48{0, Zt});
    const Complex48 denominator = stepped + Complex48{0, twiceZt};
    const Complex48 zin = numerator / denominator;
    const Complex48 yin = Complex48{1, 0} / zin;

    TMatchResults r;
    r.wavelength_m = lambda;
    r.z0_ohm = section.z0_ohm;
    r.rod_reactance_ohm = Zt;
    r.zin_re = zin.re;
    r.zin_im = zin.im;
    r.yin_re = yin.re;
    r.yin_im = yin.im;
    // The capacitance whose reactance 1/(2π·f·C) cancels Im Zin; the two legs'
    // capacitors in series make it up, so each holds twice as much.
    r.series_capacitance_pf = store48(std::fabs(xmath::div(1e6L, 2 * xmath::kPi * f * zin.im)));
    r.leg_capacitance_pf = store48(2 * r.series_capacitance_pf);
    return r;
}

CalculatorDescriptor tMatchCalculator()
{
    CalculatorDescriptor d;
    d.windowClass = "TForm31";
    d.code = 31;
    d.title = "Casador T";
    d.commands = CommandSet::Matching;
    d.file = projectFile("ctm", "CasadorT.Ctm", {3, 3, 3, 6, 6, 6, 6}, StatusForm::Bare, kRefusalThisProgram,
                         "Arquivos do Casador T-Match [*.ctm]|*.ctm|Todos os Arquivos [*.*]|*.*",
                         "Arquivos do Casador T-Match [*.ctm]|*.ctm", true);
    using In = TMatchInputs;
    using Out = TMatchResults;
    d.inputsCaption = "Entrada de Dados:";
    const RodMatchTexts texts{"Casador T",
                              "Diâmetro normalizado do maior elemento: ",
                              "Comprimento normalizado de cada vareta:",
                              "Impedância de entrada do sistema (ohm):",
                              "Diâmetro normalizado de menor elemento:",
                              "Espaçamento normalizado centro-a-centro",
                              "Comprimento normalizado de cada vareta (L/2):"};
    d.inputs = rodMatchInputs(texts);
    d.keyPressFields = {"imput1"};
    d.results = rodMatchResults(texts);
    d.results.push_back({.label = "Capacitância de entrada para ressoar com a antena (pF):", .fields = {"output8"}});
    d.results.push_back({.label = "Valor de cada capacitor ligado à L.T. (pF): ", .fields = {"output9"}});
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
                                             {"output8", &Out::series_capacitance_pf},
                                             {"output9", &Out::leg_capacitance_pf},
                                         },
                                         &computeTMatch);
    d.sheet = rodMatchSheet(texts)
                  .line(850, "Capacitância de entrada para ressoar com a antena (pF):", "output8")
                  .line(900, "Valor de cada capacitor ligado à L.T (pF):", "output9");
    d.geometry = GeometryLink{"TForm35", 0};
    return d;
}

}  // namespace ondarel
