// SPDX-License-Identifier: MIT
// The memory floor of the start-up benchmark: a window with the calculator's widgets as
// laid out (the same kinds, places, fonts, colours, names and tab order, from the same table)
// and nothing else: no engine, no actions, no tape, no picture, no printing.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include "window/control_table.h"

namespace {

using vimbo::ControlFont;
using vimbo::ControlKind;
using vimbo::ControlLook;
using vimbo::TwipsToPixels;
using vimbo::WindowControl;

QFont Font(ControlFont font) {
    const vimbo::WindowLayout& window = vimbo::MainWindowLayout();
    QFont qfont(QString::fromUtf8(window.fontFamily));
    qfont.setPointSizeF(font == ControlFont::Tape ? window.tapePointSize : window.defaultPointSize);
    qfont.setWeight(font == ControlFont::Bold ? QFont::Bold : QFont::Normal);
    return qfont;
}

QColor Background() {
    const auto& rgb = vimbo::MainWindowLayout().background;
    return {rgb[0], rgb[1], rgb[2]};
}

void ApplyLook(QWidget& widget, ControlLook look) {
    QPalette palette = widget.palette();
    switch (look) {
        case ControlLook::Plain:
            return;
        case ControlLook::WindowBackground:
            palette.setColor(QPalette::Window, Background());
            widget.setAutoFillBackground(true);
            widget.setBackgroundRole(QPalette::Window);
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

QWidget* Create(const WindowControl& control, QWidget* parent) {
    const QString caption = QString::fromUtf8(control.caption);
    switch (control.kind) {
        case ControlKind::Label:
            return new QLabel(caption, parent);
        case ControlKind::TextBox:
        case ControlKind::LockedTextBox: {
            auto* const box = new QLineEdit(caption, parent);
            box->setReadOnly(control.kind == ControlKind::LockedTextBox);
            return box;
        }
        case ControlKind::Button:
            return new QPushButton(caption, parent);
        case ControlKind::CheckBox:
            return new QCheckBox(caption, parent);
        case ControlKind::Tape: {
            auto* const tape = new QPlainTextEdit(parent);
            tape->setReadOnly(true);
            return tape;
        }
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const vimbo::WindowLayout& layout = vimbo::MainWindowLayout();
    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                Qt::WindowCloseButtonHint);
    window.setWindowTitle(QString::fromUtf8(layout.title));
    window.setFixedSize(TwipsToPixels(layout.clientWidth), TwipsToPixels(layout.clientHeight));
    window.setFont(Font(ControlFont::Default));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Background());
    window.setPalette(palette);
    window.setAutoFillBackground(true);

    for (const WindowControl& control : vimbo::MainWindowControls()) {
        QWidget* const widget = Create(control, &window);
        widget->setObjectName(QString::fromUtf8(control.name));
        widget->setGeometry(TwipsToPixels(control.place.left), TwipsToPixels(control.place.top),
                            TwipsToPixels(control.place.width),
                            TwipsToPixels(control.place.height));
        if (control.font != ControlFont::Default) {
            widget->setFont(Font(control.font));
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
            widget->setVisible(false);
        }
    }
    QWidget* previous = nullptr;
    for (const WindowControl* control : vimbo::MainWindowTabOrder()) {
        auto* const widget = window.findChild<QWidget*>(QString::fromUtf8(control->name));
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
    window.show();
    window.findChild<QWidget*>(QString::fromUtf8(vimbo::control_name::input))->setFocus();
    return QApplication::exec();
}
