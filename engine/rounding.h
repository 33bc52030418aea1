// SPDX-License-Identifier: MIT
// The two postfix commands' routines: rounding to decimal places and the fraction search.
#pragma once

#ifndef VIMBO_ENGINE_INTERNALS
#error "an internal header of the engine: outside the engine and its tests, include engine/engine.h"
#endif

#include <cstdint>
#include <string>

namespace vimbo {

// Half away from zero, judged on the double product 10^n * x. Raises overflow when 10^n or
// 10^n * x lies beyond the double range, and an invalid operation when 10^n is 0.
double RoundToPlaces(double x, std::int32_t n);

// The first fraction j/k (k increasing) whose 15-digit number text equals that of x, or the
// number text of x when the search overflows 32 bits or uses up its 1,000,000 steps.
std::string ToFractionText(double x);

namespace detail {
// The search exactly as first written, comparing two formatted texts at every step.
// Kept as the reference the fast search is proven against.
std::string ToFractionTextLiteral(double x);
}  // namespace detail

}  // namespace vimbo
