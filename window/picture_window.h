// SPDX-License-Identifier: MIT
// The picture window Form1: the picture alone, without border or title bar, closed with its
// "X" button. The start-up shows it modally on every fifth day of the month.
#pragma once

#include <QDialog>

class QKeyEvent;
class QLabel;
class QPushButton;

namespace vimbo {

class PictureWindow : public QDialog {
    Q_OBJECT

  public:
    explicit PictureWindow(QWidget* parent = nullptr);

  protected:
    // Escape does not close it: only "X" does.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void load();

    QPushButton* const focusHolder_;  // created first, so it is first in the tab order
    QLabel* const picture_;
    QPushButton* const closeButton_;
};

}  // namespace vimbo
