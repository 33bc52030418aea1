// SPDX-License-Identifier: MIT
// Rounding to decimal places, for the ">roundto(" command.
#pragma once

#ifndef VIMBO_ENGINE_INTERNALS
#error "an internal header of the engine: outside the engine and its tests, include engine/engine.h"
#endif

#include <cstdint>

namespace vimbo {

// Half away from zero, judged on the double product 10^n * x. Raises overflow when 10^n or
// 10^n * x lies beyond the double range, and an invalid operation when 10^n is 0.
double RoundToPlaces(double x, std::int32_t n);

}  // namespace vimbo
