// SPDX-License-Identifier: MIT
// One run of the command-line evaluator: the context that carries from one expression to
// the next, as the window's output line carries it.
#pragma once

#include <string>
#include <string_view>

#include "engine/engine.h"

namespace vimbo {

struct EvalOptions {
    AngleMode angleMode = AngleMode::Degrees;
    std::string previousOutput;  // what "ans" means for the first expression
    bool decimals = false;       // results formatted with "0.00", as the window's option does
};

class EvalSession {
  public:
    explicit EvalSession(EvalOptions options);

    // The result line for one input line (its line end already removed). An empty line
    // gives an empty line and changes nothing, like Enter on an empty input line.
    std::string EvaluateLine(std::string_view line);

    // True once any result was "Syntax error" or "Error".
    bool anyFailure() const { return anyFailure_; }

  private:
    EvalOptions options_;
    bool anyFailure_ = false;
};

// Removes one line end (LF, CR LF) from a line as read.
std::string_view StripLineEnd(std::string_view line);

}  // namespace vimbo
