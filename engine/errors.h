// SPDX-License-Identifier: MIT
// Failures raised inside the engine. Only EvaluateExpression catches them and turns
// them into its result texts "Syntax error" or "Error".
#pragma once

#ifndef VIMBO_ENGINE_INTERNALS
#error "an internal header of the engine: outside the engine and its tests, include engine/engine.h"
#endif

#include <stdexcept>

namespace vimbo {

enum class ErrorKind {
    InvalidArgument,   // error number 5: sqrt or log of a bad value, factorial of a negative whole
    Overflow,          // a result beyond the double range, or beyond a 32-bit count
    DivisionByZero,    // a non-zero number divided by zero
    InvalidOperation,  // 0/0 and the like: anything that would give a not-a-number
};

class EngineError : public std::runtime_error {
  public:
    explicit EngineError(ErrorKind kind);
    ErrorKind kind() const noexcept { return kind_; }

  private:
    ErrorKind kind_;
};

[[noreturn]] void Raise(ErrorKind kind);

}  // namespace vimbo
