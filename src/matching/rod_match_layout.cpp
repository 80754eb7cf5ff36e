#include "matching/rod_match_layout.h"

namespace ondarel {

std::vector<InputRow> rodMatchInputs(const RodMatchTexts& t)
{
    return {
        {"imput1", "Freqüência (MHz):", "", ""},
        {"imput2", "Impedância da antena  Ra +/- j Xa (ohm):", "", ""},
        {"imput3", "", "", "", "+/-j"},
        {"imput4", t.largerDiameter, "", ""},
        {"imput5", "Diâmetro normalizado do menor elemento:", "", ""},
        {"imput6", "Espaçamento normalizado centro-a-centro:", "", ""},
        {"imput7", t.rodLength, "", ""},
    };
}

std::vector<ResultRow> rodMatchResults(const RodMatchTexts& t)
{
    return {
        {.label = "Comprimento de onda (m):", .fields = {"output1"}},
        {.label = "Impedância característica do sistema (ohm):", .fields = {"output2"}},
        {.label = "Impedância de entrada do casador (ohm):", .fields = {"output3"}, .prefix = "j"},
        {.label = t.systemImpedance, .fields = {"output4", "output5"}, .joiner = "+/-j"},
        {.label = "Admitância de entrada do sistema (mho):", .fields = {"output6", "output7"}, .joiner = "+/-j"},
    };
}

DataSheet rodMatchSheet(const RodMatchTexts& t)
{
    DataSheet sheet(900);
    sheet.text(400, 100, t.title)
        .heading(150, "Entrada de dados")
        .line(200, "Freqüência (MHz):", "imput1")
        .line(250, "Impedância da antena Ra +/- jXa (ohm):", "imput2")
        .value(1100, 250, "imput3")
        .line(300, "Diâmetro normalizado do maior elemento:", "imput4")
        .line(350, t.printedSmallerDiameter, "imput5")
        .line(400, t.printedSpacing, "imput6")
        .line(450, t.printedRodLength, "imput7")
        .heading(550, "Resultados")
        .line(600, "Comprimento de onda (m):", "output1")
        .line(650, "Impedância característica do sistema (ohm):", "output2")
        .heading(700, "Impedância de entrada do casador (ohm):")
        .text(900, 700, "j")
        .value(925, 700, "output3")
        .line(750, "Impedância de entrada do sistema Rin +/- jXin (ohm):", "output4")
        .value(1100, 750, "output5")
        .line(800, "Admitância de entrada do sistema (mho):", "output6")
        .value(1100, 800, "output7");
    return sheet;
}

}  // namespace ondarel
