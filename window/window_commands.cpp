// SPDX-License-Identifier: MIT
#include "window/window_commands.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include "window/accessibility.h"
#include "window/control_table.h"
#include "window/equals_action.h"
#include "window/tape_line.h"
#include "window/tape_view.h"

namespace vimbo {

WindowCommands::WindowCommands(QWidget& window, WindowControls& model, InputLineEdit& input,
                               TapeView& tape)
    : model_(model), input_(input), tape_(tape) {
    addWindowKeys(window);
    addTapeMenu();
    input_.setKeys(this);
    connect(&input_, &QLineEdit::textChanged, this, &WindowCommands::updateUndo);
    connect(&tape_, &TapeView::lineChosen, this, &WindowCommands::insertFromTape);
    // "=" and the user's own grand total change what a Clear emptied. "GT" writes onto the tape
    // only when the grand total holds something, which after a Clear takes one of them first.
    if (auto* const total = window.findChild<QLineEdit*>(QLatin1String(control_name::grandTotal))) {
        connect(total, &QLineEdit::textEdited, this, &WindowCommands::forgetClear);
    }
}

WindowCommands::~WindowCommands() {
    input_.setKeys(nullptr);
}

void WindowCommands::addWindowKeys(QWidget& window) {
    // Ctrl+Z wherever the focus is, but in the grand total, whose edits are its own.
    undo_ = &addAction(window, tr("Undo"), QKeySequence::keyBindings(QKeySequence::Undo),
                       Qt::WindowShortcut);
    undo_->setObjectName(QStringLiteral("actionUndo"));
    undo_->setEnabled(false);
    connect(undo_, &QAction::triggered, this, &WindowCommands::undo);
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
    connect(&insert, &QAction::triggered, &tape_, &TapeView::chooseCaretLine);
    auto* const separator = new QAction(&tape_);
    separator->setSeparator(true);
    tape_.addAction(separator);
}

QAction& WindowCommands::addAction(QWidget& owner, const QString& text,
                                   const QList<QKeySequence>& keys, Qt::ShortcutContext context) {
    auto* const action = new QAction(text, &owner);  // found with the widget it serves
    action->setShortcuts(keys);
    action->setShortcutContext(context);
    owner.addAction(action);
    return *action;
}

void WindowCommands::addTapeCommand(QAction& action) {
    tape_.addAction(&action);
}

void WindowCommands::forgetClear() {
    clearUndo_.forget();
    updateUndo();
}

void WindowCommands::updateUndo() {
    undo_->setEnabled(input_.isUndoAvailable() || clearUndo_.canUndo());
}

void WindowCommands::undo() {
    if (input_.isUndoAvailable()) {
        input_.undo();
        model_.input.announce(Outcome::Edited, input_.text());
    } else if (clearUndo_.canUndo()) {
        clearUndo_.undo(model_, recall_);
    }
    updateUndo();
}

void WindowCommands::equals() {
    if (const std::optional<QString> recorded = EqualsAction(model_)) {
        recall_.record(*recorded);
        forgetClear();
    }
}

bool WindowCommands::enter() {
    return EnterInInput(model_, [this] { equals(); });
}

void WindowCommands::clear() {
    clearUndo_.clear(model_, recall_);
    updateUndo();
}

void WindowCommands::exit() {
    quit_->trigger();
}

bool WindowCommands::undoBeyondEdits() {
    if (input_.isUndoAvailable() || !clearUndo_.canUndo()) {
        return false;  // the line's own undo, which a screen reader follows as an edit
    }
    undo();
    return true;
}

void WindowCommands::recall(bool older) {
    const QString current = input_.text();
    const std::optional<QString> entry = older ? recall_.older(current) : recall_.newer(current);
    if (!entry) {
        return;
    }
    input_.setText(*entry);  // the caret at its end
    model_.input.announce(recall_.showsTypedLine() ? Outcome::Edited : Outcome::Recalled, *entry);
}

void WindowCommands::copyWithoutSelection() {
    const QString result = model_.output.text();
    if (result.isEmpty()) {
        return;
    }
    QGuiApplication::clipboard()->setText(result);
    model_.input.announce(Outcome::Copied, result);
}

void WindowCommands::insertFromTape(const QString& shownLine) {
    const QString value = TapeLineInsertion(shownLine);
    if (value.isEmpty()) {
        return;
    }
    // The tape has the focus, and the input line gave up its selection when it lost it.
    const QString line = input_.text();
    const int caret = input_.cursorPosition();
    const QString inserted =
        InsertionBetween(value, QStringView(line).left(caret), QStringView(line).mid(caret));
    input_.insertAsEdit(inserted);
    model_.input.giveFocus();  // the caret stays after the inserted text
    model_.input.announce(Outcome::Inserted, inserted);
}

}  // namespace vimbo
