#include "plots/patch_pattern_window.h"

#include <QMenuBar>
#include <QTabWidget>

#include "framework/command_guard.h"
#include "framework/window_registry.h"

namespace ondarel {

namespace {

constexpr double kChartFloorDb = -40;

// The resistance pages of TForm22, by command index.
struct ResistancePage {
    const char* tab;
    const char* actionName;
    const char* chartName;
    const char* bottomTitle;
    const char* leftTitle;
};

const std::array<ResistancePage, 2> kResistancePages = {{
    {"Rr x L", "RrxL1", "Chart3", "Comprimento da antena de microfita (L=cm)", "Rr - impedância de ressonância (Ohms)"},
    {"Rin x ßl", "Rinxl1", "Chart2", "Comprimento elétrico (ßl=graus)", "Impedância de entrada (Cabo Coaxial 50ohms)"},
}};

QAction* action(QMenu* menu, const char* name)
{
    for (QAction* a : menu->actions())
        if (a->objectName() == name) return a;
    return nullptr;
}

std::vector<QPointF> series(const std::vector<CurvePoint>& points, std::size_t s)
{
    std::vector<QPointF> out;
    out.reserve(points.size());
    for (const CurvePoint& p : points) out.emplace_back(static_cast<double>(p.x), static_cast<double>(p.y.at(s)));
    return out;
}

// The printed page, in printer pixels.
constexpr PolarFrame kPrintedEPlane{400, 550, 300};
constexpr PolarFrame kPrintedHPlane{1200, 550, 300};

}  // namespace

PatchPatternWindow::PatchPatternWindow(int ownCode, QWidget* parent)
    : PatternWindowBase(ownCode, parent), ownCode_(ownCode)
{
    setObjectName(QStringLiteral("TForm%1").arg(ownCode));
    resize(900, 520);  // room for both polar diagrams with their angle labels
    chart()->setAxisTitles("Ângulos (graus)", "Diagrama de irradiação (dB)");
    chart()->setLegendVisible(true);
    chart()->setSeriesTitle(0, "Plano E");
    // Blue E plane and red H plane in TForm22, the other way round in TForm24.
    const QColor eColour = rectangularPatch() ? QColor(Qt::blue) : QColor(Qt::red);
    const QColor hColour = rectangularPatch() ? QColor(Qt::red) : QColor(Qt::blue);
    chart()->addSeries("Plano H", hColour);
    chart()->setSeriesColor(0, eColour);

    QMenu* menu = menuBar()->actions().constFirst()->menu();
    action(menu, "Polar1")->setText("Polar");
    action(menu, "Retangular1")->setText("Retangular");
    QAction* print = action(menu, "Imprimir1");
    print->setText("Imprimir");
    if (!rectangularPatch()) {
        menu->setTitle("Gráfico");
        print->disconnect();  // the circular window's menu item has no action
        setWindowTitle("Diargrama de Irradiação da Antena de Microfita Circular");
        return;
    }
    // "Rin x ßl" and "Rr x L" stand after "Retangular" in the menu and the tabs.
    for (std::size_t i : {std::size_t{1}, std::size_t{0}}) {
        const ResistancePage& page = kResistancePages[i];
        auto* panel = new ChartPanel(pages());
        panel->setObjectName(page.chartName);
        panel->setAxisTitles(page.bottomTitle, page.leftTitle);
        panel->setLegendVisible(false);
        panel->setSeriesTitle(0, "");
        resistance_[i] = panel;
        pages()->addTab(panel, page.tab);
        auto* item = new QAction(page.tab, menu);
        item->setObjectName(page.actionName);
        connect(item, &QAction::triggered, this, [this, i] { curveCommand(i); });
        menu->insertAction(print, item);
    }
    // The page control takes three fifths of the window's height.
    pages()->setMinimumHeight(height() / 5 * 3);
}

void PatchPatternWindow::rectangularCommand()
{
    guarded([this] {
        const auto code = liveCalculatorCode();
        if (!code) return;
        const PatternSource* source = sourceFor(*code);
        if (source->curveCharts.empty()) return;
        const std::vector<CurvePoint> points = source->curveCharts.front().points(callerFields(*code));
        chart()->clear(0);
        chart()->clear(1);
        chart()->setLeftAxisFixed(kChartFloorDb, 0);
        chart()->setPoints(series(points, 0), 0);
        chart()->setPoints(series(points, 1), 1);
        pages()->setCurrentWidget(chart());
    });
}

void PatchPatternWindow::curveCommand(std::size_t index)
{
    guarded([this, index] {
        if (index >= resistance_.size() || !resistance_[index]) return;
        const auto code = liveCalculatorCode();
        if (!code) return;
        const PatternSource* source = sourceFor(*code);
        if (index + 1 >= source->curveCharts.size()) return;
        const CurveChart& curve = source->curveCharts[index + 1];
        const FieldTexts fields = callerFields(*code);
        if (curve.refusal)
            if (const auto refusal = curve.refusal(fields)) {
                WindowRegistry::instance().seam().message(this, MessageKind::Information,
                                                          QString::fromStdString(*refusal));
                return;
            }
        const std::vector<CurvePoint> points = curve.points(fields);
        ChartPanel* panel = resistance_[index];
        panel->clear();
        if (!points.empty()) {
            // The final ranges: 0 … the last x; 0 … the last value ("Rr x L") or
            // the last-but-one value ("Rin x ßl").
            const std::size_t top = index == 1 && points.size() > 1 ? points.size() - 2 : points.size() - 1;
            const double maximum = static_cast<double>(points[top].y[0]);
            panel->setBottomAxisFixed(0, static_cast<double>(points.back().x));
            if (maximum > 0)
                panel->setLeftAxisFixed(0, maximum);
            else
                panel->setLeftAxisAutomatic();
        }
        panel->setPoints(series(points, 0), 0);
        pages()->setCurrentWidget(panel);
    });
}

void PatchPatternWindow::setCurveChartTitle(std::size_t index, const QString& title)
{
    if (index < resistance_.size() && resistance_[index]) resistance_[index]->setTitle(title);
}

QStringList PatchPatternWindow::chartTitles() const
{
    QStringList titles{chart()->title()};
    if (rectangularPatch()) titles << resistance_[1]->title() << resistance_[0]->title();
    return titles;
}

QWidget* PatchPatternWindow::chartView(int index) const
{
    if (index == 0) return chart()->view();
    if (!rectangularPatch()) return nullptr;
    if (index == 1) return resistance_[1]->view();
    if (index == 2) return resistance_[0]->view();
    return nullptr;
}

void PatchPatternWindow::repaintChart(int index)
{
    if (index == 0) chart()->repaintChart();
    if (rectangularPatch() && (index == 1 || index == 2)) resistance_[index == 1 ? 1 : 0]->repaintChart();
}

void PatchPatternWindow::printPolarPage(Canvas& page, const PatternSource* source)
{
    page.setPen(CanvasColor::Black, 5);
    page.setBrush(CanvasColor::White);
    page.setFont(CanvasFont{"Arial", 8, false});
    if (source && source->printTitle) page.text(100, 100, *source->printTitle);
    page.text(200, 150, "Plano E (Plano Horizontal)");
    page.text(1050, 150, "Plano H (Plano Vertical)");
    drawPolarDiagram(page, leftTable(), kPrintedEPlane, 5);
    drawPolarDiagram(page, rightTable(), kPrintedHPlane, 5);
}

std::vector<CaptionStrip::Caption> PatchPatternWindow::polarCaptions(const PatternSource* source) const
{
    if (source && source->titles)
        return {{QString::fromStdString((*source->titles)[0].text), (*source->titles)[0].x},
                {QString::fromStdString((*source->titles)[1].text), (*source->titles)[1].x}};
    return {{"Plano E (Plano Horizontal)", rectangularPatch() ? 100 : 90}, {"Plano H (Plano Vertical)", 420}};
}

}  // namespace ondarel
