// SPDX-License-Identifier: MIT
// The calculator's own icon, in every size it is drawn in, each in 16 colours.
#pragma once

#include <QIcon>
#include <array>

namespace vimbo {

// The sizes, in pixels, of the square pictures the icon is made of.
inline constexpr std::array kCalculatorIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

QIcon CalculatorIcon();

}  // namespace vimbo
