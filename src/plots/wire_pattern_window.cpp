#include "plots/wire_pattern_window.h"

#include <QMenuBar>
#include <QScreen>

#include "plots/pure/polar_printout.h"

namespace ondarel {

WirePatternWindow::WirePatternWindow(QWidget* parent) : PatternWindowBase(3, parent)
{
    setObjectName("TForm3");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // A fixed border around a client area of 650 x 350 under the menu.
    setFixedSize(650, 350 + menuBar()->sizeHint().height());
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void WirePatternWindow::printPolarPage(Canvas& page, const PatternSource* source)
{
    printWirePolarPage(page, source ? source->printTitle : std::nullopt, leftTable(), rightTable());
}

std::vector<CaptionStrip::Caption> WirePatternWindow::polarCaptions(const PatternSource*) const
{
    const int half = polarPage()->width() / 2;
    return {{"Plano E (Plano Vertical)", 10}, {"Plano H (Plano Horizontal)", half + 10}};
}

}  // namespace ondarel
