// SPDX-License-Identifier: MIT
// The fraction search exactly as first written, both texts formatted at every step: the
// reference the engine's fast search is proven against.
#pragma once

#include <string>

namespace vimbo::reference {

std::string ToFractionTextLiteral(double x);

}  // namespace vimbo::reference
