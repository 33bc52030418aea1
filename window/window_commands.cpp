// SPDX-License-Identifier: MIT
#include "window/window_commands.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include "window/accessibility.h"
#include "window/control_table.h"
#include "window/equals_action.h"
#include "window/keypad_navigation.h"
#include "window/pasted_text.h"
#include "window/tape_line.h"
#include "window/tape_view.h"

namespace vimbo {

WindowCommands::WindowCommands(QWidget& window, WindowControls& model, QLineEdit& input,
                               TapeView& tape)
    : model_(model), input_(input), tape_(tape) {
    addWindowKeys(window);
    // Any click, any change of a text the user sees, any command: the next action.
    for (QAbstractButton* const button :
         window.findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        connect(button, &QAbstractButton::clicked, this, &WindowCommands::nextAction);
    }
    for (const char* name : {control_name::input, control_name::grandTotal}) {
        if (auto* const box = window.findChild<QLineEdit*>(QLatin1String(name))) {
            connect(box, &QLineEdit::textChanged, this, &WindowCommands::nextAction);
        }
    }
    addTapeMenu();
    input_.installEventFilter(this);
    tape_.viewport()->installEventFilter(this);
}

void WindowCommands::addWindowKeys(QWidget& window) {
    // Ctrl+Z takes back a Clear only right after it; the input line's own undo otherwise.
    undoClear_ = &addAction(window, tr("Undo Clear"), QKeySequence::keyBindings(QKeySequence::Undo),
                            Qt::WindowShortcut, false);
    undoClear_->setObjectName(QStringLiteral("actionUndoClear"));
    undoClear_->setEnabled(false);
    connect(undoClear_, &QAction::triggered, this, &WindowCommands::undoClear);
    // Escape empties the input line only: undoable like typing, unlike Clear.
    QAction& escape = addAction(window, tr("Empty the input line"), {QKeySequence(Qt::Key_Escape)},
                                Qt::WindowShortcut);
    escape.setObjectName(QStringLiteral("actionEmptyInput"));
    connect(&escape, &QAction::triggered, this, [this] {
        input_.clear();
        input_.setFocus(Qt::OtherFocusReason);
        model_.input.announce(Outcome::Edited, input_.text());
    });
    quit_ = &addAction(window, tr("Exit"), QKeySequence::keyBindings(QKeySequence::Quit),
                       Qt::WindowShortcut);
    quit_->setObjectName(QStringLiteral("actionExit"));
    connect(quit_, &QAction::triggered, this, [] { QCoreApplication::exit(0); });
}

void WindowCommands::addTapeMenu() {
    // Its own commands first, then those the history adds.
    tape_.setContextMenuPolicy(Qt::ActionsContextMenu);
    QAction& copy = addAction(tape_, tr("&Copy"), QKeySequence::keyBindings(QKeySequence::Copy),
                              Qt::WidgetShortcut);
    copy.setObjectName(QStringLiteral("actionTapeCopy"));
    copy.setEnabled(false);
    connect(&tape_, &TapeView::copyAvailable, &copy, &QAction::setEnabled);
    connect(&copy, &QAction::triggered, this, [this] {
        tape_.copy();  // as shown: one "\n" at every line end
        AnnounceOutcome(tape_, Outcome::Copied, QString());
    });
    QAction& selectAll =
        addAction(tape_, tr("Select &All"), QKeySequence::keyBindings(QKeySequence::SelectAll),
                  Qt::WidgetShortcut);
    selectAll.setObjectName(QStringLiteral("actionTapeSelectAll"));
    connect(&selectAll, &QAction::triggered, this, [this] {
        tape_.selectAll();
        // As the tape's own Ctrl+A did: the selection is X's primary selection too.
        QClipboard* const clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection()) {
            clipboard->setText(tape_.textCursor().selection().toPlainText(), QClipboard::Selection);
        }
    });
    QAction& insert =
        addAction(tape_, tr("&Insert into input"),
                  {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}, Qt::WidgetShortcut);
    insert.setObjectName(QStringLiteral("actionTapeInsert"));
    connect(&insert, &QAction::triggered, this, [this] { insertFromTape(tape_.textCursor()); });
    auto* const separator = new QAction(&tape_);
    separator->setSeparator(true);
    tape_.addAction(separator);
}

QAction& WindowCommands::addAction(QWidget& owner, const QString& text,
                                   const QList<QKeySequence>& keys, Qt::ShortcutContext context,
                                   bool isNextAction) {
    auto* const action = new QAction(text, &owner);  // found with the widget it serves
    action->setShortcuts(keys);
    action->setShortcutContext(context);
    owner.addAction(action);
    if (isNextAction) {
        connect(action, &QAction::triggered, this, &WindowCommands::nextAction);
    }
    return *action;
}

void WindowCommands::addTapeCommand(QAction& action) {
    connect(&action, &QAction::triggered, this, &WindowCommands::nextAction);
    tape_.addAction(&action);
}

void WindowCommands::nextAction() {
    clearUndo_.forget();
    undoClear_->setEnabled(false);
}

void WindowCommands::equals() {
    if (const std::optional<QString> recorded = EqualsAction(model_)) {
        recall_.record(*recorded);
    }
}

bool WindowCommands::enterInInput() {
    return EnterInInput(model_, [this] { equals(); });
}

void WindowCommands::clear() {
    clearUndo_.clear(model_, recall_);
    undoClear_->setEnabled(true);
}

void WindowCommands::exit() {
    quit_->trigger();
}

void WindowCommands::undoClear() {
    clearUndo_.undo(model_, recall_);
    undoClear_->setEnabled(false);
}

bool WindowCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &input_) {
        return inputEvent(*event) || QObject::eventFilter(watched, event);
    }
    if (watched == tape_.viewport() && event->type() == QEvent::ContextMenu) {
        // The menu's "Insert into input" takes the line clicked on, as the caret's line; a
        // click into the selection keeps it for "Copy".
        const auto* const menu = static_cast<const QContextMenuEvent*>(event);
        const QTextCursor clicked = tape_.cursorForPosition(menu->pos());
        const QTextCursor caret = tape_.textCursor();
        if (menu->reason() == QContextMenuEvent::Mouse &&
            (clicked.position() < caret.selectionStart() ||
             clicked.position() > caret.selectionEnd() || !caret.hasSelection())) {
            tape_.setTextCursor(clicked);
        }
        return false;
    }
    if (watched == tape_.viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* const mouse = static_cast<const QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            // The whole line, where a double click would select a word or part of a number.
            insertFromTape(tape_.cursorForPosition(mouse->position().toPoint()));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool WindowCommands::inputEvent(QEvent& event) {
    switch (event.type()) {
        case QEvent::KeyPress:
            return inputKey(static_cast<const QKeyEvent&>(event));
        case QEvent::MouseButtonRelease: {
            // The X selection, pasted with the middle button where the press put the caret.
            const auto& mouse = static_cast<const QMouseEvent&>(event);
            if (mouse.button() != Qt::MiddleButton || input_.isReadOnly() ||
                !QGuiApplication::clipboard()->supportsSelection()) {
                return false;
            }
            input_.deselect();
            paste(QClipboard::Selection);
            return true;
        }
        case QEvent::ContextMenu: {
            // The line edit's own menu, whose Paste pastes as the keys do.
            QMenu* const menu = input_.createStandardContextMenu();
            if (auto* const pasteEntry = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
                disconnect(pasteEntry, &QAction::triggered, &input_, nullptr);
                connect(pasteEntry, &QAction::triggered, this,
                        [this] { paste(QClipboard::Clipboard); });
            }
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(static_cast<const QContextMenuEvent&>(event).globalPos());
            return true;
        }
        case QEvent::Drop: {
            auto& drop = static_cast<QDropEvent&>(event);
            if (!drop.mimeData()->hasText()) {
                return false;
            }
            const QString dropped = drop.mimeData()->text();
            const QString oneLine = PastedIntoInput(dropped);
            if (oneLine == dropped) {
                return false;
            }
            // The line edit inserts the dropped text itself; it gets the text on one line.
            QMimeData cleaned;
            cleaned.setText(oneLine);
            QDropEvent onOneLine(drop.position(), drop.possibleActions(), &cleaned, drop.buttons(),
                                 drop.modifiers());
            QCoreApplication::sendEvent(&input_, &onOneLine);
            drop.setDropAction(onOneLine.dropAction());
            drop.setAccepted(onOneLine.isAccepted());
            return true;
        }
        default:
            return false;
    }
}

bool WindowCommands::inputKey(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Paste)) {
        paste(QClipboard::Clipboard);
        return true;
    }
    if (key.matches(QKeySequence::Copy) && !input_.hasSelectedText()) {
        copyResult();
        return true;
    }
    if (key.matches(QKeySequence::Undo) && clearUndo_.canUndo()) {
        undoClear_->trigger();
        return true;
    }
    if ((key.key() == Qt::Key_Up || key.key() == Qt::Key_Down) && IsUnmodifiedKey(key)) {
        // Only from either end of the line, so that the keys never take over editing.
        const int caret = input_.cursorPosition();
        if (caret == 0 || caret == input_.text().size()) {
            recall(key.key() == Qt::Key_Up);
            return true;
        }
    }
    return false;
}

void WindowCommands::recall(bool older) {
    const std::optional<QString> entry = older ? recall_.older(input_.text()) : recall_.newer();
    if (!entry) {
        return;
    }
    input_.setText(*entry);  // the caret at its end
    model_.input.announce(recall_.showsTypedLine() ? Outcome::Edited : Outcome::Recalled, *entry);
}

void WindowCommands::copyResult() {
    const QString result = model_.output.text();
    if (result.isEmpty()) {
        return;
    }
    QGuiApplication::clipboard()->setText(result);
    model_.input.announce(Outcome::Copied, result);
}

void WindowCommands::paste(QClipboard::Mode mode) {
    const QString oneLine = PastedIntoInput(QGuiApplication::clipboard()->text(mode));
    if (!oneLine.isEmpty() || input_.hasSelectedText()) {
        input_.insert(oneLine);  // in place of the selection, undoable
    }
}

void WindowCommands::insertFromTape(const QTextCursor& at) {
    const QString inserted =
        TapeLineInsertion(ShownLineAt(at.block().text(), at.positionInBlock()));
    if (inserted.isEmpty()) {
        return;
    }
    input_.insert(inserted);
    model_.input.giveFocus();  // the caret stays after the inserted text
    model_.input.announce(Outcome::Inserted, inserted);
}

}  // namespace vimbo
