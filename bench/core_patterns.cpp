// Pattern tables without drawing: the arithmetic part of "P&olar" and
// "&Retangular" for each window code.
#include <benchmark/benchmark.h>

#include "plots/pure/array_patterns.h"
#include "plots/pure/rectangular_levels.h"
#include "plots/pure/wire_patterns.h"

namespace {

void WirePolarTables(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(ondarel::wirePolarTables(2, {}));
}
BENCHMARK(WirePolarTables);

void WireRectangularPoints(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ondarel::rectangularPoints([] { return *ondarel::wireFieldTable(2, {}); }));
}
BENCHMARK(WireRectangularPoints);

ondarel::ArrayPatternValues arrayValues()
{
    ondarel::ArrayPatternValues v;
    v.elements = 10;
    v.spacing_norm = 0.25L;
    v.scan_polar_deg = v.scan_chart_deg = 60;
    v.theta0_deg = 30;
    v.phi0_deg = 45;
    v.dx_norm = v.dy_norm = 0.5L;
    v.elements_x = 10;
    return v;
}

void ArrayTables(benchmark::State& state)
{
    const int code = static_cast<int>(state.range(0));
    const auto v = arrayValues();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ondarel::arrayPolarTables(code, v));
        benchmark::DoNotOptimize(ondarel::arrayChartLevels(code, v));
    }
}
BENCHMARK(ArrayTables)->Arg(5)->Arg(6)->Arg(7)->Arg(11)->Arg(37);

}  // namespace
