// "Calcular" of every built calculator, through its descriptor as the window
// runs it. Budget: under 1 ms each.
#include <benchmark/benchmark.h>

#include "catalogue/catalogue.h"

namespace {

// Representative inputs by extension, in input order.
const std::vector<std::pair<std::string, std::vector<long double>>> kInputs = {
    {"dip", {100, 0.01L}},
    {"lin", {300, 0.5L, 0.001L, 5.7e7L}},
    {"lin", {300, 42.9L, 0.001L, 5.7e7L}},
    {"abd", {10, 0.25L}},
    {"aef", {10, 0.25L}},
    {"ahw", {10, 0.25L}},
    {"aph", {10, 0.25L, 60}},
    {"apl", {30, 45, 0.5L, 0.5L, 10, 10}},
    {"aru", {2, 3}},
    {"art", {2, 3}},
    {"acu", {2}},
    {"act", {2}},
    {"ctm", {100, 73, 42.5L, 0.004L, 0.002L, 0.025L, 0.05L}},
    {"csg", {100, 73, 42.5L, 0.004L, 0.002L, 0.025L, 0.05L}},
    {"dpd", {100, 73, 42.5L, 0.45L, 0.002L, 0.02L}},
    {"acl", {100, 73, 42.5L, 50}},
    {"aec", {300, 0.1L, 0.001L, 57600000, 2}},
    {"mng", {300, 1.76L, 12.5L, 0.05L, 0.01L}},
    {"mag", {300, 50, 13, 1}},
    {"mcr", {10, 2.2L, 0.1588L, 0.0009L, 50, 30, 5.8e7L, 2, 1, 0}},  // coaxial feed
    {"mcr", {10, 2.2L, 0.1588L, 0.0009L, 50, 30, 5.8e7L, 2, 0, 1}},  // line feed
    {"mcc", {10, 2.2L, 0.1588L, 0.0009L, 50, 5.8e7L, 2}},
    {"mar", {10, 2.2L, 0.0009L, 0.1588L, 2, 16, 16, 1.5L, 1.5L}},
    {"mac", {10, 2.2L, 0.0009L, 0.1588L, 2, 16, 16, 1.5L, 1.5L}},
    {"may", {10, 24, 2.2L, 0.1588L, 0.1L}},                    // 23 elements
    {"mal", {2, 0.964L, 0.178L, 2.2L, 100, 0.1588L, 0.2L}},  // 134 elements
    {"yud", {300, 20, 0.005L}},
    {"lpc", {300, 10}},
    {"lgp", {300, 100, 1, 0.9L, 0.15L}},
    {"lgp", {3000, 100, 1, 0.964L, 0.178L}},  // about 100 elements
};

void Calculate(benchmark::State& state, const std::string& extension, std::vector<long double> inputs)
{
    const ondarel::CalculatorDescriptor* d = ondarel::findByExtension(extension);
    if (!d || !d->implemented()) {
        state.SkipWithError("calculator not built");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(d->compute(inputs));
}

const bool registered = [] {
    for (const auto& [extension, inputs] : kInputs)
        benchmark::RegisterBenchmark(
            ("Calculate/" + extension + (extension == "lgp" ? "/fmax=" + std::to_string(int(inputs[0])) : "") +
             (extension == "lin" ? "/L=" + std::to_string(double(inputs[1])) : "")).c_str(),
            Calculate, extension, inputs);
    return true;
}();

}  // namespace
