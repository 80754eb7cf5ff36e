// Drawing budgets: both polar diagrams filled and drawn (< 5 ms), the
// rectangular chart filled (< 20 ms), and a calculator's "Gráfico 2D"
// ("P&olar" plus "&Retangular") end to end (< 25 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "antennas/wire/wire_patterns.h"
#include "app/window_factories.h"
#include "framework/calculator_window.h"
#include "framework/painter_canvas.h"
#include "framework/window_registry.h"
#include "plots/chart_panel.h"
#include "plots/pattern_window.h"

namespace {

using namespace ondarel;

void PolarFillAndDrawBoth(benchmark::State& state)
{
    QImage image(325, 325, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const auto tables = infinitesimalDipolePolarTables();
        for (const PatternTable* table : {&tables.e, &tables.h}) {
            QPainter painter(&image);
            PainterCanvas canvas(painter);
            canvas.setFont(CanvasFont{"MS Sans Serif", 13, true});
            drawPolarDiagram(canvas, *table, PolarFrame{152, 150, 100});
        }
    }
}
BENCHMARK(PolarFillAndDrawBoth)->Unit(benchmark::kMillisecond);

void RectangularChartFill(benchmark::State& state)
{
    ChartPanel chart;
    chart.resize(640, 300);
    for (auto _ : state) {
        chart.clear();
        chart.setLeftAxisFixed(-35, 0);
        chart.setPoints(rectangularPoints([] { return infinitesimalDipoleFieldTable(); }));
    }
}
BENCHMARK(RectangularChartFill)->Unit(benchmark::kMillisecond);

// The calculator window's "Gráfico 2D" command, window already open.
void Graph2D(benchmark::State& state, const QString& windowClass, std::vector<std::pair<QString, QString>> inputs)
{
    auto* w = qobject_cast<CalculatorWindow*>(WindowRegistry::instance().openOrShow(windowClass));
    for (const auto& [field, text] : inputs) w->field(field)->setText(text);
    w->Grafico2D1Click();
    for (auto _ : state) {
        w->Grafico2D1Click();
        QApplication::processEvents();
    }
    WindowRegistry::instance().closeAll();
}

const bool registered = [] {
    const std::vector<std::tuple<const char*, QString, std::vector<std::pair<QString, QString>>>> cases = {
        {"Graph2D/dip", "TForm2", {{"input1", "100"}, {"input2", "0.01"}}},
        {"Graph2D/abd", "TForm5", {{"input2", "10"}, {"input3", "0.25"}}},
        {"Graph2D/aef", "TForm7", {{"input2", "10"}, {"input3", "0.25"}}},
        {"Graph2D/ahw", "TForm37", {{"Numero", "10"}, {"Espaco", "0.25"}}},
        {"Graph2D/aph", "TForm11", {{"imput2", "10"}, {"imput3", "0.25"}, {"imput4", "60"}, {"output2", "60"}}},
        {"Graph2D/apl",
         "TForm6",
         {{"input1", "30"},
          {"input2", "45"},
          {"input3", "0.5"},
          {"input4", "0.5"},
          {"input5", "10"},
          {"input6", "10"}}},
        {"Graph2D/aru", "TForm13", {{"input1", "2"}, {"input2", "3"}}},
        {"Graph2D/art", "TForm27", {{"input1", "2"}, {"input2", "3"}}},
        {"Graph2D/acu", "TForm26", {{"input1", "3.3"}}},
        {"Graph2D/act", "TForm30", {{"input1", "3.3"}}},
        {"Graph2D/aec", "TForm10", {{"input1", "300"}, {"input2", "0.1"}}},
        {"Graph2D/mng", "TForm12", {{"input4", "0.05"}}},
        {"Graph2D/mag", "TForm8", {{"input1", "300"}, {"output1", "0.231"}, {"output7", "2.888"}}},
        // The line feed's results, so that "Rr x L" draws rather than refuses.
        {"Graph2D/mcr",
         "TForm16",
         {{"Freq", "10"},
          {"constdiel", "2.2"},
          {"altura", "0.1588"},
          {"Comp", "0.906"},
          {"Largura", "1.186"},
          {"impedancia", "228.411"},
          {"Dista", "0.313"}}},
        {"Graph2D/mcc", "TForm17", {{"freq", "10"}, {"altura2", "0.1588"}, {"Raioatual", "0.525"}}},
    };
    for (const auto& [name, windowClass, inputs] : cases)
        benchmark::RegisterBenchmark(name, Graph2D, windowClass, inputs)->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerWindows();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
