// SPDX-License-Identifier: MIT
// The calculator's own icon, in the two sizes it is drawn in (32 x 32 and 16 x 16).
#pragma once

#include <QIcon>

namespace vimbo {

QIcon CalculatorIcon();

}  // namespace vimbo
