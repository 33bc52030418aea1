// SPDX-License-Identifier: MIT
// Preparing an expression text for the reduction loop: normalisation (case, spaces, "pi" and
// "ans"), the multiplications left implicit next to parentheses, and the sign rules.
#pragma once

#ifndef VIMBO_ENGINE_INTERNALS
#error "an internal header of the engine: outside the engine and its tests, include engine/engine.h"
#endif

#include <string>
#include <string_view>

#include "engine/expression_text.h"

namespace vimbo::detail {

// Lower-casing (ASCII only), spaces removed, "pi" and "ans" substituted. "ans" is
// substituted by the outermost call only: a nested text holds the previous output already,
// and substituting it again would let a previous output that itself holds "ans" (possible
// from the command line) grow the text at every level.
std::string Normalise(std::string_view input, std::string_view previousOutput, bool substituteAns);

// The multiplications the user left implicit next to parentheses, and negated groups.
// One forward pass over the parentheses: a ")" followed by a digit or "(" gets a "*" after
// it; a "(" after a digit or ")" gets a "*" in front, one after a "-" gets "1*" in front,
// unless the "-" follows "*" or "/": then the "-" and the whole group become "(-1*" + the
// group + ")". A "(" at position 1 is never handled, nor any "(" in front of the first ")"
// after it.
void InsertImplicitMultiplication(std::string& text);

// The sign rules "--", "+-", "-+" and "++" where two signs may stand together.
void RewriteSignPairs(ExpressionText& text);

}  // namespace vimbo::detail
