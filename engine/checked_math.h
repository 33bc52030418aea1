// SPDX-License-Identifier: MIT
// Double arithmetic that raises instead of producing an infinity or a not-a-number.
// Underflow is not an error: tiny results become 0 or subnormal as the hardware gives them.
#pragma once

#ifndef VIMBO_ENGINE_INTERNALS
#error "an internal header of the engine: outside the engine and its tests, include engine/engine.h"
#endif

#include <cmath>

#include "engine/errors.h"

namespace vimbo::checked {

// A result that left the finite range: overflow for an infinity, invalid operation for a NaN.
inline double Check(double r) {
    if (std::isnan(r)) {
        Raise(ErrorKind::InvalidOperation);
    }
    if (std::isinf(r)) {
        Raise(ErrorKind::Overflow);
    }
    return r;
}

inline double Add(double a, double b) {
    return Check(a + b);
}
inline double Sub(double a, double b) {
    return Check(a - b);
}
inline double Mul(double a, double b) {
    return Check(a * b);
}

inline double Div(double a, double b) {
    if (b == 0.0) {
        Raise(a == 0.0 ? ErrorKind::InvalidOperation : ErrorKind::DivisionByZero);
    }
    return Check(a / b);
}

// The platform's power: a negative base with a fractional exponent and zero to a negative
// power are failures.
inline double Pow(double base, double exponent) {
    if (base == 0.0 && exponent < 0.0) {
        Raise(ErrorKind::DivisionByZero);
    }
    if (base < 0.0 && exponent != std::trunc(exponent)) {
        Raise(ErrorKind::InvalidOperation);
    }
    return Check(std::pow(base, exponent));
}

inline double Sqrt(double x) {
    if (x < 0.0) {
        Raise(ErrorKind::InvalidArgument);
    }
    return std::sqrt(x);
}

inline double Ln(double x) {
    if (x <= 0.0) {
        Raise(ErrorKind::InvalidArgument);
    }
    return std::log(x);
}

inline double Exp(double x) {
    return Check(std::exp(x));
}

}  // namespace vimbo::checked
