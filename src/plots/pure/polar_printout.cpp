#include "plots/pure/polar_printout.h"

namespace ondarel {

namespace {

constexpr int kPagePenWidth = 5;
constexpr int kPrintedRadius = 250;
constexpr PolarFrame kEPlaneFrame{700, 600, kPrintedRadius};
constexpr PolarFrame kHPlaneFrame{1400, 600, kPrintedRadius};

CanvasFont arial(int points) { return CanvasFont{"Arial", points, false}; }

}  // namespace

std::optional<std::string> wirePolarPrintTitle(int calculatorCode)
{
    switch (calculatorCode) {
        case 2: return "Diagrama da Antena Dipolo Elementar ou Infinitesimal";
        case 8: return "Diagrama da Antena Helicoidal - Modo Axial";
        case 12: return "Diagrama da Antena Helicoidal - Modo Normal";
        default: return std::nullopt;
    }
}

void printWirePolarPage(Canvas& page, int calculatorCode, const PatternTable& ePlane, const PatternTable& hPlane)
{
    page.setPen(CanvasColor::Black, kPagePenWidth);
    page.setFont(arial(12));
    if (const auto title = wirePolarPrintTitle(calculatorCode)) page.text(700, 150, *title);

    page.setFont(arial(8));
    page.text(550, 250, "Plano E (Plano Vertical):");
    drawPolarDiagram(page, ePlane, kEPlaneFrame, kPagePenWidth);
    page.text(1200, 250, "Plano H (Plano Horizontal):");
    drawPolarDiagram(page, hPlane, kHPlaneFrame, kPagePenWidth);
}

}  // namespace ondarel
