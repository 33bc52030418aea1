// SPDX-License-Identifier: MIT
// The keys and menus that users of other desktop calculators expect, beside the window's
// buttons: Up and Down recall earlier inputs, the tape's lines go back into the input line,
// Ctrl+C copies the result, Escape empties the input line, Ctrl+Z takes back the input line's
// edits and then a Clear, Ctrl+Q quits, and the tape has a context menu.
#pragma once

#include <QKeySequence>
#include <QObject>

#include "window/clear_undo.h"
#include "window/controls.h"
#include "window/input_line_edit.h"
#include "window/input_recall.h"

class QAction;

namespace vimbo {

class TapeView;

class WindowCommands final : public QObject, private InputLineKeys {
    Q_OBJECT

  public:
    // The window's controls, which must outlive this object: the window holds it among its
    // bindings to the controls, which go before the controls do.
    WindowCommands(QWidget& window, WindowControls& model, InputLineEdit& input, TapeView& tape);
    ~WindowCommands() override;
    WindowCommands(const WindowCommands&) = delete;
    WindowCommands& operator=(const WindowCommands&) = delete;

    // The window's own actions, with the input recorded for recall.
    void equals();
    void clear();
    void exit();

    // A command of the tape's context menu; its shortcut keeps the context it has.
    void addTapeCommand(QAction& action);

  private:
    void addWindowKeys(QWidget& window);
    void addTapeMenu();
    QAction& addAction(QWidget& owner, const QString& text, const QList<QKeySequence>& keys,
                       Qt::ShortcutContext context);
    // The tape or the grand total has changed: a Clear can no longer be taken back.
    void forgetClear();
    // One undo history: the input line's edits, then the Clears, the latest first.
    void undo();
    void updateUndo();
    void insertFromTape(const QString& shownLine);

    // The input line's keys.
    bool enter() override;
    void recall(bool older) override;
    void copyWithoutSelection() override;
    bool undoBeyondEdits() override;

    WindowControls& model_;
    InputLineEdit& input_;
    TapeView& tape_;
    InputRecall recall_;
    ClearUndo clearUndo_;
    QAction* undo_ = nullptr;
    QAction* quit_ = nullptr;
};

}  // namespace vimbo
