// SPDX-License-Identifier: MIT
// The evaluator on its worked traces, a mix of everyday inputs, and sums whose length grows,
// so that the growth of the cost with the length of the expression shows.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/engine.h"

namespace {

void Evaluate(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(vimbo::EvaluateExpression(text, "", vimbo::AngleMode::Degrees));
    }
}

void BM_WorkedTracePowerAndFactorial(benchmark::State& state) {
    Evaluate(state, "2(1+3)^2-5!/4");
}
BENCHMARK(BM_WorkedTracePowerAndFactorial);

void BM_WorkedTraceNegatedGroup(benchmark::State& state) {
    Evaluate(state, "10-2*-(1+4)");
}
BENCHMARK(BM_WorkedTraceNegatedGroup);

void BM_EdgeCaseMix(benchmark::State& state) {
    const std::vector<std::string> inputs = {
        "2(3)4",          "2^3^2",  "-2^-2",        "3-(-2)^2",     "2*-((1)+2)", "2pi",
        "7 mod 3",        "1+1e-5", "10^20-5",      "sqr(2)^2",     "--5.0",      "2)(3",
        "sin(30)",        "atn(1)", "log(100)",     "200+5%",       "10!/9!",     "2^50%",
        "2/3>roundto(2)", "7>junk", "sqr(sqr(16))", "(sin(180)+1)", "1/0",        "0.5!"};
    for (auto _ : state) {
        for (const std::string& text : inputs) {
            benchmark::DoNotOptimize(
                vimbo::EvaluateExpression(text, "", vimbo::AngleMode::Degrees));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(inputs.size()));
}
BENCHMARK(BM_EdgeCaseMix);

std::string SumOf(int64_t terms, const std::string& term) {
    std::string text = term;
    for (int64_t i = 1; i < terms; ++i) {
        text += "+" + term;
    }
    return text;
}

void BM_SumOfTerms(benchmark::State& state) {
    const std::string text = SumOf(state.range(0), "1");
    Evaluate(state, text);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SumOfTerms)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(16384)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

void BM_SumOfDecimalTerms(benchmark::State& state) {
    Evaluate(state, SumOf(state.range(0), "1.25"));
}
BENCHMARK(BM_SumOfDecimalTerms)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

void BM_SumOfGroups(benchmark::State& state) {
    Evaluate(state, SumOf(state.range(0), "(2)"));
}
BENCHMARK(BM_SumOfGroups)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_SumOfFunctions(benchmark::State& state) {
    Evaluate(state, SumOf(state.range(0), "sqr(4)"));
}
BENCHMARK(BM_SumOfFunctions)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_DeepNestingRejected(benchmark::State& state) {
    Evaluate(state, std::string(100000, '(') + "1");
}
BENCHMARK(BM_DeepNestingRejected)->Unit(benchmark::kMillisecond);

void BM_FactorialOfFraction(benchmark::State& state) {
    Evaluate(state, "0.5!");
}
BENCHMARK(BM_FactorialOfFraction);

}  // namespace
