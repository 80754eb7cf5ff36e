// Exporting a wire design's NEC2 deck (budget: under 1 ms) and a 100-step
// sweep through the command-line tool (budget: under 50 ms).
#include <benchmark/benchmark.h>

#include <sstream>

#include "cli/commands.h"
#include "nec/nec_deck.h"

namespace {

const std::vector<std::pair<std::string, std::vector<long double>>> kDesigns = {
    {"dip", {100, 0.01L}},
    {"lin", {300, 0.5L, 0.001L, 5.7e7L}},
    {"aec", {300, 0.05L, 0.001L, 57600000, 1}},
    {"mag", {300, 10, 13, 1}},
    {"yud", {300, 10, 0.005L}},
    {"lpc", {300, 10}},
    {"lgp", {300, 100, 1, 0.9L, 0.15L}},
    {"dpd", {300, 73, 42.5L, 0.5L, 0.001L, 0.01L}},
    // 433 turns of a tiny helix: the largest deck of the worked examples.
    {"mng", {300, 1.76L, 12.5L, 0.05L, 0.01L}},
};

void ExportDeck(benchmark::State& state, const std::string& extension, std::vector<long double> inputs)
{
    for (auto _ : state) benchmark::DoNotOptimize(ondarel::nec::necDeck(extension, inputs));
}

void Sweep(benchmark::State& state, std::vector<std::string> args)
{
    for (auto _ : state) {
        std::ostringstream out, err;
        benchmark::DoNotOptimize(ondarel::cli::run(args, out, err));
    }
}

const bool registered = [] {
    for (const auto& [extension, inputs] : kDesigns)
        benchmark::RegisterBenchmark(("ExportNec/" + extension).c_str(), ExportDeck, extension, inputs);
    // 100 steps each; the finite dipole's pattern maximum makes it the slowest calculator.
    benchmark::RegisterBenchmark(
        "Sweep100/lin", Sweep,
        std::vector<std::string>{"sweep", "lin", "input1=300", "input2=0.11:1.1:0.01", "input3=0.001", "input4=5.7e7"});
    benchmark::RegisterBenchmark(
        "Sweep100/yud", Sweep,
        std::vector<std::string>{"sweep", "yud", "input1=300", "input2=5:14.9:0.1", "input3=0.005"});
    benchmark::RegisterBenchmark("Sweep100/lgp", Sweep,
                                 std::vector<std::string>{"sweep", "lgp", "input1=300:399:1", "input2=100", "input3=1",
                                                          "input4=0.9", "input5=0.15"});
    return true;
}();

}  // namespace
