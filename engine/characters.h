// SPDX-License-Identifier: MIT
// The character classes the number and expression texts are read by (ASCII only).
#pragma once

#ifndef VIMBO_ENGINE_INTERNALS
#error "an internal header of the engine: outside the engine and its tests, include engine/engine.h"
#endif

namespace vimbo {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
constexpr bool IsExponentLetter(char c) {
    return c == 'E' || c == 'e';
}
constexpr bool IsSign(char c) {
    return c == '+' || c == '-';
}

}  // namespace vimbo
