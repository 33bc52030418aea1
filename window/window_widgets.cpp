// SPDX-License-Identifier: MIT
#include "window/window_widgets.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string_view>

#include "window/check_box_style.h"
#include "window/control_table.h"
#include "window/input_line_edit.h"
#include "window/required_child.h"
#include "window/tape_view.h"
#include "window/value_box.h"

namespace vimbo {

namespace {

QFont ControlQFont(ControlFont font) {
    const WindowLayout& window = MainWindowLayout();
    QFont qfont(QString::fromUtf8(window.fontFamily));
    qfont.setPointSizeF(font == ControlFont::Tape ? window.tapePointSize : window.defaultPointSize);
    qfont.setWeight(font == ControlFont::Bold ? QFont::Bold : QFont::Normal);
    return qfont;
}

QColor WindowBackground() {
    const auto& rgb = MainWindowLayout().background;
    return QColor(rgb[0], rgb[1], rgb[2]);
}

void ApplyLook(QWidget& widget, ControlLook look) {
    QPalette palette = widget.palette();
    switch (look) {
        case ControlLook::Plain:
            return;
        case ControlLook::WindowBackground:
            palette.setColor(QPalette::Window, WindowBackground());
            widget.setAutoFillBackground(true);
            widget.setBackgroundRole(QPalette::Window);  // a button's own role is Button
            break;
        case ControlLook::GrandTotal:
            palette.setColor(QPalette::Text, QColor(128, 255, 128));
            palette.setColor(QPalette::Base, QColor(0, 0, 0));
            break;
        case ControlLook::SystemBackground:
            palette.setColor(QPalette::Window, QGuiApplication::palette().color(QPalette::Window));
            widget.setAutoFillBackground(true);
            break;
    }
    widget.setPalette(palette);
}

// The input line owns its pastes and the window's keys; the output line and the grand total
// show values, which may be wider than they.
QLineEdit* CreateTextBox(std::string_view name, QWidget* parent) {
    if (name == control_name::input) {
        return new InputLineEdit(parent);
    }
    if (name == control_name::output || name == control_name::grandTotal) {
        return new ValueBox(parent);
    }
    return new QLineEdit(parent);
}

QWidget* CreateControl(const WindowControl& control, QWidget* parent) {
    const QString caption = QString::fromUtf8(control.caption);
    switch (control.kind) {
        case ControlKind::Label:
            return new QLabel(caption, parent);
        case ControlKind::TextBox:
        case ControlKind::LockedTextBox: {
            QLineEdit* const box = CreateTextBox(control.name, parent);
            box->setText(caption);
            box->setReadOnly(control.kind == ControlKind::LockedTextBox);
            return box;
        }
        case ControlKind::Button: {
            auto* const button = new QPushButton(caption, parent);
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::CheckBox: {
            auto* const box = new QCheckBox(caption, parent);
            box->setStyle(new FittedCheckBoxStyle(box));
            return box;
        }
        case ControlKind::Tape:
            return new TapeView(parent);
    }
    return nullptr;
}

}  // namespace

void CreateWindowWidgets(QWidget& window) {
    const WindowLayout& layout = MainWindowLayout();
    window.setWindowTitle(QString::fromUtf8(layout.title));
    window.setFixedSize(TwipsToPixels(layout.clientWidth), TwipsToPixels(layout.clientHeight));
    window.setFont(ControlQFont(ControlFont::Default));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, WindowBackground());
    window.setPalette(palette);
    window.setAutoFillBackground(true);

    for (const WindowControl& control : MainWindowControls()) {
        QWidget* const widget = CreateControl(control, &window);
        widget->setObjectName(QString::fromUtf8(control.name));
        widget->setGeometry(TwipsToPixels(control.place.left), TwipsToPixels(control.place.top),
                            TwipsToPixels(control.place.width),
                            TwipsToPixels(control.place.height));
        if (control.font != ControlFont::Default) {
            widget->setFont(ControlQFont(control.font));
        }
        ApplyLook(*widget, control.look);
        widget->setAccessibleName(QString::fromUtf8(control.accessibleName));
        if (control.description != nullptr) {
            widget->setAccessibleDescription(QString::fromUtf8(control.description));
        }
        if (control.toolTip != nullptr) {
            widget->setToolTip(QString::fromUtf8(control.toolTip));
        }
        if (!control.visible) {
            widget->setFocusPolicy(Qt::NoFocus);
            widget->setVisible(false);
        }
    }

    QWidget* previous = nullptr;
    for (const WindowControl* control : MainWindowTabOrder()) {
        QWidget* const widget = &RequiredChild<QWidget>(window, control->name);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

}  // namespace vimbo
