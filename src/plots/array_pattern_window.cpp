#include "plots/array_pattern_window.h"

#include <QScreen>

namespace ondarel {

namespace {

// Printed page positions, in printer pixels.
constexpr int kPrintRadius = 300;
constexpr PolarFrame kPrintedFirst{400, 550, kPrintRadius};
constexpr PolarFrame kPrintedSecond{1200, 550, kPrintRadius};

}  // namespace

ArrayPatternWindow::ArrayPatternWindow(QWidget* parent) : PatternWindowBase(28, parent)
{
    setObjectName("TForm28");
    resize(720, 420);
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - QPoint(360, 210));
}

// The page's second diagram reads a table that nothing fills (all zero, whose
// normalisation would divide zero by zero); it prints the left table there.
void ArrayPatternWindow::printPolarPage(Canvas& page, const PatternSource* source)
{
    page.setPen(CanvasColor::Black, 5);
    page.setBrush(CanvasColor::White);
    page.setFont(CanvasFont{"Arial", 8, false});
    if (source && source->printTitle) page.text(100, 100, *source->printTitle);
    page.text(200, 150, "Plano E (Plano Horizontal)");
    page.text(1050, 150, "Plano H (Plano Vertical)");
    drawPolarDiagram(page, rightTable(), kPrintedFirst, 5);
    drawPolarDiagram(page, leftTable(), kPrintedSecond, 5);
}

std::vector<CaptionStrip::Caption> ArrayPatternWindow::polarCaptions(const PatternSource* source) const
{
    if (!source || !source->titles) return {};
    const auto& titles = *source->titles;
    return {{QString::fromStdString(titles[0].text), titles[0].x},
            {QString::fromStdString(titles[1].text), titles[1].x}};
}

}  // namespace ondarel
