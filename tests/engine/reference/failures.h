// SPDX-License-Identifier: MIT
// How a step of the reference evaluator fails.
#pragma once

#include <exception>

namespace vimbo::reference {

// Ends the call with "Error".
class Failure : public std::exception {
  public:
    const char* what() const noexcept override { return "error"; }
};

// Unbalanced parentheses: "Syntax error" from the outermost call, "Error" from a nested one.
class SyntaxFailure : public std::exception {
  public:
    const char* what() const noexcept override { return "syntax error"; }
};

}  // namespace vimbo::reference
