// SPDX-License-Identifier: MIT
// The fraction search on the values that use all its steps, on a near miss, and on everyday
// fractions; the literal search once for comparison; and rounding to decimal places.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "engine/fraction.h"
#include "engine/rounding.h"
#include "tests/engine/reference/literal_fraction.h"

namespace {

void Fraction(benchmark::State& state, double x) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(vimbo::ToFractionText(x));
    }
}

void BM_FractionPiAllSteps(benchmark::State& state) {
    Fraction(state, 3.141592653589793);
}
BENCHMARK(BM_FractionPiAllSteps)->Unit(benchmark::kMillisecond);

void BM_FractionTenMillionthAllSteps(benchmark::State& state) {
    Fraction(state, 1e-7);
}
BENCHMARK(BM_FractionTenMillionthAllSteps)->Unit(benchmark::kMillisecond);

// 1/3 comes back at every multiple of 3 and is close enough to need its text once.
void BM_FractionNearMissOfAThird(benchmark::State& state) {
    Fraction(state, 0.333333333333334);
}
BENCHMARK(BM_FractionNearMissOfAThird)->Unit(benchmark::kMillisecond);

void BM_FractionThreeQuarters(benchmark::State& state) {
    Fraction(state, 0.75);
}
BENCHMARK(BM_FractionThreeQuarters)->Unit(benchmark::kMicrosecond);

void BM_FractionTwelvePointThreeFour(benchmark::State& state) {
    Fraction(state, 617.0 / 50.0);
}
BENCHMARK(BM_FractionTwelvePointThreeFour)->Unit(benchmark::kMicrosecond);

void BM_FractionThreeFiftyFiveOverOneThirteen(benchmark::State& state) {
    Fraction(state, 355.0 / 113.0);
}
BENCHMARK(BM_FractionThreeFiftyFiveOverOneThirteen)->Unit(benchmark::kMicrosecond);

void BM_FractionLiteralPiAllSteps(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(vimbo::reference::ToFractionTextLiteral(3.141592653589793));
    }
}
BENCHMARK(BM_FractionLiteralPiAllSteps)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RoundToPlaces(benchmark::State& state) {
    double x = 2.0 / 3.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(vimbo::RoundToPlaces(x, std::int32_t{2}));
    }
}
BENCHMARK(BM_RoundToPlaces);

}  // namespace
