#include "plots/aperture_pattern_window.h"

#include <QScreen>
#include <QTabWidget>

#include "plots/pure/polar_printout.h"

namespace ondarel {

AperturePatternWindow::AperturePatternWindow(QWidget* parent)
    : PatternWindowBase(39, tables(), Serves::CurrentCodeOnly, parent)
{
    setObjectName("TForm39");
    setWindowTitle("Diagrama de Irradiação da Antena de Abertura");
    resize(720, 420);
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - QPoint(360, 210));
    pages()->setCurrentWidget(chart());
}

SharedPolarTables& AperturePatternWindow::tables()
{
    static SharedPolarTables shared;
    return shared;
}

// The page is titled by the calculator whose pattern the tables hold (the
// base hands over that source), never by the 39 written for printing.
void AperturePatternWindow::printPolarPage(Canvas& page, const PatternSource* source)
{
    printWirePolarPage(page, source ? source->printTitle : std::nullopt, leftTable(), rightTable());
}

std::vector<CaptionStrip::Caption> AperturePatternWindow::polarCaptions(const PatternSource*) const
{
    const int half = polarPage()->width() / 2;
    return {{"Plano E (Plano Vertical)", 10}, {"Plano H (Plano Horizontal)", half + 10}};
}

}  // namespace ondarel
