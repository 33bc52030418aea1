// SPDX-License-Identifier: MIT
// Places a top-level window in the middle of the screen it is on.
#pragma once

class QWidget;

namespace vimbo {

// Uses the screen's available area (without panels) and the window's current size.
void CentreOnScreen(QWidget& window);

}  // namespace vimbo
