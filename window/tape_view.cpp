// SPDX-License-Identifier: MIT
#include "window/tape_view.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace vimbo {

TapeView::TapeView(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    // Selecting and copying work as in the locked output line.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setUndoRedoEnabled(false);  // the tape only grows: an undo history would grow with it
}

void TapeView::chooseCaretLine() {
    const QTextCursor caret = textCursor();
    emit lineChosen(ShownLineAt(caret.block().text(), caret.positionInBlock()).toString());
}

void TapeView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QPlainTextEdit::mouseDoubleClickEvent(event);
        return;
    }
    // The whole line, where a double click would select a word or a part of a number.
    const QTextCursor clicked = cursorForPosition(event->position().toPoint());
    emit lineChosen(ShownLineAt(clicked.block().text(), clicked.positionInBlock()).toString());
    event->accept();
}

void TapeView::contextMenuEvent(QContextMenuEvent* event) {
    // "Insert into input" takes the line clicked on, as the caret's line; a click into the
    // selection keeps it for "Copy".
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QTextCursor clicked =
            cursorForPosition(viewport()->mapFromGlobal(event->globalPos()));
        const QTextCursor caret = textCursor();
        if (!caret.hasSelection() || clicked.position() < caret.selectionStart() ||
            clicked.position() > caret.selectionEnd()) {
            setTextCursor(clicked);
        }
    }
    auto* const menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(actions());
    menu->popup(event->globalPos());
    event->accept();
}

void TapeView::setWholeText(const QString& text) {
    if (!text_.isEmpty() && text.size() >= text_.size() && text.startsWith(text_)) {
        const qsizetype oldSize = text_.size();
        text_ = text;
        showAppended(oldSize);
        return;
    }
    text_ = text;
    linesInLastParagraph_ = 0;
    charactersInLastParagraph_ = 0;
    setPlainText(inDocument(DisplayText(text_)));
    scrollToNewest();
}

void TapeView::appendWholeText(const QString& tail) {
    if (text_.isEmpty()) {
        setWholeText(tail);
        return;
    }
    const qsizetype oldSize = text_.size();
    text_ += tail;
    showAppended(oldSize);
}

void TapeView::showAppended(qsizetype oldSize) {
    const bool afterCr = text_.at(oldSize - 1) == u'\r';
    const QString tail = DisplayText(QStringView(text_).mid(oldSize), afterCr);
    if (!tail.isEmpty()) {
        appendShown(inDocument(tail));
        scrollToNewest();
    }
}

void TapeView::appendShown(const QString& tail) {
    // A cursor of its own for the insertion; the user's selection must not grow with the text
    // when it reaches the end.
    const QTextCursor user = textCursor();
    const int anchor = user.anchor();
    const int position = user.position();
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(tail);
    if (textCursor().anchor() != anchor || textCursor().position() != position) {
        QTextCursor restored(document());
        restored.setPosition(anchor);
        restored.setPosition(position, QTextCursor::KeepAnchor);
        setTextCursor(restored);
    }
}

QString TapeView::inDocument(const QString& shown) {
    // Small enough that the last paragraph, laid out again at every append, stays cheap.
    constexpr int kLinesPerParagraph = 8;
    constexpr int kCharactersPerParagraph = 256;
    QString document = shown;
    for (QChar& c : document) {
        if (c != u'\n') {
            ++charactersInLastParagraph_;
        } else if (++linesInLastParagraph_ >= kLinesPerParagraph ||
                   charactersInLastParagraph_ >= kCharactersPerParagraph) {
            linesInLastParagraph_ = 0;
            charactersInLastParagraph_ = 0;
        } else {
            c = QChar::LineSeparator;
        }
    }
    return document;
}

void TapeView::scrollToNewest() {
    QScrollBar* const bar = verticalScrollBar();
    bar->setValue(bar->maximum());
}

}  // namespace vimbo
