// SPDX-License-Identifier: MIT
// The boxes that show a value, the output line txtOutput and the grand total Text1. The window
// cannot be widened, so a value wider than its box is drawn shortened (ElidedValue), and
// Ctrl+C with nothing selected copies the whole value.
#pragma once

#include <QLineEdit>

class QTextLayout;

namespace vimbo {

// Only the drawing changes: the text, its selection, what a screen reader reads and what is
// copied stay the whole value. While the user works in the box (it is the window's focused
// widget) it is an ordinary line edit, scrolled to the caret.
class ValueBox final : public QLineEdit {
    Q_OBJECT

  public:
    explicit ValueBox(QWidget* parent = nullptr) : QLineEdit(parent) {}

    // What the box draws of its text when the user is not working in it.
    QString shownText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool beingEdited() const;
    // Where the line edit draws its text line: inside the frame, less the margins.
    QRect textRect() const;
    // Laid out as the line edit lays out its own text, so that it is drawn and measured alike.
    void layOut(QTextLayout& layout) const;
};

}  // namespace vimbo
