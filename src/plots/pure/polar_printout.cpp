#include "plots/pure/polar_printout.h"

namespace ondarel {

namespace {

constexpr int kPagePenWidth = 5;
constexpr int kPrintedRadius = 250;
constexpr PolarFrame kEPlaneFrame{700, 600, kPrintedRadius};
constexpr PolarFrame kHPlaneFrame{1400, 600, kPrintedRadius};

CanvasFont arial(int points) { return CanvasFont{"Arial", points, false}; }

}  // namespace

void printWirePolarPage(Canvas& page, const std::optional<std::string>& title, const PatternTable& ePlane,
                        const PatternTable& hPlane)
{
    page.setPen(CanvasColor::Black, kPagePenWidth);
    page.setFont(arial(12));
    if (title) page.text(700, 150, *title);

    page.setFont(arial(8));
    page.text(550, 250, "Plano E (Plano Vertical):");
    drawPolarDiagram(page, ePlane, kEPlaneFrame, kPagePenWidth);
    page.text(1200, 250, "Plano H (Plano Horizontal):");
    drawPolarDiagram(page, hPlane, kHPlaneFrame, kPagePenWidth);
}

}  // namespace ondarel
