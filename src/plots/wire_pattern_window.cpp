#include "plots/wire_pattern_window.h"

#include <QMenuBar>
#include <QScreen>

#include "core/number_text.h"
#include "framework/window_registry.h"
#include "plots/pure/polar_printout.h"

namespace ondarel {

namespace {

struct FieldRead {
    const char* field;
    long double WirePatternValues::*member;
};

struct Caller {
    int code;
    const char* windowClass;
    std::vector<FieldRead> reads;
};

// Which calculator each code belongs to and the fields its pattern reads.
const std::vector<Caller>& callers()
{
    using V = WirePatternValues;
    static const std::vector<Caller> all = {
        {2, "TForm2", {}},
        {8, "TForm8", {{"input1", &V::frequency_mhz}, {"output1", &V::spacing_m}, {"output7", &V::turns}}},
        {10, "TForm10", {{"input1", &V::frequency_mhz}, {"input2", &V::loop_radius_norm}}},
        {12, "TForm12", {{"input4", &V::normal_mode_nl}}},
    };
    return all;
}

const Caller* callerFor(int code)
{
    for (const Caller& c : callers())
        if (c.code == code) return &c;
    return nullptr;
}

}  // namespace

WirePatternWindow::WirePatternWindow(QWidget* parent) : PatternWindowBase(3, parent)
{
    setObjectName("TForm3");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // A fixed border around a client area of 650 x 350 under the menu.
    setFixedSize(650, 350 + menuBar()->sizeHint().height());
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

bool WirePatternWindow::servesCode(int code) const { return callerFor(code) != nullptr; }

QString WirePatternWindow::callerWindowClass(int code) const
{
    const Caller* c = callerFor(code);
    return c ? c->windowClass : QString();
}

WirePatternValues WirePatternWindow::readCaller(int code) const
{
    WirePatternValues values;
    const Caller* c = callerFor(code);
    for (const FieldRead& read : c->reads) {
        const auto text = WindowRegistry::instance().fieldText(c->windowClass, read.field);
        values.*read.member = fieldValue(text.value_or("").toStdString());
    }
    return values;
}

void WirePatternWindow::fillPolarTables(int code, PatternTable& left, PatternTable& right)
{
    const auto tables = wirePolarTables(code, readCaller(code));
    if (!tables) return;
    left = tables->e;
    right = tables->h;
}

std::vector<ChartPoint> WirePatternWindow::chartPoints(int code)
{
    const WirePatternValues values = readCaller(code);
    return rectangularPoints([&] { return *wireFieldTable(code, values); });
}

void WirePatternWindow::printPolarPage(Canvas& page, int code)
{
    printWirePolarPage(page, code, leftTable(), rightTable());
}

std::vector<CaptionStrip::Caption> WirePatternWindow::polarCaptions(int) const
{
    const int half = polarPage()->width() / 2;
    return {{"Plano E (Plano Vertical)", 10}, {"Plano H (Plano Horizontal)", half + 10}};
}

}  // namespace ondarel
