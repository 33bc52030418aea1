// SPDX-License-Identifier: MIT
// The evaluator on the shapes of input that cost the most per character, at about 1,000,
// 8,000 and 32,767 characters (the most the window's input line holds), so that the growth
// of the cost with the length shows. Each text repeats one term, joined by a separator, for
// as long as the next term still fits.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/engine.h"

namespace {

std::string FullLine(const std::string& term, const std::string& separator, int64_t length,
                     const std::string& tail = "") {
    std::string text = term;
    while (static_cast<int64_t>(text.size() + separator.size() + term.size() + tail.size()) <=
           length) {
        text += separator;
        text += term;
    }
    return text + tail;
}

void Evaluate(benchmark::State& state, const std::string& text,
              const std::string& previousOutput = "") {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            vimbo::EvaluateExpression(text, previousOutput, vimbo::AngleMode::Degrees));
    }
    state.SetComplexityN(static_cast<int64_t>(text.size()));
    state.counters["chars"] = static_cast<double>(text.size());
}

// The shapes of the report that started this work.
void BM_LineOfSquareRoots(benchmark::State& state) {  // the last "sqr(" is taken first
    Evaluate(state, FullLine("sqr(2)", "+", state.range(0)));
}
void BM_LineOfSines(benchmark::State& state) {
    Evaluate(state, FullLine("sin(1)", "+", state.range(0)));
}
void BM_LineOfAns(benchmark::State& state) {
    Evaluate(state, FullLine("ans", "+", state.range(0)), "2");
}
void BM_LineOfNegatedProducts(benchmark::State& state) {
    Evaluate(state, FullLine("-(1)", "*", state.range(0)));
}
void BM_LineOfGroupsSideBySide(benchmark::State& state) {
    Evaluate(state, FullLine("(1)", "", state.range(0)));
}
void BM_LineOfGroupSums(benchmark::State& state) {
    Evaluate(state, FullLine("(2)", "+", state.range(0)));
}
void BM_LineOfFractionFactorials(benchmark::State& state) {
    Evaluate(state, FullLine("0.5!", "+", state.range(0)));
}
void BM_LineOfOnes(benchmark::State& state) {
    Evaluate(state, FullLine("1", "+", state.range(0)));
}

// Further shapes that were slow: the sine and the square root taken alternately from both
// ends; powers of groups, which the group step passes over; a product with a negative
// factor, whose sign pair is rewritten at every pass; a chain of powers before a sum, searched
// from the end; nested negated groups; groups nested to the depth limit.
void BM_LineOfSinesAndCosines(benchmark::State& state) {
    Evaluate(state, FullLine("sin(1)+cos(1)", "+", state.range(0)));
}
void BM_LineOfGroupPowers(benchmark::State& state) {
    Evaluate(state, FullLine("(1)", "^", state.range(0)));
}
void BM_LineOfGroupSquares(benchmark::State& state) {
    Evaluate(state, FullLine("(1)^2", "+", state.range(0)));
}
void BM_LineOfNegativeFactors(benchmark::State& state) {
    Evaluate(state, FullLine("1*-1", "-", state.range(0)));
}
void BM_LineOfPowersThenSum(benchmark::State& state) {
    const int64_t half = state.range(0) / 2;
    Evaluate(state, FullLine("1", "^", half) + "+" + FullLine("1", "+", state.range(0) - half - 1));
}
void BM_LineOfNestedNegatedGroups(benchmark::State& state) {
    const int64_t depth = (state.range(0) - 1) / 5;
    std::string text;
    for (int64_t i = 0; i < depth; ++i) {
        text += "2*-(";
    }
    Evaluate(state, text + "1" + std::string(static_cast<std::size_t>(depth), ')'));
}
void BM_LineOfNestedSquareRoots(benchmark::State& state) {
    const auto depth = static_cast<std::size_t>((state.range(0) - 1) / 5);
    std::string text;
    for (std::size_t i = 0; i < depth; ++i) {
        text += "sqr(";
    }
    Evaluate(state, text + "2" + std::string(depth, ')'));
}
void BM_LineNestedToTheDepthLimit(benchmark::State& state) {
    const std::string brackets(99, '(');
    Evaluate(state, brackets + FullLine("1", "+", state.range(0) - 198) + std::string(99, ')'));
}
void BM_LineOfDistinctFractionFactorials(benchmark::State& state) {
    std::string text = "1.01!";
    for (int i = 102; text.size() + 7 <= static_cast<std::size_t>(state.range(0)); ++i) {
        if (i % 100 != 0) {
            text += "+" + std::to_string(i / 100) + "." + std::to_string(i % 100 / 10) +
                    std::to_string(i % 10) + "!";
        }
    }
    Evaluate(state, text);
}

#define VIMBO_FULL_LINE(name)           \
    BENCHMARK(name)                     \
        ->Arg(1000)                     \
        ->Arg(8000)                     \
        ->Arg(32767)                    \
        ->Unit(benchmark::kMillisecond) \
        ->Complexity(benchmark::oAuto)

VIMBO_FULL_LINE(BM_LineOfSquareRoots);
VIMBO_FULL_LINE(BM_LineOfSines);
VIMBO_FULL_LINE(BM_LineOfAns);
VIMBO_FULL_LINE(BM_LineOfNegatedProducts);
VIMBO_FULL_LINE(BM_LineOfGroupsSideBySide);
VIMBO_FULL_LINE(BM_LineOfGroupSums);
VIMBO_FULL_LINE(BM_LineOfFractionFactorials);
VIMBO_FULL_LINE(BM_LineOfOnes);
VIMBO_FULL_LINE(BM_LineOfSinesAndCosines);
VIMBO_FULL_LINE(BM_LineOfGroupPowers);
VIMBO_FULL_LINE(BM_LineOfGroupSquares);
VIMBO_FULL_LINE(BM_LineOfNegativeFactors);
VIMBO_FULL_LINE(BM_LineOfPowersThenSum);
VIMBO_FULL_LINE(BM_LineOfNestedNegatedGroups);
VIMBO_FULL_LINE(BM_LineOfNestedSquareRoots);
VIMBO_FULL_LINE(BM_LineNestedToTheDepthLimit);
VIMBO_FULL_LINE(BM_LineOfDistinctFractionFactorials);

}  // namespace
