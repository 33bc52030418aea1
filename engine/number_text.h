// SPDX-License-Identifier: MIT
// Number text: the one text form in which every number stands inside an expression and
// every result leaves the engine (at most 15 significant digits, "." as the separator,
// exponent forms such as 1E+20 and 1.5E-07).
#pragma once

#ifndef VIMBO_ENGINE_INTERNALS
#error "an internal header of the engine: outside the engine and its tests, include engine/engine.h"
#endif

#include <string>
#include <string_view>

namespace vimbo {

// Written form: the value rounded to 15 significant digits (ties to even, like the C
// library), positional for decimal exponents -4..14 and exponent form outside.
// Raises the overflow error for an infinity and the invalid operation for a NaN.
std::string NumberText(double value);

// Read form of a text that IsPlainNumber accepts: optional sign, digits with at most one
// ".", "," skipped as a group separator, optional exponent with "E" or "e"; blanks around
// are allowed. Raises the overflow error when the value lies beyond the double range.
double ReadNumberText(std::string_view text);

}  // namespace vimbo
