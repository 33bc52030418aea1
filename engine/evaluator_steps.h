// SPDX-License-Identifier: MIT
// The steps of EvaluateExpression shared between the reduction loop (evaluator.cpp) and the
// steps it calls: the function step (function_step.cpp), the lone-operand rule
// (lone_operand.cpp) and the postfix commands (postfix_commands.cpp). Internal to the engine.
#pragma once

#ifndef VIMBO_ENGINE_INTERNALS
#error "an internal header of the engine: outside the engine and its tests, include engine/engine.h"
#endif

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "engine/expression_text.h"

namespace vimbo::detail {

// Groups and function calls nest by recursion; beyond this depth an evaluation ends in
// "Error". It bounds the stack and the memory (every level holds a copy of its inner text)
// far beyond anything typed by hand.
inline constexpr int kMaxNestingDepth = 100;

struct EvalContext {
    std::string_view previousOutput;
    AngleMode angleMode;
    int depth = 0;
};

// Unbalanced parentheses: only the outermost call reports it as "Syntax error".
class SyntaxFailure : public std::exception {
  public:
    const char* what() const noexcept override { return "syntax error"; }
};

// Raises the engine's error that every failure other than a syntax failure becomes.
[[noreturn]] void Fail();

// One whole evaluation; raises on failure.
std::string EvaluateOrRaise(std::string_view text, const EvalContext& context);

// A group's inner text or a function's argument, evaluated one level deeper. Returns a
// text that IsPlainNumber accepts; raises otherwise.
std::string EvaluateNested(std::string_view inner, const EvalContext& context);

// Evaluates one function call and rewrites it; false when the text calls none.
bool FunctionStep(ExpressionText& text, const EvalContext& context);

// A text with no operator left: "!" first, then "%", whatever their written order.
void LoneOperandRule(ExpressionText& text);

// ">roundto(" then ">frac", looked for in the normalised text from its first ">" on (where
// every command starts); `expression` is a plain number.
std::string ApplyPostfixCommands(std::string_view commands, std::string expression);

// Value of an operand text as ScanOperand delimited it, its postfix signs applied: for "^"
// the per cent first and then the factorial, for the other operators the other way round.
double OperandValue(std::string_view operand, bool endsWithPercent, bool endsWithFactorial,
                    bool forPower);

}  // namespace vimbo::detail
