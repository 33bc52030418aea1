// SPDX-License-Identifier: MIT
// The keys and menus that users of other desktop calculators expect, beside the window's
// buttons: Up and Down recall earlier inputs, the tape's lines go back into the input line,
// Ctrl+C copies the result, Escape empties the input line, Ctrl+Z takes back a Clear, Ctrl+Q
// quits, and the tape has a context menu. Pasted text loses its line breaks and tabs.
#pragma once

#include <QClipboard>
#include <QKeySequence>
#include <QObject>

#include "window/clear_undo.h"
#include "window/controls.h"
#include "window/input_recall.h"

class QAction;
class QKeyEvent;
class QLineEdit;
class QTextCursor;

namespace vimbo {

class TapeView;

class WindowCommands final : public QObject {
    Q_OBJECT

  public:
    // The window's controls, which must outlive this object: the window holds it among its
    // bindings to the controls, which go before the controls do.
    WindowCommands(QWidget& window, WindowControls& model, QLineEdit& input, TapeView& tape);

    // The window's own actions, with the input recorded for recall.
    void equals();
    bool enterInInput();  // true when the Enter was taken
    void clear();
    void exit();

    // A command of the tape's context menu; its shortcut keeps the context it has.
    void addTapeCommand(QAction& action);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void addWindowKeys(QWidget& window);
    void addTapeMenu();
    QAction& addAction(QWidget& owner, const QString& text, const QList<QKeySequence>& keys,
                       Qt::ShortcutContext context, bool isNextAction = true);
    // Forgets the undo of Clear: connected before any other action, so it runs first.
    void nextAction();
    bool inputKey(const QKeyEvent& key);
    bool inputEvent(QEvent& event);
    void recall(bool older);
    void copyResult();
    void paste(QClipboard::Mode mode);
    void insertFromTape(const QTextCursor& at);
    void undoClear();

    WindowControls& model_;
    QLineEdit& input_;
    TapeView& tape_;
    InputRecall recall_;
    ClearUndo clearUndo_;
    QAction* undoClear_ = nullptr;
    QAction* quit_ = nullptr;
};

}  // namespace vimbo
