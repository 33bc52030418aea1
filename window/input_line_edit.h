// SPDX-License-Identifier: MIT
// The input line txtInput as a line edit of its own: every way of pasting (the keys, its
// context menu, the middle button, a drop) puts the text on one line in the engine's
// notation, as one step of its undo; the numeric keypad's decimal key types the engine's
// decimal point; and the keys the window gives a meaning (Enter, Up and Down at either end,
// Ctrl+C with nothing selected, Ctrl+Z with nothing to take back) go to the window.
#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace vimbo {

// What the window does with the input line's keys beyond a line edit's own editing.
class InputLineKeys {
  public:
    virtual ~InputLineKeys() = default;
    virtual bool enter() = 0;                 // Enter or Return; true when it was taken
    virtual void recall(bool older) = 0;      // Up (older) or Down, at either end of the line
    virtual void copyWithoutSelection() = 0;  // Ctrl+C with nothing selected
    virtual bool undoBeyondEdits() = 0;       // Ctrl+Z; true when the line had no edit to undo
};

class InputLineEdit final : public QLineEdit {
    Q_OBJECT

  public:
    explicit InputLineEdit(QWidget* parent = nullptr);

    // The window's side of the keys; until it is set they are the line edit's own.
    void setKeys(InputLineKeys* keys) { keys_ = keys; }

    // Pastes from the clipboard or the X selection, on one line in the engine's notation.
    void pasteFrom(QClipboard::Mode mode);
    // Inserts `text` in place of the selection as one step of the undo, apart from the
    // typing before it, as the line edit's own paste does.
    void insertAsEdit(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool windowKey(const QKeyEvent& key);
    void closeEdit();

    InputLineKeys* keys_ = nullptr;
};

}  // namespace vimbo
