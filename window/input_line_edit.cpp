// SPDX-License-Identifier: MIT
#include "window/input_line_edit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <limits>

#include "window/keypad_navigation.h"
#include "window/pasted_text.h"

namespace vimbo {

namespace {

bool IsEnter(const QKeyEvent& key) {
    // Ctrl+Enter types a line feed, not an Enter.
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           !key.modifiers().testFlag(Qt::ControlModifier);
}

// The keypad's decimal key types the layout's decimal sign ("," with a German layout), which
// the engine would skip as a group separator.
bool IsKeypadDecimalKey(const QKeyEvent& key) {
    return key.modifiers().testFlag(Qt::KeypadModifier) &&
           (key.key() == Qt::Key_Comma || key.key() == Qt::Key_Period);
}

}  // namespace

InputLineEdit::InputLineEdit(QWidget* parent) : QLineEdit(parent) {
    // The line edit's own limit (32767 characters) would cut a keypad token appended at the
    // limit without a word; the input line takes every character instead, as the tape does.
    setMaxLength(std::numeric_limits<int>::max());
}

void InputLineEdit::pasteFrom(QClipboard::Mode mode) {
    const QString line = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const QString oneLine = PastedIntoInput(QGuiApplication::clipboard()->text(mode), locale(),
                                            QStringView(line).left(start));
    if (!oneLine.isEmpty() || hasSelectedText()) {
        insertAsEdit(oneLine);
    }
}

void InputLineEdit::insertAsEdit(const QString& text) {
    closeEdit();
    insert(text);
}

void InputLineEdit::closeEdit() {
    // A step of the caret closes the edit being typed, so that the undo takes back what
    // follows alone. Typing leaves the caret after it, and an insertion over a selection is
    // a step of its own anyway.
    const int caret = cursorPosition();
    if (!hasSelectedText() && caret > 0) {
        setCursorPosition(caret - 1);
        setCursorPosition(caret);
    }
}

void InputLineEdit::keyPressEvent(QKeyEvent* event) {
    if (IsKeypadDecimalKey(*event)) {
        QKeyEvent point(event->type(), Qt::Key_Period, event->modifiers(), QStringLiteral("."),
                        event->isAutoRepeat(), event->count());
        QLineEdit::keyPressEvent(&point);
        event->setAccepted(point.isAccepted());
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteFrom(QClipboard::Clipboard);
        event->accept();
        return;
    }
    if (keys_ != nullptr && windowKey(*event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool InputLineEdit::windowKey(const QKeyEvent& key) {
    if (IsEnter(key)) {
        return keys_->enter();
    }
    if (key.matches(QKeySequence::Copy) && !hasSelectedText()) {
        keys_->copyWithoutSelection();
        return true;
    }
    if (key.matches(QKeySequence::Undo)) {
        return keys_->undoBeyondEdits();
    }
    if ((key.key() == Qt::Key_Up || key.key() == Qt::Key_Down) && IsUnmodifiedKey(key)) {
        // Only from either end of the line, so that the keys never take over editing.
        const int caret = cursorPosition();
        if (caret == 0 || caret == text().size()) {
            keys_->recall(key.key() == Qt::Key_Up);
            return true;
        }
    }
    return false;
}

void InputLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* const menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The standard Paste entry, known by the line edit's own text for it, gives way to one
    // that pastes as the keys do.
    const QString pasteText = QLineEdit::tr("&Paste");
    for (QAction* const entry : menu->actions()) {
        if (entry->text().section(u'\t', 0, 0) != pasteText) {
            continue;
        }
        auto* const paste = new QAction(entry->icon(), entry->text(), menu);
        paste->setEnabled(entry->isEnabled());
        connect(paste, &QAction::triggered, this, [this] { pasteFrom(QClipboard::Clipboard); });
        menu->insertAction(entry, paste);
        menu->removeAction(entry);
        break;
    }
    menu->popup(event->globalPos());
    event->accept();
}

void InputLineEdit::dropEvent(QDropEvent* event) {
    const QString dropped = event->mimeData()->hasText() ? event->mimeData()->text() : QString();
    if (!dropped.isEmpty()) {
        closeEdit();  // a drop is taken back alone, as a paste is
    }
    const QString line = text();
    const QString oneLine = PastedIntoInput(
        dropped, locale(), QStringView(line).left(cursorPositionAt(event->position().toPoint())));
    if (oneLine == dropped) {
        QLineEdit::dropEvent(event);
        return;
    }
    // The line edit places and inserts the dropped text itself; it gets it on one line.
    QMimeData cleaned;
    cleaned.setText(oneLine);
    QDropEvent onOneLine(event->position(), event->possibleActions(), &cleaned, event->buttons(),
                         event->modifiers());
    QLineEdit::dropEvent(&onOneLine);
    event->setDropAction(onOneLine.dropAction());
    event->setAccepted(onOneLine.isAccepted());
}

void InputLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The X selection, pasted with the middle button where the press put the caret.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteFrom(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

}  // namespace vimbo
