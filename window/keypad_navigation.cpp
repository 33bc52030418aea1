// SPDX-License-Identifier: MIT
#include "window/keypad_navigation.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>
#include <optional>

#include "window/control_table.h"

namespace vimbo {

namespace {

std::optional<GridDirection> ArrowDirection(int key) {
    switch (key) {
        case Qt::Key_Up:
            return GridDirection::Up;
        case Qt::Key_Down:
            return GridDirection::Down;
        case Qt::Key_Left:
            return GridDirection::Left;
        case Qt::Key_Right:
            return GridDirection::Right;
        default:
            return std::nullopt;
    }
}

}  // namespace

bool IsUnmodifiedKey(const QKeyEvent& key) {
    return (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

ButtonKeyboard::ButtonKeyboard(QWidget& window) : QObject(&window), window_(window) {
    for (QAbstractButton* const button :
         window.findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        button->installEventFilter(this);
    }
}

bool ButtonKeyboard::eventFilter(QObject* watched, QEvent* event) {
    auto* const button = qobject_cast<QAbstractButton*>(watched);
    if (button == nullptr || event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto* const key = static_cast<const QKeyEvent*>(event);
    if (!IsUnmodifiedKey(*key)) {
        return false;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (!key->isAutoRepeat()) {  // as with Space: holding the key presses it once
            button->click();
        }
        return true;
    }
    const std::optional<GridDirection> direction = ArrowDirection(key->key());
    if (!direction) {
        return false;
    }
    const QByteArray name = button->objectName().toUtf8();
    const WindowControl* const control = FindControl(name.constData());
    if (control == nullptr || !control->cell.inKeypad()) {
        return false;  // GT, Print and the check box: the toolkit's own arrow handling
    }
    if (const WindowControl* const next = KeypadNeighbour(name.constData(), *direction)) {
        if (auto* const target = window_.findChild<QWidget*>(QString::fromUtf8(next->name),
                                                             Qt::FindDirectChildrenOnly)) {
            target->setFocus(Qt::TabFocusReason);  // shows the focus frame, as Tab does
        }
    }
    return true;  // at the keypad's edge the focus stays
}

}  // namespace vimbo
