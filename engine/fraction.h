// SPDX-License-Identifier: MIT
// The fraction search of the ">frac" command.
#pragma once

#ifndef VIMBO_ENGINE_INTERNALS
#error "an internal header of the engine: outside the engine and its tests, include engine/engine.h"
#endif

#include <string>

namespace vimbo {

// The first fraction j/k (k increasing) whose 15-digit number text equals that of x, or the
// number text of x when the search overflows 32 bits or uses up its 1,000,000 steps.
std::string ToFractionText(double x);

}  // namespace vimbo
