// SPDX-License-Identifier: MIT
#include "window/qt_controls.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "window/accessibility.h"

namespace vimbo {

AngleMode QtAngleModeLabel::mode() const {
    // Only setMode writes the caption; a caption it did not write means degrees, as at start.
    return AngleModeFromName(label_.text().toStdString()).value_or(AngleMode::Degrees);
}

void QtAngleModeLabel::setMode(AngleMode mode) {
    const std::string_view name = AngleModeName(mode);
    label_.setText(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

void QtInputLine::giveFocus() {
    // OtherFocusReason: a tab reason would make the line edit select its whole text.
    box_.setFocus(Qt::OtherFocusReason);
}

void QtInputLine::announce(Outcome outcome, const QString& text) {
    AnnounceOutcome(box_, outcome, text);
}

void QtInputLine::setCaretPosition(int position) {
    box_.deselect();
    box_.setCursorPosition(position);
}

QtWindowHost::~QtWindowHost() {
    setBusyPointer(false);
}

void QtWindowHost::setBusyPointer(bool busy) {
    if (busy == busy_) {
        return;  // the override cursor is a stack: keep one entry at most
    }
    busy_ = busy;
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

void QtWindowHost::processPendingEvents() {
    QCoreApplication::processEvents();
}

}  // namespace vimbo
