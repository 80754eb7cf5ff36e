#include "matching/folded_dipole.h"

#include <cmath>

#include "core/arcosh.h"
#include "core/checked_math.h"
#include "core/complex48.h"
#include "core/data_sheet.h"
#include "core/real48.h"

namespace ondarel {

Checked<FoldedDipoleResults> computeFoldedDipole(const FoldedDipoleInputs& in)
{
    const long double f = store48(in.frequency_mhz);
    const long double Rd = store48(in.resistance_ohm);
    const long double Xd = store48(in.reactance_ohm);
    const long double l = store48(in.length_norm);
    const long double d = store48(in.diameter_norm);
    const long double s = store48(in.spacing_norm);
    if (f <= 0) return Refusal{"Freqüência Inválida!!"};
    if (Rd < 0) return Refusal{"Impedância do dipolo Inválida!!"};
    if (l <= 0) return Refusal{"Comprimento do dipolo Inválido!!"};
    if (d <= 0) return Refusal{"Diâmetro dos condutores Inválido!!"};
    if (s <= 0) return Refusal{"Espaçamento centro-a-centro Inválido!!"};
    if (s <= d)
        return Refusal{"Espaçamento centro-a-centro tem que ser maior e diferente do que o diâmetro dos condutores!!"};

    const long double lambda = store48(xmath::div(300, f));
    const long double radius_m = store48(store48(d * lambda) / 2);
    const long double S = store48(s * lambda);
    const long double L = store48(l * lambda);
    const long double k = store48(2 * xmath::kPi / lambda);
    // s > d keeps the argument above 1: Z0 is positive.
    const long double Z0 = store48(120 * arcosh(store48(xmath::div(S / 2, radius_m))));
    const long double Zt = store48(Z0 * xmath::finite(std::tan(k * L / 2)));

    const Complex48 numerator = 4 * (Complex48{Rd, Xd} * Complex48{0, Zt});
    const Complex48 denominator = stored(2 * Rd, 2 * Xd) + Complex48{0, Zt};
    const Complex48 zin = numerator / denominator;
    const Complex48 yin = Complex48{1, 0} / zin;

    FoldedDipoleResults r;
    r.wavelength_m = lambda;
    r.z0_ohm = Z0;
    r.line_mode_reactance_ohm = Zt;
    r.zin_re = zin.re;
    r.zin_im = zin.im;
    r.yin_re = yin.re;
    r.yin_im = yin.im;
    return r;
}

CalculatorDescriptor foldedDipoleCalculator()
{
    CalculatorDescriptor d;
    d.windowClass = "TForm34";
    d.code = 34;
    d.title = "Dipolo Dobrado";
    d.commands = CommandSet::Matching;
    d.file = projectFile("dpd", "DipDob1.dpd", {3, 3, 3, 6, 6, 6}, StatusForm::Bare, kRefusalThisProgram,
                         "Arquivos do Dipolo Dobrado [*.dpd]|*.dpd|Todos os Arquivo [*.*]|*.*",
                         "Arquivos do Dipolo Dobrado [*.dpd]|*.dpd");
    using In = FoldedDipoleInputs;
    using Out = FoldedDipoleResults;
    d.inputsCaption = "Entrada de Dados:";
    d.inputs = {
        {"imput1", "Freqüência (MHz):", "", ""},
        {"imput2", "Impedância do dipolo  Rd +/- j Xd (ohm):", "", ""},
        {"imput3", "", "", "", "+/-j"},
        {"imput4", "Comprimento normalizado do dipolo:", "", ""},
        {"imput5", "Diâmetro normalizado dos condutores:", "", ""},
        {"imput6", "Espaçamento normalizado centro-a-centro:", "", ""},
    };
    d.keyPressFields = {"imput1"};
    d.results = {
        {.label = "Comprimento de onda (m):", .fields = {"output1"}},
        {.label = "Impedância característica do sistema (ohm):", .fields = {"output2"}},
        {.label = "Impedância de entrada do dipolo dobrado (ohm):", .fields = {"output3"}, .prefix = "j"},
        {.label = "Impedância de entrada  do sistema (ohm):", .fields = {"output4", "output5"}, .joiner = "+/-j"},
        {.label = "Admitância de entrada do sistema (mho):", .fields = {"output6", "output7"}, .joiner = "+/-j"},
    };
    d.compute = bindComputation<In, Out>({&In::frequency_mhz, &In::resistance_ohm, &In::reactance_ohm, &In::length_norm,
                                          &In::diameter_norm, &In::spacing_norm},
                                         {
                                             {"output1", &Out::wavelength_m},
                                             {"output2", &Out::z0_ohm},
                                             {"output3", &Out::line_mode_reactance_ohm},
                                             {"output4", &Out::zin_re},
                                             {"output5", &Out::zin_im},
                                             {"output6", &Out::yin_re, 5},
                                             {"output7", &Out::yin_im, 5},
                                         },
                                         &computeFoldedDipole);
    d.sheet = DataSheet(900)
                  .text(400, 100, "Dipolo Dobrado")
                  .heading(150, "Entrada de dados")
                  .line(200, "Freqüência (MHz):", "imput1")
                  .line(250, "Impedância do dipolo (Rd +/- jXd):", "imput2")
                  .value(1100, 250, "imput3")
                  .line(300, "Comprimento normalizado do dipolo:", "imput4")
                  .line(350, "Diâmetro normalizado dos condutores:", "imput5")
                  .line(400, "Espaçamento normalizado centro-a-centro:", "imput6")
                  .heading(500, "Resultados:")
                  .line(550, "Comprimento de onda (m):", "output1")
                  .line(600, "Impedância característica do sistema (ohm):", "output2")
                  .line(650, "Impedância de entrada do dipolo dobrado (ohm):", "output3")
                  .line(700, "Impedância de entrada do sistema Rin +/- jXin (ohm):", "output4")
                  .value(1100, 700, "output5")
                  .line(750, "Admitância de entrada do sistema (mho):", "output6")
                  .value(1100, 750, "output7");
    d.geometry = GeometryLink{"TForm35", 2};
    return d;
}

}  // namespace ondarel
