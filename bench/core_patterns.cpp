// Pattern tables without drawing: the arithmetic part of "P&olar" and
// "&Retangular" for each window code.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "antennas/wire/wire_patterns.h"
#include "catalogue/catalogue.h"
#include "core/rectangular_levels.h"
#include "plots/pure/render3d.h"

namespace {

void WirePolarTables(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(ondarel::infinitesimalDipolePolarTables());
}
BENCHMARK(WirePolarTables);

void WireRectangularPoints(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ondarel::rectangularPoints([] { return ondarel::infinitesimalDipoleFieldTable(); }));
}
BENCHMARK(WireRectangularPoints);

// Field texts that every array calculator's pattern reads.
std::string arrayField(std::string_view name)
{
    static const std::map<std::string, std::string, std::less<>> texts = {
        {"input1", "30"}, {"input2", "45"},  {"input3", "0.5"}, {"input4", "0.5"},
        {"input5", "10"}, {"input6", "10"},  {"imput2", "10"},  {"imput3", "0.25"},
        {"imput4", "60"}, {"output2", "60"}, {"Numero", "10"},  {"Espaco", "0.25"}};
    const auto it = texts.find(name);
    if (it != texts.end()) return it->second;
    return "";
}

// Both polar tables and the chart, as the array pattern window asks its
// caller's pattern source for them.
void ArrayTables(benchmark::State& state)
{
    const ondarel::PatternSource& source = *ondarel::patternSourceFor(static_cast<int>(state.range(0)), "TForm28");
    for (auto _ : state) {
        benchmark::DoNotOptimize(source.polarTables(arrayField));
        benchmark::DoNotOptimize(source.chartPoints(arrayField));
    }
}
BENCHMARK(ArrayTables)->Arg(5)->Arg(6)->Arg(7)->Arg(11)->Arg(37);

// "P&olar" plus "&Retangular" of the aperture pattern window: both tables
// and the chart. Budget: under 25 ms together.
std::string apertureField(std::string_view name) { return name == "input1" ? "3.3" : name == "input2" ? "3" : ""; }

void ApertureTables(benchmark::State& state)
{
    const ondarel::PatternSource& source = *ondarel::patternSourceFor(static_cast<int>(state.range(0)), "TForm39");
    for (auto _ : state) {
        benchmark::DoNotOptimize(source.chartPoints(apertureField));
        benchmark::DoNotOptimize(source.polarTables(apertureField));
    }
}
BENCHMARK(ApertureTables)->Arg(13)->Arg(27)->Arg(26)->Arg(30)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The whole 3D rendering at the default view and resolution: the pattern
// surface and axes into the depth buffer, then the shading.
void Render3d(benchmark::State& state)
{
    const int code = static_cast<int>(state.range(0));
    const ondarel::CalculatorDescriptor* d = ondarel::findByCode(code);
    const ondarel::PatternFunction f = d->pattern->source.function(arrayField);
    for (auto _ : state) {
        const ondarel::DepthBuffer buffer = ondarel::renderPattern(f, false, ondarel::View3d{});
        ondarel::Picture3d picture;
        ondarel::shadeDepthBuffer(buffer, ondarel::Palette3d{}, ondarel::kRenderLight, ondarel::kShadeStep, picture);
        benchmark::DoNotOptimize(picture.pixels.data());
    }
}
BENCHMARK(Render3d)->Arg(2)->Arg(5)->Arg(6)->Unit(benchmark::kMillisecond);

// Field texts the loop and the helices' patterns read: a finite loop (the
// Bessel-function case) and a computed axial helix.
std::string wireField(std::string_view name)
{
    static const std::map<std::string, std::string, std::less<>> texts = {
        {"input1", "300"}, {"input2", "0.1"}, {"input4", "0.05"}, {"output1", "0.231"}, {"output7", "2.888"}};
    const auto it = texts.find(name);
    return it == texts.end() ? "" : it->second;
}

void WireTables(benchmark::State& state)
{
    const ondarel::PatternSource& source = *ondarel::patternSourceFor(static_cast<int>(state.range(0)), "TForm3");
    for (auto _ : state) {
        benchmark::DoNotOptimize(source.polarTables(wireField));
        benchmark::DoNotOptimize(source.chartPoints(wireField));
    }
}
BENCHMARK(WireTables)->Arg(8)->Arg(10)->Arg(12);

// The finite dipole's three curve charts together: 180 + 180 points of
// sine and cosine integrals and 399 pattern maxima of 400 samples.
void FiniteDipoleCurves(benchmark::State& state)
{
    const ondarel::PatternSource& source = *ondarel::patternSourceFor(4, "TForm38");
    const ondarel::FieldTexts texts = [](std::string_view name) -> std::string {
        return name == "input2" ? "0.5" : name == "input3" ? "0.001" : "";
    };
    for (auto _ : state)
        for (const auto& chart : source.curveCharts) benchmark::DoNotOptimize(chart.points(texts));
}
BENCHMARK(FiniteDipoleCurves)->Unit(benchmark::kMillisecond);

// A patch's polar pair, its two-plane chart and its resistance curves.
void PatchDiagrams(benchmark::State& state)
{
    const int code = static_cast<int>(state.range(0));
    const ondarel::PatternSource& source = *ondarel::patternSourceFor(code, code == 16 ? "TForm22" : "TForm24");
    const ondarel::FieldTexts texts = [](std::string_view name) -> std::string {
        for (const auto& [field, text] :
             std::vector<std::pair<std::string_view, const char*>>{{"Freq", "10"},
                                                                   {"freq", "10"},
                                                                   {"constdiel", "2.2"},
                                                                   {"altura", "0.1588"},
                                                                   {"altura2", "0.1588"},
                                                                   {"Comp", "0.906"},
                                                                   {"Largura", "1.186"},
                                                                   {"impedancia", "228.411"},
                                                                   {"Dista", "0.313"},
                                                                   {"Raioatual", "0.525"}})
            if (field == name) return text;
        return "";
    };
    for (auto _ : state) {
        benchmark::DoNotOptimize(source.polarTables(texts));
        for (const auto& chart : source.curveCharts) benchmark::DoNotOptimize(chart.points(texts));
    }
}
BENCHMARK(PatchDiagrams)->Arg(16)->Arg(17)->Unit(benchmark::kMillisecond);

// The four Yagi-Uda element-count charts around N = 6. Budget: under 20 ms.
void ElementCountCharts(benchmark::State& state)
{
    const ondarel::PatternSource& source = *ondarel::patternSourceFor(14, "TForm25");
    const ondarel::FieldTexts texts = [](std::string_view name) -> std::string {
        return name == "output1" ? "6" : "";
    };
    for (auto _ : state)
        for (const auto& chart : source.curveCharts) benchmark::DoNotOptimize(chart.points(texts));
}
BENCHMARK(ElementCountCharts)->Unit(benchmark::kMicrosecond);

}  // namespace
