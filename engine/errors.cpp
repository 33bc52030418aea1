// SPDX-License-Identifier: MIT
#include "engine/errors.h"

namespace vimbo {

namespace {
const char* Describe(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::InvalidArgument:
            return "invalid argument";
        case ErrorKind::Overflow:
            return "overflow";
        case ErrorKind::DivisionByZero:
            return "division by zero";
        case ErrorKind::InvalidOperation:
            return "invalid operation";
    }
    return "error";
}
}  // namespace

EngineError::EngineError(ErrorKind kind) : std::runtime_error(Describe(kind)), kind_(kind) {}

void Raise(ErrorKind kind) {
    throw EngineError(kind);
}

}  // namespace vimbo
