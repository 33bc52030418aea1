// SPDX-License-Identifier: MIT
// The text routines the rewriting evaluator rests on: where an operand next to an operator
// ends, whether a text is a plain number, and how often a character occurs.
// Positions are 1-based, as the evaluator counts them.
#pragma once

#ifndef VIMBO_ENGINE_INTERNALS
#error "an internal header of the engine: outside the engine and its tests, include engine/engine.h"
#endif

#include <cstdint>
#include <string_view>

#include "engine/engine.h"  // IsPlainNumber

namespace vimbo {

struct OperandScan {
    std::int32_t boundary = 0;  // last character (rightwards) or first character (leftwards)
    bool endsWithPercent = false;
    bool endsWithFactorial = false;
    bool isParenthesized = false;
};

// Scans from the operator at `start` (never examined itself) to the right (backward false)
// or to the left (backward true).
OperandScan ScanOperand(std::string_view text, std::int32_t start, bool backward);

// Occurrences of a one-character text; 0 for an empty searched-for text.
std::int32_t CountOccurrences(std::string_view text, std::string_view character);

}  // namespace vimbo
