// SPDX-License-Identifier: MIT
// The calculator's own icon, in every size it is drawn in, each in 16 colours.
#pragma once

#include <QIcon>
#include <array>

namespace vimbo {

// The sizes, in pixels, of the square pictures the icon is made of.
inline constexpr std::array kCalculatorIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

QIcon CalculatorIcon();

// Makes the calculator's icon the icon of every window of the program as soon as the first
// window has been drawn. Set before, its eight pictures (350 kB for the window manager) held
// the first paint up by about 2.5 ms, and that paint does not show them.
void SetWindowIconAfterFirstPaint();

}  // namespace vimbo
