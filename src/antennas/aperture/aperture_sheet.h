#pragma once
// The printed data sheets of the aperture calculators: the title at x = 900,
// the inputs with their values at x = 1000, and the results in two columns,
// E plane at x = 1000 and H plane at x = 1200, one line every 50 pixels.
#include <string>
#include <vector>

#include "core/data_sheet.h"

namespace ondarel {

struct TwoPlaneLine {
    std::string label;
    std::string eField;
    std::string hField;
};

// `inputs` already holds the title and the input lines; the results heading
// goes to `resultsY`, each result line 50 pixels further down.
inline std::vector<SheetText> withTwoPlaneResults(DataSheet inputs, int resultsY,
                                                  const std::vector<TwoPlaneLine>& lines)
{
    constexpr int kEColumn = 1000;
    constexpr int kHColumn = 1200;
    inputs.heading(resultsY, "Resultados:").text(kEColumn, resultsY, "Plano - E").text(kHColumn, resultsY, "Plano - H");
    int y = resultsY;
    for (const TwoPlaneLine& line : lines) {
        y += 50;
        inputs.column(kEColumn).line(y, line.label, line.eField).value(kHColumn, y, line.hField);
    }
    return inputs;
}

// The title and both sides of a rectangular aperture.
inline std::vector<SheetText> rectangularApertureSheet(const std::string& title, const std::vector<TwoPlaneLine>& lines)
{
    DataSheet sheet(1000);
    sheet.text(900, 200, title)
        .heading(350, "Entrada de Dados:")
        .heading(400, "Dimensão da abertura ao longo")
        .line(450, "do eixo x (a=comprimento de onda):", "input1")
        .heading(500, "Dimensão da abertura ao longo")
        .line(550, "do eixo y (b=comprimento de onda):", "input2");
    return withTwoPlaneResults(sheet, 650, lines);
}

// The title and the radius of a circular aperture.
inline std::vector<SheetText> circularApertureSheet(const std::string& title, const std::vector<TwoPlaneLine>& lines)
{
    DataSheet sheet(1000);
    sheet.text(900, 200, title)
        .heading(350, "Entrada de dados:")
        .heading(400, "Raio da abertura circular")
        .line(450, "(a=comprimento de onda):", "input1");
    return withTwoPlaneResults(sheet, 550, lines);
}

}  // namespace ondarel
