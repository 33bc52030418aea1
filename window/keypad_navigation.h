// SPDX-License-Identifier: MIT
// The keyboard on the main window's buttons: the arrow keys move the focus through the keypad
// as it is laid out, and Enter presses a focused button as Space does.
#pragma once

#include <QObject>
#include <string_view>

class QWidget;

namespace vimbo {

enum class GridDirection { Up, Down, Left, Right };

// The keypad key next to `controlName` in the direction, by the layout's rows and columns
// (the "=" key fills two rows). nullptr at the keypad's edge and for controls outside it.
const char* KeypadNeighbour(std::string_view controlName, GridDirection direction);

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
