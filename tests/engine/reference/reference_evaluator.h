// SPDX-License-Identifier: MIT
// A plain evaluator that the engine's EvaluateExpression is compared with. It rewrites the
// text by the same steps, done the obvious way: every pass pairs the parentheses again by
// searching the text, looks up every function name again, and runs every step; nothing is
// remembered between passes. It shares with the engine only the leaf routines (number text,
// the operand scanner, the math library, rounding and fractions), so a difference points at
// the rewriting. Test support only: slow by design.
#pragma once

#include <string>
#include <string_view>

#include "engine/engine.h"

namespace vimbo::reference {

// Same contract as vimbo::EvaluateExpression: never throws, never returns an empty text.
std::string EvaluateExpression(std::string_view text, std::string_view previousOutput,
                               AngleMode angleMode);

}  // namespace vimbo::reference
