// SPDX-License-Identifier: MIT
// The keyboard on the main window's buttons: the arrow keys move the focus through the keypad
// as it is laid out, and Enter presses a focused button as Space does.
#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace vimbo {

// A key pressed without modifiers; the keypad's keys carry the keypad modifier too, and count.
bool IsUnmodifiedKey(const QKeyEvent& key);

// Installed on every button and the check box of the window; the input line keeps its own Enter.
class ButtonKeyboard final : public QObject {
  public:
    explicit ButtonKeyboard(QWidget& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
};

}  // namespace vimbo
