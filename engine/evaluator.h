// SPDX-License-Identifier: MIT
// EvaluateExpression: one expression text in, one result text out, by rewriting the text.
#pragma once

#include <string>
#include <string_view>

namespace vimbo {

// `previousOutput` is what "ans" refers to (the window's output line); `angleMode` is
// "DEG", "RAD" or "GRAD". The result is a number text, a fraction text, "Syntax error" or
// "Error"; never empty. Never throws.
// The two failure results.
inline constexpr std::string_view kSyntaxErrorText = "Syntax error";
inline constexpr std::string_view kErrorText = "Error";

std::string EvaluateExpression(std::string_view text, std::string_view previousOutput,
                               std::string_view angleMode);

}  // namespace vimbo
