// SPDX-License-Identifier: MIT
// The main window's look and its controls as widgets, made from the control table: title,
// size, font and background; every control with its kind, caption, place, font, colours,
// object name, accessible texts and tooltip; and the tab order. No behaviour: the window binds
// its actions to them, and the start-up benchmark draws the same widgets alone.
#pragma once

#include <QWidget>

namespace vimbo {

// A fixed window with a title bar, minimise and close, and no maximise.
inline constexpr Qt::WindowFlags kMainWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// Gives `window` the main window's look and creates every control in it, in tab order.
void CreateWindowWidgets(QWidget& window);

}  // namespace vimbo
