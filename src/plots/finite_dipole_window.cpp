#include "plots/finite_dipole_window.h"

#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>

#include "framework/command_guard.h"

namespace ondarel {

namespace {

// A curve page: its tab, menu entry, chart and fixed axes.
struct CurvePage {
    const char* tab;
    const char* menuCaption;
    const char* actionName;
    const char* shortcut;
    const char* chartName;
    const char* leftTitle;
    double leftMinimum, leftMaximum;
    int leftTicks;
    const char* leftFormat;
    bool legend;
};

const std::array<CurvePage, 3> kCurvePages = {{
    {"Rr, Rent x Comp. Norm.", "Rr, Rin x Comp. &Norm. Dipolo", "RrRin1", "Ctrl+N", "Chart2", "Resistência (ohms)", 0,
     1000, 6, "%.0f", true},
    {"Xm, Xent x Comp. Norm.", "&Xm, Xin x Comp. Norm. Dipolo", "XmXin1", "Ctrl+X", "Chart3", "Reatância (ohms)", -1000,
     1000, 9, "%.0f", true},
    {"D0 x Comp. Norm.", "&D0 x Comp. Norm. Dipolo", "D01", "Ctrl+D", "Chart4", "Diretividade (Admensional)", 1, 4, 7,
     "%.1f", false},
}};

const char* kLengthAxisTitle = "Comprimento do Dipolo (Comp. de Onda) ";
const QColor kSeriesColours[] = {Qt::red, Qt::blue};

// The printed page, in printer pixels: the diagrams stand under their
// captions.
constexpr int kPrintRadius = 250;
constexpr PolarFrame kPrintedEPlane{450, 550, kPrintRadius};
constexpr PolarFrame kPrintedHPlane{1300, 550, kPrintRadius};

}  // namespace

FiniteDipoleWindow::FiniteDipoleWindow(QWidget* parent) : PatternWindowBase(38, parent)
{
    setObjectName("TForm38");
    serveOnlyTheCurrentCode();
    // Client area about 647 x 360 under the menu.
    setFixedSize(647, 360 + menuBar()->sizeHint().height());
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());

    QMenu* menu = menuBar()->actions().constFirst()->menu();
    QAction* separator = nullptr;
    for (QAction* action : menu->actions())
        if (action->isSeparator()) separator = action;

    for (std::size_t i = 0; i < kCurvePages.size(); ++i) {
        const CurvePage& page = kCurvePages[i];
        auto* chart = new ChartPanel(pages());
        chart->setObjectName(page.chartName);
        chart->setAxisTitles(kLengthAxisTitle, page.leftTitle);
        chart->setSeriesTitle(0, "");
        chart->setLegendVisible(page.legend);
        chart->setBottomAxisFixed(0, 3);
        chart->setAxisTicks(Qt::Horizontal, 7, "%.1f");
        curves_[i] = chart;
        pages()->addTab(chart, page.tab);
        connect(chart, &ChartPanel::clicked, this, [this, i] { curveCommand(i); });

        auto* action = new QAction(page.menuCaption, menu);
        action->setObjectName(page.actionName);
        action->setShortcut(QKeySequence(page.shortcut));
        connect(action, &QAction::triggered, this, [this, i] { curveCommand(i); });
        menu->insertAction(separator, action);
    }
    connect(chart(), &ChartPanel::clicked, this, [this] { rectangularCommand(); });
}

void FiniteDipoleWindow::curveCommand(std::size_t index)
{
    guarded([this, index] {
        const auto code = liveCalculatorCode();
        if (!code) return;
        const PatternSource* source = sourceFor(*code);
        if (index >= source->curveCharts.size() || index >= curves_.size()) return;
        const CurveChart& curve = source->curveCharts[index];
        const CurvePage& page = kCurvePages[index];
        ChartPanel* chart = curves_[index];

        const std::vector<CurvePoint> points = curve.points(callerFields(*code));
        const int seriesCount = static_cast<int>(curve.seriesNames.size());
        while (chart->seriesCount() < seriesCount) {
            const int n = chart->seriesCount();
            chart->addSeries("", kSeriesColours[n % 2]);
        }
        for (int s = 0; s < seriesCount; ++s) {
            chart->setSeriesTitle(s, QString::fromStdString(curve.seriesNames[static_cast<std::size_t>(s)]));
            chart->clear(s);
        }
        chart->setBottomAxisFixed(0, 3);
        chart->setLeftAxisFixed(page.leftMinimum, page.leftMaximum);
        chart->setAxisTicks(Qt::Vertical, page.leftTicks, page.leftFormat);
        for (int s = 0; s < seriesCount; ++s) {
            std::vector<QPointF> series;
            series.reserve(points.size());
            for (const CurvePoint& p : points)
                series.emplace_back(static_cast<double>(p.x), static_cast<double>(p.y[static_cast<std::size_t>(s)]));
            chart->setPoints(series, s);
        }
        pages()->setCurrentWidget(chart);
    });
}

void FiniteDipoleWindow::setCurveChartTitle(std::size_t index, const QString& title)
{
    if (index < curves_.size()) curves_[index]->setTitle(title);
}

QStringList FiniteDipoleWindow::chartTitles() const
{
    QStringList titles{chart()->title()};
    for (const ChartPanel* c : curves_) titles.append(c->title());
    return titles;
}

QWidget* FiniteDipoleWindow::chartView(int index) const
{
    if (index == 0) return chart()->view();
    if (index >= 1 && index <= static_cast<int>(curves_.size()))
        return curves_[static_cast<std::size_t>(index - 1)]->view();
    return nullptr;
}

void FiniteDipoleWindow::repaintChart(int index)
{
    if (index == 0) chart()->repaintChart();
    if (index >= 1 && index <= static_cast<int>(curves_.size()))
        curves_[static_cast<std::size_t>(index - 1)]->repaintChart();
}

void FiniteDipoleWindow::printPolarPage(Canvas& page, const PatternSource*)
{
    page.setPen(CanvasColor::Black, 5);
    page.setBrush(CanvasColor::White);
    page.setFont(CanvasFont{"Arial", 8, false});
    page.text(100, 100, "Diagrama de Irradiação para Antenas Filamentar");
    page.text(200, 150, "Plano E (Plano Horizontal)");
    page.text(1050, 150, "Plano H (Plano Vertical)");
    drawPolarDiagram(page, leftTable(), kPrintedEPlane, 5);
    drawPolarDiagram(page, rightTable(), kPrintedHPlane, 5);
}

std::vector<CaptionStrip::Caption> FiniteDipoleWindow::polarCaptions(const PatternSource*) const
{
    return {{"Plano E (Plano Vertical)", 80}, {"Plano H (Plano Horizontal)", 370}};
}

}  // namespace ondarel
