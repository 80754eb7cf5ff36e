#include "plots/element_count_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "catalogue/catalogue.h"
#include "framework/command_guard.h"
#include "framework/tool_icons.h"
#include "framework/window_registry.h"

namespace ondarel {

namespace {

constexpr int kOwnCode = 25;

// A chart page: tab, left axis, the fixed ranges its command sets, and tick
// counts that put the labels on round numbers.
struct ChartPage {
    const char* tab;
    const char* chartName;
    const char* leftTitle;
    double bottomMin, bottomMax, leftMin, leftMax;
    int bottomTicks, leftTicks;
    const char* bottomFormat;
};

const std::array<ChartPage, 4> kPages = {{
    {"Ganho(dB) x N", "Chart1", "Ganho (dB)", 2, 20, 2, 20, 10, 10, "%.0f"},
    {"Comp. Ótimo x N", "Chart2", "Comprimento Ótimo da Antena (Lambda)", 2, 22, 0, 10, 11, 11, "%.0f"},
    {"LFPV x N", "Chart3", "Largura de Feixe Plano Vertical (Graus)", 2.5, 22, 0, 100, 14, 11, "%.1f"},
    {"LFPH x N", "Chart4", "Largura de Feixe Plano Horizontal (Graus)", 2.5, 22, 0, 100, 14, 11, "%.1f"},
}};
const char* kMenuCaptions[4] = {"Ganho (dB) x N", "Comp. Ótimo x N", "LFPV x N", "LFPH x N"};

}  // namespace

ElementCountWindow::ElementCountWindow(QWidget* parent) : QMainWindow(parent), pages_(new QTabWidget(this))
{
    setObjectName("TForm25");
    setWindowTitle("Gráficos");
    resize(640, 440);
    pages_->setObjectName("PageControl1");
    setCentralWidget(pages_);

    QMenu* menu = menuBar()->addMenu("&Gráficos");
    menu->menuAction()->setObjectName("Graficos1");
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        const ChartPage& page = kPages[i];
        auto* chart = new ChartPanel(pages_);
        chart->setObjectName(page.chartName);
        chart->setAxisTitles("Número de Elementos", page.leftTitle);
        chart->setLegendVisible(false);
        chart->setBottomAxisFixed(page.bottomMin, page.bottomMax);
        chart->setLeftAxisFixed(page.leftMin, page.leftMax);
        chart->setAxisTicks(Qt::Horizontal, page.bottomTicks, page.bottomFormat);
        chart->setAxisTicks(Qt::Vertical, page.leftTicks, "%.0f");
        charts_[i] = chart;
        pages_->addTab(chart, page.tab);
        connect(chart, &ChartPanel::clicked, this, [this, i] { curveCommand(i); });
        menu->addAction(kMenuCaptions[i], this, [this, i] { curveCommand(i); });
    }
    menu->addSeparator();
    menu->addAction("Imprimir", this, [this] { printCommand(); })->setObjectName("Imprimir1");

    QToolBar* bar = addToolBar("Ferramentas");
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    auto addButton = [&](const char* name, const char* hint, ToolIcon icon, auto handler) {
        auto* button = new QToolButton(bar);
        button->setObjectName(name);
        button->setToolTip(hint);
        button->setIcon(toolIcon(icon));
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, handler);
        bar->addWidget(button);
    };
    addButton("SpeedButton1", "Imprimir gráficos", ToolIcon::Print, [this] { printCommand(); });
    addButton("SpeedButton2", "Voltar ao projeto", ToolIcon::Close, [this] { close(); });
}

void ElementCountWindow::curveCommand(std::size_t index)
{
    guarded([this, index] {
        WindowRegistry& registry = WindowRegistry::instance();
        const int code = registry.windowCode();
        const PatternSource* source = patternSourceFor(code, "TForm25");
        const CalculatorDescriptor* caller = findByCode(code);
        if (!source || !caller || index >= source->curveCharts.size() || index >= charts_.size()) return;
        callerCode_ = code;
        const CurveChart& curve = source->curveCharts[index];
        ChartPanel* chart = charts_[index];
        chart->clear();
        pages_->setCurrentWidget(chart);
        const FieldTexts fields = registry.fieldTexts(QString::fromStdString(caller->windowClass));
        if (curve.refusal)
            if (const auto message = curve.refusal(fields)) {
                registry.seam().message(this, MessageKind::Information, QString::fromStdString(*message));
                return;
            }
        const std::vector<CurvePoint> points = curve.points(fields);
        const ChartPage& page = kPages[index];
        chart->setBottomAxisFixed(page.bottomMin, page.bottomMax);
        chart->setLeftAxisFixed(page.leftMin, page.leftMax);
        std::vector<QPointF> series;
        series.reserve(points.size());
        for (const CurvePoint& p : points) series.emplace_back(static_cast<double>(p.x), static_cast<double>(p.y[0]));
        chart->setPoints(series);
    });
}

void ElementCountWindow::setCurveChartTitle(std::size_t index, const QString& title)
{
    if (index < charts_.size()) charts_[index]->setTitle(title);
}

void ElementCountWindow::printCommand()
{
    guarded([] {
        WindowRegistry& registry = WindowRegistry::instance();
        registry.setWindowCode(kOwnCode);
        registry.openOrShowModal("Tfrmprint");
    });
}

QStringList ElementCountWindow::chartTitles() const
{
    QStringList titles;
    for (const ChartPanel* c : charts_) titles.append(c->title());
    return titles;
}

QWidget* ElementCountWindow::chartView(int index) const
{
    return index >= 0 && index < static_cast<int>(charts_.size()) ? charts_[static_cast<std::size_t>(index)]->view()
                                                                  : nullptr;
}

void ElementCountWindow::repaintChart(int index)
{
    if (index >= 0 && index < static_cast<int>(charts_.size()))
        charts_[static_cast<std::size_t>(index)]->repaintChart();
}

// Back to the calculator the charts were drawn for (after printing the
// current code is this window's own, so the caller is remembered).
void ElementCountWindow::closeEvent(QCloseEvent* event)
{
    if (const CalculatorDescriptor* caller = findByCode(callerCode_))
        if (QWidget* window = WindowRegistry::instance().find(QString::fromStdString(caller->windowClass))) {
            window->showNormal();
            window->raise();
            window->activateWindow();
        }
    QMainWindow::closeEvent(event);
}

}  // namespace ondarel
