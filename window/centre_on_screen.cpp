// SPDX-License-Identifier: MIT
#include "window/centre_on_screen.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace vimbo {

void CentreOnScreen(QWidget& window) {
    const QScreen* const screen = window.screen();
    if (screen == nullptr) {
        return;  // no screen at all: leave the toolkit's placement
    }
    QRect frame = window.frameGeometry();  // before the first show, the same as geometry()
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace vimbo
