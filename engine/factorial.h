// SPDX-License-Identifier: MIT
// The factorial, of whole numbers by the product and of fractions as Gamma(x + 1). Raises
// EngineError on overflow and on negative whole numbers; never returns an infinity.
#pragma once

#ifndef VIMBO_ENGINE_INTERNALS
#error "an internal header of the engine: outside the engine and its tests, include engine/engine.h"
#endif

namespace vimbo {

double Factorial(double x);

}  // namespace vimbo
