// SPDX-License-Identifier: MIT
#include "window/keypad_navigation.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <vector>

#include "window/layout_table.h"

namespace vimbo {

namespace {

struct GridKey {
    const char* name;
    int row;
    int lastRow;
    int column;
};

bool IsButton(const ControlLayout& control) {
    return control.kind == ControlKind::Button && control.visible;
}

// The keypad is the buttons that share their column with another button and their row with
// another button; GT and Print stand alone.
std::vector<GridKey> KeypadGrid() {
    const auto controls = MainWindowControls();
    std::vector<const ControlLayout*> keys;
    for (const ControlLayout& control : controls) {
        if (!IsButton(control)) {
            continue;
        }
        const auto sharing = [&](auto member) {
            return std::count_if(controls.begin(), controls.end(), [&](const ControlLayout& o) {
                       return IsButton(o) && o.*member == control.*member;
                   }) > 1;
        };
        if (sharing(&ControlLayout::left) && sharing(&ControlLayout::top)) {
            keys.push_back(&control);
        }
    }
    std::vector<int> tops;
    std::vector<int> lefts;
    for (const ControlLayout* key : keys) {
        tops.push_back(key->top);
        lefts.push_back(key->left);
    }
    for (auto* edges : {&tops, &lefts}) {
        std::ranges::sort(*edges);
        edges->erase(std::unique(edges->begin(), edges->end()), edges->end());
    }
    const auto indexOf = [](const std::vector<int>& edges, int edge) {
        return static_cast<int>(std::ranges::find(edges, edge) - edges.begin());
    };
    std::vector<GridKey> grid;
    for (const ControlLayout* key : keys) {
        const int row = indexOf(tops, key->top);
        // A key taller than one row fills every row that starts above its lower edge.
        const auto below = std::ranges::lower_bound(tops, key->top + key->height);
        grid.push_back({key->name, row, static_cast<int>(below - tops.begin()) - 1,
                        indexOf(lefts, key->left)});
    }
    return grid;
}

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

// The keypad's keys carry the keypad modifier too; any other modifier makes another key.
bool Unmodified(const QKeyEvent& key) {
    return (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

std::vector<GridKey>::const_iterator FindKey(const std::vector<GridKey>& grid,
                                             std::string_view name) {
    return std::ranges::find_if(grid, [&](const GridKey& key) { return key.name == name; });
}

bool InKeypad(std::string_view name) {
    const std::vector<GridKey> grid = KeypadGrid();
    return FindKey(grid, name) != grid.end();
}

}  // namespace

const char* KeypadNeighbour(std::string_view controlName, GridDirection direction) {
    const std::vector<GridKey> grid = KeypadGrid();
    const auto from = FindKey(grid, controlName);
    if (from == grid.end()) {
        return nullptr;
    }
    int row = from->row;
    int column = from->column;
    switch (direction) {
        case GridDirection::Up:
            row = from->row - 1;
            break;
        case GridDirection::Down:
            row = from->lastRow + 1;
            break;
        case GridDirection::Left:
            column = from->column - 1;
            break;
        case GridDirection::Right:
            column = from->column + 1;
            break;
    }
    const auto to = std::ranges::find_if(grid, [&](const GridKey& k) {
        return k.column == column && k.row <= row && row <= k.lastRow;
    });
    return to == grid.end() ? nullptr : to->name;
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
    if (!Unmodified(*key)) {
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
    if (!InKeypad(name.constData())) {
        return false;  // GT, Print and the check box: the toolkit's own arrow handling
    }
    if (const char* const next = KeypadNeighbour(name.constData(), *direction)) {
        if (auto* const target =
                window_.findChild<QWidget*>(QString::fromUtf8(next), Qt::FindDirectChildrenOnly)) {
            target->setFocus(Qt::TabFocusReason);  // shows the focus frame, as Tab does
        }
    }
    return true;  // at the keypad's edge the focus stays
}

}  // namespace vimbo
