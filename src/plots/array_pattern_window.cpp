#include "plots/array_pattern_window.h"

#include <QScreen>

#include "core/catalogue.h"
#include "framework/window_registry.h"

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

bool ArrayPatternWindow::servesCode(int code) const { return isArrayPatternCode(code); }

QString ArrayPatternWindow::callerWindowClass(int code) const
{
    const CalculatorDescriptor* d = findByCode(code);
    return d ? QString::fromStdString(d->windowClass) : QString();
}

ArrayPatternValues ArrayPatternWindow::readCaller(int code) const
{
    const QString windowClass = callerWindowClass(code);
    return readArrayPatternValues(code, [&](std::string_view field) {
        const auto text =
            WindowRegistry::instance().fieldText(windowClass, QString::fromUtf8(field.data(), field.size()));
        return text.value_or("").toStdString();
    });
}

void ArrayPatternWindow::fillPolarTables(int code, PatternTable& left, PatternTable& right)
{
    const auto tables = arrayPolarTables(code, readCaller(code));
    if (!tables) return;
    left = tables->left;
    right = tables->right;
}

std::vector<ChartPoint> ArrayPatternWindow::chartPoints(int code)
{
    std::vector<ChartPoint> points;
    const auto levels = arrayChartLevels(code, readCaller(code));
    if (!levels) return points;
    for (int k = 1; k <= 180; ++k) {
        points.push_back({k, (*levels)[static_cast<std::size_t>(k)]});
        points.push_back({-k, (*levels)[static_cast<std::size_t>(k)]});
    }
    return points;
}

// The page's second diagram reads a table that nothing fills (all zero, whose
// normalisation would divide zero by zero); it prints the left table there.
void ArrayPatternWindow::printPolarPage(Canvas& page, int code)
{
    page.setPen(CanvasColor::Black, 5);
    page.setBrush(CanvasColor::White);
    page.setFont(CanvasFont{"Arial", 8, false});
    if (const auto title = arrayPolarPrintTitle(code)) page.text(100, 100, *title);
    page.text(200, 150, "Plano E (Plano Horizontal)");
    page.text(1050, 150, "Plano H (Plano Vertical)");
    drawPolarDiagram(page, rightTable(), kPrintedFirst, 5);
    drawPolarDiagram(page, leftTable(), kPrintedSecond, 5);
}

std::vector<CaptionStrip::Caption> ArrayPatternWindow::polarCaptions(int code) const
{
    const auto titles = arrayDiagramTitles(code);
    if (!titles) return {};
    return {{QString::fromStdString(titles->left.text), titles->left.x},
            {QString::fromStdString(titles->right.text), titles->right.x}};
}

}  // namespace ondarel
